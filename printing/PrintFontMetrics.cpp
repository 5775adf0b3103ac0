#include "printing/PrintFontMetrics.h"

#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

QFont PrintFontMetrics::makeFont(const PrintFont& font) {
    QFont made(font.face);
    made.setPointSizeF(font.points);
    made.setBold(font.bold);
#ifdef Q_OS_WIN
    // GDI's font engine rounds every glyph advance to whole device pixels; without hinting Qt
    // measures and prints with the font's design advances, as the Linux build does, so the
    // characters of a text stand where they stand on Linux.
    made.setHintingPreference(QFont::PreferNoHinting);
#endif
    return made;
}

PrintFontMetrics::PrintFontMetrics(const QFont& font, const QPaintDevice* device, double dpi)
    : font_(font), device_(device), metrics_(font, device), dpi_(dpi) {}

double PrintFontMetrics::advance(const QString& text) const {
    constexpr qsizetype shortText = 16;
    constexpr qsizetype keptTexts = 1024;
    if (text.size() > shortText) {
        return metrics_.horizontalAdvance(text) / dpi_;
    }
    const auto kept = advances_.constFind(text);
    if (kept != advances_.constEnd()) {
        return *kept;
    }
    if (advances_.size() >= keptTexts) {
        advances_.clear();
    }
    const double inches = metrics_.horizontalAdvance(text) / dpi_;
    advances_.insert(text, inches);
    return inches;
}

// QFontMetricsF::tightBoundingRect puts the bottom of every glyph on the baseline (a bullet's,
// an asterisk's), so the box is taken from the outlines of the glyphs laid out on the device.
InkBox PrintFontMetrics::inkBounds(const QString& text) const {
    if (text.isEmpty()) {
        return {};
    }
    const auto kept = inks_.constFind(text);
    if (kept != inks_.constEnd()) {
        return *kept;
    }
    QTextLayout layout(text, font_, device_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // Glyph positions are on the line's baseline; the cell's top lies one ascent of the font
    // above the baseline, as the page painter places it.
    QRectF glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
            glyphs |= font.pathForGlyph(indexes[i]).boundingRect().translated(positions[i]);
        }
    }
    const double top = metrics_.ascent() - line.ascent() + glyphs.top();
    const InkBox ink = glyphs.isNull() ? InkBox{}
                                       : InkBox{glyphs.left() / dpi_, top / dpi_,
                                                glyphs.width() / dpi_, glyphs.height() / dpi_};
    inks_.insert(text, ink);
    return ink;
}
