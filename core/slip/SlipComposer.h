#pragma once

#include "core/slip/SlipLayout.h"

#include <QString>

#include <vector>

class BusyPointer;
class MessageBoxService;
class PrintSurface;

// Where the slip's printing starts: X0 and Y0 in millimetres (Y0 already adjusted by the
// layout's shift and, for landscape key slips, the landscape shift).
struct SlipOrigin {
    double x0 = 0;
    double y0 = 0;
};

// X0 from Text2, Y0 from Text1 plus the layout's adjustment (and its landscape shift).
SlipOrigin keySlipOrigin(const KeySlip& layout, const QString& offsetDown,
                         const QString& offsetRight, bool landscape);
// X0 from Text2, Y0 from Text1 unchanged.
SlipOrigin combinationSlipOrigin(const QString& offsetDown, const QString& offsetRight);

// What every slip of one job shares.
struct MarkStyle {
    QString markSymbol;    // "x", "*" or "•"
    bool jokerYes = false; // false marks the "Nem" box
};

// The mark of the selected Option2 button: 0 "x", 1 "*", 2 "•"; no selection gives no mark.
QString markSymbolForOption(int optionIndex);

// What a slip run shows and prints on: its messages, the busy pointer and the surface.
struct SlipRunServices {
    MessageBoxService& messageBox;
    BusyPointer& busyPointer;
    PrintSurface& printer;
    bool showEjectNotice = true; // false for a preview: the blank slip is only a blank page
};

// Shown before a slip run that starts with a blank slip ejected.
inline const QString pageEjectNotice =
    QStringLiteral("A nyomtatás egy szelvény lap-dobásával indul !");

// One key row with its 0-based position in the whole key.
struct KeyRow {
    int position;
    QString text;
};

enum class KeyRunMode {
    AllRows, // field = position mod P + 1
    FromTo,  // the first row opens field 1 of a new slip; fields count on from there
};

// Where the all-rows run prints the key row at a 0-based position: the slip number and the
// field (1-based) of that slip, with fieldsPerSlip fields on a slip.
struct KeySlipPlace {
    long long slip;
    int field;
};
KeySlipPlace allRowsSlipPlace(int position, int fieldsPerSlip);

// Font face, millimetres, bold, 9 points: done once before the first slip of a job.
void setUpSlipSurface(PrintSurface& surface);

// Places the rows into the fields of key slips, P fields per slip: header, Joker mark and one
// mark per number; every slip but the first begins with newPage. Does not end the job.
// Numbers outside 1..N are not marked, and a row's numbers beyond K are not marked.
void composeKeySlips(PrintSurface& surface, const KeySlip& layout, int numbersPerRow,
                     int highestNumber, const std::vector<KeyRow>& rows, int fieldsPerSlip,
                     KeyRunMode mode, const MarkStyle& style, SlipOrigin origin);

// One combination slip: the row printed in the combination field and its slip number.
struct CombinationSlipRow {
    QString text;
    long long slipNumber;
};

// One slip per row: header, Joker mark, the row's numbers (at most the layout's count), every
// FIX number (ascending) and the system box. Every slip but the first begins with newPage.
// Does not end the job. Numbers outside 1..N are not marked.
void composeCombinationSlips(PrintSurface& surface, const CombinationSlip& layout,
                             int highestNumber, const std::vector<CombinationSlipRow>& rows,
                             const std::vector<int>& fixNumbers, int systemIndex,
                             const MarkStyle& style, SlipOrigin origin);
