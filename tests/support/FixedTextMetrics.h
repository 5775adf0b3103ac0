#pragma once

#include "core/print/TextMetrics.h"

#include <optional>

// Metrics that depend on the font in a simple, checkable way: every character advances by a
// hundredth of the point size (in inches), lines are a fiftieth of it apart, the cell height is
// half the line spacing plus any extra set by the test. Bold characters are 10 % wider. A test
// may give every character one width instead, whatever the font. The ink of a text lies off the
// middle of its cell, as a glyph's does: from a tenth to four fifths of its advance across, and
// from three tenths to four fifths of the cell's height down.
class FixedTextMetrics : public TextMetrics {
public:
    int asked = 0; // measurements asked for, to see that a recording asks once per font
    std::optional<double> inchesPerCharacter;

    double advance(const PrintFont& font, const QString& text) override {
        ++asked;
        if (inchesPerCharacter) {
            return double(text.size()) * *inchesPerCharacter;
        }
        return double(text.size()) * font.points / 100.0 * (font.bold ? 1.1 : 1.0);
    }
    double lineSpacing(const PrintFont& font) override {
        ++asked;
        return font.points / 50.0;
    }
    double cellHeight(const PrintFont& font) override { return font.points / 100.0; }
    InkBox inkBounds(const PrintFont& font, const QString& text) override {
        const double width = advance(font, text);
        const double height = cellHeight(font);
        return {0.1 * width, 0.3 * height, 0.7 * width, 0.5 * height};
    }
};
