#pragma once

#include "PrintCursor.h"
#include "PrintSurface.h"
#include "TextMetrics.h"

class QPainter;

// Draws one page's operations with a painter, for the preview: text in the faces and sizes it is
// printed in, at the positions the printer gives it (the cursor moves by the printer's metrics).
// The painter must map millimetres of the page, origin at its top-left corner; the surface draws
// in pixels of a 1200 dpi page underneath, as the printed job does, so text is laid out as on
// paper at any zoom. Page and job ends and orientation belong to the caller and do nothing here.
class PainterPrintSurface : public PrintSurface {
public:
    PainterPrintSurface(QPainter& painter, TextMetrics& metrics);
    ~PainterPrintSurface() override;

    PainterPrintSurface(const PainterPrintSurface&) = delete;
    PainterPrintSurface& operator=(const PainterPrintSurface&) = delete;

    bool setOrientation(Orientation orientation) override;
    bool setUnits(Units units) override;
    bool setFontName(const QString& face) override;
    bool setFontSize(double points) override;
    bool setBold(bool bold) override;
    bool setPosX(double x) override;
    bool setPosY(double y) override;
    double posX() const override;
    bool printText(const QString& text, bool endLine = true) override;
    double measureText(const QString& text) override;
    bool newPage() override;
    PrintJobOutcome endJob() override;
    bool setDuplex() override;

private:
    void useCurrentFont();

    QPainter& painter_;
    PrintCursor cursor_;
    bool fontStale_ = true;
    double ascent_ = 0; // of the painter's font, in page pixels
};
