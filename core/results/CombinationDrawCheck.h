#pragma once

#include "core/base/GameProfile.h"
#include "core/combination/CombinationSelection.h"
#include "core/results/DrawCheckResult.h"
#include "core/results/DrawEntry.h"
#include "core/results/PreparedCheck.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The combinations of one combination slip by their hits, in closed form. A slip with f FIX
// numbers and c combination numbers plays every combination of all the FIX numbers and K - f
// of the c; with a FIX hits and b combination hits, exactly h hits are in
// C(b, h - a) * C(c - b, K - f - (h - a)) of them.
HitCounts slipCombinations(int numbersPerRow, int fixCount, int combinationCount, int fixHits,
                           int combinationHits);

// Why the slips of a selection slip cannot be checked: the print run's own message when it
// would refuse them (CombinationSelection::selectionProblem), or FIX marks that are not as many
// as the system's FIX count. Nothing when they can.
std::optional<QString> slipsProblem(const CombinationSelection& selection,
                                    const SelectionSlip& slip);

// The slips a selection slip prints, one per row, with its FIX numbers and system, prepared
// for checking: the numbers each row prints. The slip must have no slipsProblem.
class CombinationSlipSet {
public:
    // item says how the slips are named: CombinationSlip by their rows (their slip numbers),
    // Entry all by entryNumber. A row whose count of numbers is not the system's, or whose
    // numbers are not that many different numbers from 1 to N, is added to unchecked.
    CombinationSlipSet(const GameProfile& profile, const SelectionSlip& slip, CheckedItem item,
                       int entryNumber, std::vector<Unchecked>& unchecked);

    // Adds the combinations of the slips by hits and the winning slips, in row order, to the
    // draw's result.
    void check(const Draw& draw, int fewestWinningHits, DrawResult& into) const;
    // The same without listing the winners: the combinations added to `into`, and the best
    // winning slip kept in `best` when it is better.
    void tally(const NumberMask& draw, int fewestWinningHits, HitCounts& into,
               std::optional<BestItem>& best) const;

    // Every number the slips play: the FIX numbers and those of the checkable rows.
    NumberMask played() const;

private:
    // The combinations of a slip by its combination hits b (0..c), and whether it wins.
    struct ByCombinationHits {
        NumberMask fixHits;
        std::vector<HitCounts> counts;
        std::vector<bool> wins;
    };
    ByCombinationHits countsFor(const NumberMask& draw, int fewestWinningHits) const;

    int numbersPerRow_;
    int fixCount_;
    int combinationCount_;
    CheckedItem item_;
    int entryNumber_;
    NumberMask fix_;
    QStringList rowTexts_;
    std::vector<NumberMask> rows_; // the checkable rows
    std::vector<int> positions_;   // the 0-based row of each
};

// "A betöltött sorok": every row of List1 as one slip with the current FIX numbers and system,
// as "Szelv. kitölt" prints it (slip number: the row's position). Refused, with the run's
// message, when the run would refuse the selection. Nothing of the selection changes.
DrawCheckOutcome checkCombinationRows(const CombinationSelection& selection,
                                      const std::vector<Draw>& draws);

// The same slips prepared for checking many draws ("Minden húzás"). Refused as the single check
// is.
PreparedCheck prepareCombinationRowsCheck(const CombinationSelection& selection);
