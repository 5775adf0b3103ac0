#include "PainterPrintSurface.h"

#include "PrintFontMetrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr double pageDpi = 1200;
constexpr double millimetresPerInch = 25.4;

} // namespace

PainterPrintSurface::PainterPrintSurface(QPainter& painter, TextMetrics& metrics)
    : painter_(painter), cursor_(metrics) {
    painter_.save();
    painter_.scale(millimetresPerInch / pageDpi, millimetresPerInch / pageDpi);
    painter_.setPen(Qt::black);
}

PainterPrintSurface::~PainterPrintSurface() {
    painter_.restore();
}

// The printed font made as large in page pixels as it is on the 1200 dpi page: the painter's
// device turns points into pixels at its own resolution, so the size is scaled by the ratio.
void PainterPrintSurface::useCurrentFont() {
    const PrintFont& printed = cursor_.font();
    QFont font = PrintFontMetrics::makeFont(printed);
    const int deviceDpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
    font.setPointSizeF(printed.points * pageDpi / double(deviceDpi > 0 ? deviceDpi : 96));
    painter_.setFont(font);
    ascent_ = QFontMetricsF(font, painter_.device()).ascent();
    fontStale_ = false;
}

bool PainterPrintSurface::setOrientation(Orientation) {
    return true;
}

bool PainterPrintSurface::setUnits(Units units) {
    cursor_.setUnits(units);
    return true;
}

bool PainterPrintSurface::setFontName(const QString& face) {
    cursor_.setFontName(face);
    fontStale_ = true;
    return true;
}

bool PainterPrintSurface::setFontSize(double points) {
    if (!(points > 0)) {
        return false;
    }
    cursor_.setFontSize(points);
    fontStale_ = true;
    return true;
}

bool PainterPrintSurface::setBold(bool bold) {
    cursor_.setBold(bold);
    fontStale_ = true;
    return true;
}

bool PainterPrintSurface::setPosX(double x) {
    cursor_.setPosX(x);
    return true;
}

bool PainterPrintSurface::setPosY(double y) {
    cursor_.setPosY(y);
    return true;
}

double PainterPrintSurface::posX() const {
    return cursor_.posX();
}

bool PainterPrintSurface::printText(const QString& text, bool endLine) {
    if (fontStale_) {
        useCurrentFont();
    }
    // As on paper: the character cell's top-left on the point, the baseline one ascent below.
    painter_.drawText(QPointF(cursor_.xInches() * pageDpi, cursor_.yInches() * pageDpi + ascent_),
                      text);
    cursor_.advancePast(text, endLine);
    return true;
}

double PainterPrintSurface::measureText(const QString& text) {
    return cursor_.measureText(text);
}

bool PainterPrintSurface::newPage() {
    cursor_.toPageStart();
    return true;
}

PrintJobOutcome PainterPrintSurface::endJob() {
    cursor_.toPageStart();
    return {};
}

bool PainterPrintSurface::setDuplex() {
    return true;
}
