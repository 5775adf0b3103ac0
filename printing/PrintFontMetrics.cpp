#include "printing/PrintFontMetrics.h"

QFont PrintFontMetrics::makeFont(const PrintFont& font) {
    QFont made(font.face);
    made.setPointSizeF(font.points);
    made.setBold(font.bold);
    return made;
}

PrintFontMetrics::PrintFontMetrics(const QFont& font, const QPaintDevice* device, double dpi)
    : metrics_(font, device), dpi_(dpi) {}
