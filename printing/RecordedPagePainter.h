#pragma once

#include "core/print/TextMetrics.h"

#include <QFont>

#include <vector>

class PrintRecording;
class QPainter;
struct PrintableArea;

// Paints the pages of a recording: their text in the faces and sizes it is printed in, at the
// positions the printer gives it (moved by the metrics the recording was made with), in black,
// with the character cell's top-left on the point, and their lines, black with flat ends. Given a
// printable area, a mark whose ink leaves it is painted red (the preview's warning). Both the
// printer's pages and the preview are painted by it. The painter's coordinates are given in units
// of which there are painterUnitsPerInch to the inch of the page (the device's dots per inch for a
// printed page, 25.4 for a painter that maps millimetres); underneath, text is laid out on a 1200
// dpi page, so it stands as on paper at any zoom. A page's size and orientation are the caller's.
// The fonts made for one page are kept for the next.
class RecordedPagePainter {
public:
    RecordedPagePainter(TextMetrics& metrics, double painterUnitsPerInch);

    // One page, 0-based over all jobs; says how many of its marks it painted red.
    int paint(QPainter& painter, const PrintRecording& recording, int page,
              const PrintableArea* markArea = nullptr);

    struct PaintedFont {
        PrintFont printed;
        int deviceDpi;
        QFont font;    // as large in page pixels as on the 1200 dpi page
        double ascent; // in page pixels
    };
    const PaintedFont& fontFor(const PrintFont& printed, const QPainter& painter);

private:
    TextMetrics& metrics_;
    double scale_;
    std::vector<PaintedFont> fonts_;
};
