#include "core/print/PrintCursor.h"

#include "core/print/PrintUnits.h"

void PrintCursor::setFont(const PrintFont& font) {
    if (!(font == font_)) {
        font_ = font;
        lineSpacing_.reset();
    }
}

void PrintCursor::setFontName(const QString& face) {
    if (face != font_.face) {
        font_.face = face;
        lineSpacing_.reset();
    }
}

void PrintCursor::setFontSize(double points) {
    font_.points = points;
    lineSpacing_.reset();
}

void PrintCursor::setBold(bool bold) {
    font_.bold = bold;
    lineSpacing_.reset();
}

void PrintCursor::advancePast(const QString& text, bool endLine) {
    if (endLine) {
        if (!lineSpacing_) {
            lineSpacing_ = metrics_.lineSpacing(font_);
        }
        x_ = 0;
        y_ += *lineSpacing_;
    } else {
        x_ += metrics_.advance(font_, text);
    }
}

double PrintCursor::measureText(const QString& text) {
    return metrics_.advance(font_, text) * unitsPerInch();
}

InkBox PrintCursor::measureInk(const QString& text) {
    const InkBox inches = metrics_.inkBounds(font_, text);
    const double u = unitsPerInch();
    return {inches.left * u, inches.top * u, inches.width * u, inches.height * u};
}

InkBox PrintCursor::inkOnPage(const QString& text) {
    InkBox ink = metrics_.inkBounds(font_, text);
    ink.left += x_;
    ink.top += y_;
    return ink;
}

void PrintCursor::toPageStart() {
    x_ = 0;
    y_ = 0;
}

double PrintCursor::unitsPerInch() const {
    return units_ == PrintSurface::Units::Millimetres ? PrintUnits::millimetresPerInch
                                                      : PrintUnits::twipsPerInch;
}

void PrintCursor::toJobStart() {
    toPageStart();
    units_ = PrintSurface::Units::Twips;
    setFont(PrintFont{QStringLiteral("times new roman"), 10, false});
}
