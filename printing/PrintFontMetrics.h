#pragma once

#include "core/print/TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

class QPaintDevice;

// The print surface's font measured on a print device: advances, line spacing and cell height
// in inches of the page. QtPrintSurface prints with it and QtTextMetrics measures with it, so a
// recording places text exactly where a printed job places it.
class PrintFontMetrics {
public:
    static QFont makeFont(const PrintFont& font);

    // dpi: the device's pixels per inch, as the job works with them.
    PrintFontMetrics(const QFont& font, const QPaintDevice* device, double dpi);

    // Short texts (words, numbers, marks) are measured once and kept, a bounded number of them.
    double advance(const QString& text) const;
    double lineSpacing() const { return metrics_.lineSpacing() / dpi_; }
    double cellHeight() const { return metrics_.height() / dpi_; }
    // Ascent in device pixels: the baseline lies this far below a character cell's top.
    double ascentPixels() const { return metrics_.ascent(); }
    // The tight box of the text's glyphs, from the character cell's top-left, in inches: the
    // outlines of the glyphs the device draws (fallback fonts included), kept per text.
    InkBox inkBounds(const QString& text) const;

private:
    QFont font_;
    const QPaintDevice* device_;
    QFontMetricsF metrics_;
    double dpi_;
    mutable QHash<QString, InkBox> inks_;
    mutable QHash<QString, double> advances_;
};
