#include "printing/QtTextMetrics.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

QtTextMetrics::QtTextMetrics(int resolution)
    : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    device_->setOutputFormat(QPrinter::PdfFormat);
    device_->setPageSize(QPageSize(QPageSize::A4));
    device_->setResolution(resolution);
    device_->setFullPage(true);
    device_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    dpi_ = device_->resolution() > 0 ? device_->resolution() : resolution;
}

QtTextMetrics::~QtTextMetrics() = default;

const PrintFontMetrics& QtTextMetrics::metricsOf(const PrintFont& font) {
    if (last_ < measured_.size() && measured_[last_].first == font) {
        return *measured_[last_].second;
    }
    for (size_t i = 0; i < measured_.size(); ++i) {
        if (measured_[i].first == font) {
            last_ = i;
            return *measured_[i].second;
        }
    }
    measured_.emplace_back(font, std::make_unique<PrintFontMetrics>(
                                     PrintFontMetrics::makeFont(font), device_.get(), dpi_));
    last_ = measured_.size() - 1;
    return *measured_.back().second;
}

double QtTextMetrics::advance(const PrintFont& font, const QString& text) {
    return metricsOf(font).advance(text);
}

double QtTextMetrics::lineSpacing(const PrintFont& font) {
    return metricsOf(font).lineSpacing();
}

double QtTextMetrics::cellHeight(const PrintFont& font) {
    return metricsOf(font).cellHeight();
}

InkBox QtTextMetrics::inkBounds(const PrintFont& font, const QString& text) {
    return metricsOf(font).inkBounds(text);
}
