#pragma once

#include "core/base/GameProfile.h"
#include "core/print/PrintRunResult.h"
#include "core/slip/SlipComposer.h"

#include <QString>

class BusyPointer;
class CombinationSelection;
class MessageBoxService;
class PrintSurface;

// The window's controls that a combination print run reads when it starts.
struct CombinationRunControls {
    QString offsetDown;      // Text1: shift of all printing downwards, millimetres (Y0)
    QString offsetRight;     // Text2: shift to the right, millimetres (X0)
    QString firstRow;        // Text3 "Tól:": first row of a from-to run, 1-based
    QString lastRow;         // Text4 "Ig:": last row of a from-to run, 1-based
    bool ejectFirst = false; // Check1: the job starts with one blank slip ejected
    int markIndex = 0;       // Option2: selected mark symbol, -1 none
    bool jokerYes = false;   // Option1(0) "Igen" selected
};

// The three combination slip runs. Each checks its inputs, shows at most its messages and
// prints one slip per combination row; the mark symbol taken by a run is kept for the next
// run that finds no mark symbol selected.
class CombinationRuns {
public:
    explicit CombinationRuns(const GameProfile& profile);

    // "Szelv. kitölt": every row of List1, one job.
    PrintRunResult runAllRows(const CombinationSelection& selection,
                              const CombinationRunControls& controls, SlipRunServices services);
    // "Tól-ig: nyomtatás": rows Text3..Text4 (1-based), one job.
    PrintRunResult runFromTo(const CombinationSelection& selection,
                             const CombinationRunControls& controls, SlipRunServices services);
    // "T. kombi nyomtatása": applies each full-combination entry and prints it, one job each,
    // all in one job group. An entry refused by its checks is skipped; the run stops after the
    // first job that did not reach the printer.
    PrintRunResult runFullCombination(CombinationSelection& selection,
                                      const CombinationRunControls& controls,
                                      SlipRunServices services);

    QString storedMarkSymbol() const { return markSymbol_; }

private:
    // One job over rows first..last (0-based); nothing when the selection is refused.
    std::optional<PrintJobOutcome> printRows(const CombinationSelection& selection,
                                             const CombinationRunControls& controls,
                                             SlipRunServices services, int first, int last);

    const GameProfile* profile_;
    QString markSymbol_;
};
