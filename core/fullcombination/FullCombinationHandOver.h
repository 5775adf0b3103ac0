#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What the full-combination window hands to the combination printer's main window after it has
// converted a template into the chosen numbers.
struct FullCombinationHandOver {
    QStringList entries;         // the main window's List2: "00" (the base-set slip) first
    QString baseSetRow;          // the first 11 (combiprint5: 12) chosen numbers, each "NN "
    QStringList shortSetRows;    // combiprint7: the first 10; combiprint6: the 9 highest, then the
                                 // 8 highest; combiprint5: none
    int plainSlipCount = 0;      // rows written to the plain-row file
    long long expectedTotal = 0; // C(N, K) of the chosen N; shown in Label5 as Str
    QString plainRowFile;        // path of the plain-row file written; empty without plain rows
    std::vector<int> chosenNumbers; // the chosen numbers, ascending
};

// What the full-combination window fills: the combination printer's selection.
class FullCombinationReceiver {
public:
    virtual ~FullCombinationReceiver() = default;
    // Fills List2 with the entries, keeps the rows and the plain-slip count, puts baseSetRow
    // alone into List1 with Label8 set to the base set size, and shows the expected total.
    virtual void receiveFullCombination(const FullCombinationHandOver& handOver) = 0;
    // Selects the game's base system (index 5, 5, 6 for games 7, 6, 5), then List2 item 0,
    // which applies entry 0.
    virtual void selectBaseSlip() = 0;
    // Clears every FIX mark of the main window.
    virtual void clearFixMarks() = 0;
};
