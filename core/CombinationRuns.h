#pragma once

#include "GameProfile.h"

#include <QString>

class BusyPointer;
class CombinationSelection;
class MessageBoxService;
class PrintSurface;

// The window's controls that a combination print run reads when it starts.
struct CombinationRunControls {
    QString text1;         // Y0 (down), millimetres
    QString text2;         // X0 (right), millimetres
    QString text3;         // "Tól:" first row, 1-based
    QString text4;         // "Ig:" last row, 1-based
    bool check1 = false;   // start with a page eject
    int markIndex = 0;     // Option2 selected index, -1 none
    bool jokerYes = false; // Option1(0) "Igen" selected
};

struct CombinationRunServices {
    MessageBoxService& messageBox;
    BusyPointer& busyPointer;
    PrintSurface& printer;
};

// The three combination slip runs. Each checks its inputs, shows at most its messages and
// prints one slip per combination row; the mark symbol taken by a run is kept for the next
// run that finds no mark symbol selected.
class CombinationRuns {
public:
    explicit CombinationRuns(const GameProfile& profile);

    // "Szelv. kitölt": every row of List1. Returns the number of print jobs ended (0 or 1).
    int runAllRows(const CombinationSelection& selection, const CombinationRunControls& controls,
                   CombinationRunServices services);
    // "Tól-ig: nyomtatás": rows Text3..Text4 (1-based).
    int runFromTo(const CombinationSelection& selection, const CombinationRunControls& controls,
                  CombinationRunServices services);
    // "T. kombi nyomtatása": applies each full-combination entry and prints it, one job each.
    int runFullCombination(CombinationSelection& selection, const CombinationRunControls& controls,
                           CombinationRunServices services);

    QString storedMarkSymbol() const { return markSymbol_; }

private:
    int printRows(const CombinationSelection& selection, const CombinationRunControls& controls,
                  CombinationRunServices services, int first, int last);

    const GameProfile& profile_;
    QString markSymbol_;
};
