#include "printing/PrintFontMetrics.h"

QFont PrintFontMetrics::makeFont(const PrintFont& font) {
    QFont made(font.face);
    made.setPointSizeF(font.points);
    made.setBold(font.bold);
    return made;
}

PrintFontMetrics::PrintFontMetrics(const QFont& font, const QPaintDevice* device, double dpi)
    : metrics_(font, device), dpi_(dpi) {}

InkBox PrintFontMetrics::inkBounds(const QString& text) const {
    if (text.isEmpty()) {
        return {};
    }
    // The glyphs' box is given from the baseline's start; the cell's top lies one ascent above.
    const QRectF glyphs = metrics_.tightBoundingRect(text);
    return {glyphs.left() / dpi_, (metrics_.ascent() + glyphs.top()) / dpi_, glyphs.width() / dpi_,
            glyphs.height() / dpi_};
}
