#pragma once

#include "core/print/PrintSurface.h"
#include "core/print/TextMetrics.h"

#include <optional>

// The current position, unit and font of a page printer, moved by its operations as the Qt
// print surface moves them: positions are kept in inches and converted on the way in and out,
// so a position read back is the very number the printer itself would give.
class PrintCursor {
public:
    explicit PrintCursor(TextMetrics& metrics) : metrics_(metrics) {}

    void setUnits(PrintSurface::Units units) { units_ = units; }
    PrintSurface::Units units() const { return units_; }
    void setFont(const PrintFont& font);
    void setFontName(const QString& face);
    void setFontSize(double points);
    void setBold(bool bold);
    const PrintFont& font() const { return font_; }

    void setPosX(double x) { x_ = x / unitsPerInch(); }
    void setPosY(double y) { y_ = y / unitsPerInch(); }
    double posX() const { return x_ * unitsPerInch(); }
    // In inches from the page's top-left corner.
    double xInches() const { return x_; }
    double yInches() const { return y_; }

    // Moves past a printed text: to the start of the next line, or just after the text.
    void advancePast(const QString& text, bool endLine);
    double measureText(const QString& text);
    // The text's ink from the current position: in the current unit relative to the position
    // (measureInk), or in inches from the page's top-left corner (inkOnPage).
    InkBox measureInk(const QString& text);
    InkBox inkOnPage(const QString& text);
    // Back to the page's top-left corner (a new page).
    void toPageStart();
    // The state of a new job: the page's top-left corner, twips and the default font.
    void toJobStart();

    double unitsPerInch() const;

private:
    TextMetrics& metrics_;
    PrintSurface::Units units_ = PrintSurface::Units::Twips;
    PrintFont font_{QStringLiteral("times new roman"), 10, false};
    std::optional<double> lineSpacing_; // of font_, asked once per font
    double x_ = 0;
    double y_ = 0;
};
