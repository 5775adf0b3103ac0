#pragma once

#include "core/base/PrinterFamily.h"
#include "core/print/PrintRunResult.h"
#include "core/slip/SlipForm.h"
#include "core/slip/SlipLayout.h"

#include <QDate>
#include <QString>

#include <vector>

class PrintSurface;

// What the test sheet ("Próbalap") is printed with: the program and the values its window
// holds now.
struct TestSheetRequest {
    PrinterFamily family = PrinterFamily::Key;
    int game = 6;
    QString programName; // "keyprint6", named on the sheet
    QString offsetDown;  // Text1, as the window holds it
    QString offsetRight; // Text2
    QString markSymbol;  // the mark the program prints ("x", "*", "•"); "x" when empty
    // Key printers: printed landscape, with the layout's landscape shift, as "Szelv. kitölt"
    // prints (landscape unless "álló" is selected). Combination printers set no orientation.
    bool landscape = false;
    QDate date; // printed on the sheet
};

// Where the sheet's parts lie on the page, in millimetres from the paper's top-left corner.
struct TestSheetGeometry {
    SlipOrigin origin; // X0, Y0 of the slip, as the program's slip run has them
    // The ink centres of the marks the program prints at the two reference points: key
    // printers A = number 1 of field 1, B = the highest number of the last field of a full slip;
    // combination printers A = number 1 of the FIX field, B = the box of the last system.
    MmPoint a;
    MmPoint b;
    // The number cells of the fields holding A and B (and B's system box), centred on the ink
    // of their marks, outlined on the sheet.
    std::vector<MmRect> outlines;
};

// The geometry of the request's sheet for a mark whose ink is centred at markCentre from the
// point it is printed at (markInkCentre).
TestSheetGeometry testSheetGeometry(const TestSheetRequest& request, MmPoint markCentre);

// B less A on the page for a program (the same for any offset, orientation and mark): what the
// scale of a printer is measured over.
MmPoint referenceSpan(PrinterFamily family, int game);

// The test sheet as one page, one job (no blank slip ahead of it): the key printers' orientation,
// thin outlines of the number cells of the fields of A and B, a cross on the ink centre of each
// of the two reference marks with 10 mm arms (cut at the paper's edge), a tick every 0.5 mm,
// the numbers -10 ... +10 every 2 mm (+ is right and down: where a larger Text2, Text1 moves the
// marks) and the letter A or B, and a few lines of small text: the program, the offsets used,
// the orientation, the date and how to read the sheet. Ends the job and gives the run's result.
PrintRunResult printTestSheet(PrintSurface& surface, const TestSheetRequest& request);

// The text printed on the sheet, as one line.
QString testSheetText(const TestSheetRequest& request);
