#include "PrintFontMetrics.h"

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
    : metrics_(font, device), dpi_(dpi) {}
