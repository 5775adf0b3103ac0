#pragma once

#include "core/print/TextMetrics.h"
#include "printing/PrintFontMetrics.h"

#include <memory>
#include <utility>
#include <vector>

class QPrinter;

// Measures text as the PDF jobs of QtPrintSurface do: the same font on the same kind of page
// device (an A4 PDF printer at the surface's resolution), through the same PrintFontMetrics.
// Needs the QApplication. The few fonts a run uses are kept measured.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(int resolution = 1200);
    ~QtTextMetrics() override;

    QtTextMetrics(const QtTextMetrics&) = delete;
    QtTextMetrics& operator=(const QtTextMetrics&) = delete;

    double advance(const PrintFont& font, const QString& text) override;
    double lineSpacing(const PrintFont& font) override;
    double cellHeight(const PrintFont& font) override;
    InkBox inkBounds(const PrintFont& font, const QString& text) override;

private:
    const PrintFontMetrics& metricsOf(const PrintFont& font);

    std::unique_ptr<QPrinter> device_;
    double dpi_;
    std::vector<std::pair<PrintFont, std::unique_ptr<PrintFontMetrics>>> measured_;
    size_t last_ = 0; // the font asked for last, looked at first
};
