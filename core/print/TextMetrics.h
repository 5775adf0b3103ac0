#pragma once

#include "core/print/PrintSurface.h"

#include <QString>

// The font text is printed with: face, size in points and boldness.
struct PrintFont {
    QString face;
    double points = 10;
    bool bold = false;

    bool operator==(const PrintFont& other) const = default;
};

// Text measurements as the printer takes them, in inches of the page. A surface that does not
// draw (a recording) positions text with them exactly as the printer does.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // How far the position moves past the text when printing continues on the line.
    virtual double advance(const PrintFont& font, const QString& text) = 0;
    // How far down one ended line moves.
    virtual double lineSpacing(const PrintFont& font) = 0;
    // Height of a character cell: ascent plus descent.
    virtual double cellHeight(const PrintFont& font) = 0;
    // The tight box of the text's ink, from the top-left corner of its character cell.
    virtual InkBox inkBounds(const PrintFont& font, const QString& text) = 0;
};
