#include "core/results/CombinationDrawCheck.h"

#include "core/base/RowText.h"
#include "core/results/DrawCheckTexts.h"
#include "core/results/KeyRowMasks.h"
#include "core/slip/SlipLayout.h"
#include "core/slip/SystemTable.h"

#include <algorithm>

HitCounts slipCombinations(int numbersPerRow, int fixCount, int combinationCount, int fixHits,
                           int combinationHits) {
    HitCounts counts{};
    const int played = numbersPerRow - fixCount; // combination numbers in every combination
    const int misses = combinationCount - combinationHits;
    for (int h = 0; h <= std::min(numbersPerRow, maxNumbersPerRow); ++h) {
        const int fromRow = h - fixHits; // hits that come from the combination numbers
        counts[std::size_t(h)] =
            binomial(combinationHits, fromRow) * binomial(misses, played - fromRow);
    }
    return counts;
}

std::optional<QString> slipsProblem(const CombinationSelection& selection,
                                    const SelectionSlip& slip) {
    if (std::optional<QString> problem = selection.selectionProblem(slip)) {
        return problem;
    }
    const int systemFix = systemFixCount(selection.systemCode(slip.systemIndex));
    if (int(slip.fixNumbers.size()) != systemFix) {
        return DrawCheckText::fixCountMismatch(int(slip.fixNumbers.size()), systemFix);
    }
    return std::nullopt;
}

CombinationSlipSet::CombinationSlipSet(const GameProfile& profile, const SelectionSlip& slip,
                                       CheckedItem item, int entryNumber,
                                       std::vector<Unchecked>& unchecked)
    : numbersPerRow_(profile.numbersPerRow), item_(item), entryNumber_(entryNumber),
      rowTexts_(slip.rows) {
    const QString code = systemTable(profile.game).codes.value(slip.systemIndex);
    fixCount_ = systemFixCount(code);
    combinationCount_ = systemCombinationCount(code);
    for (int number : slip.fixNumbers) {
        fix_.add(number);
    }
    // The run prints at most the slip's count of a row's numbers.
    const int printed = combinationSlip(profile.game).rowNumbersPrinted;
    rows_.reserve(std::size_t(slip.rows.size()));
    positions_.reserve(std::size_t(slip.rows.size()));
    for (int s = 0; s < int(slip.rows.size()); ++s) {
        const QString& row = slip.rows[s];
        const int number = item == CheckedItem::Entry ? entryNumber : s + 1;
        const int width = rowWidth(row);
        if (width != combinationCount_) {
            unchecked.push_back(
                {item, number, DrawCheckText::slipRowWidth(width, combinationCount_)});
            continue;
        }
        const NumberMask mask =
            KeyRowMasks::printedNumbers(row, std::min(width, printed), profile.highestNumber);
        if (mask.count() != combinationCount_) {
            unchecked.push_back(
                {item, number,
                 DrawCheckText::slipRowNumbers(combinationCount_, profile.highestNumber)});
            continue;
        }
        rows_.push_back(mask);
        positions_.push_back(s);
    }
}

void CombinationSlipSet::check(const Draw& draw, int fewestWinningHits, DrawResult& into) const {
    const NumberMask fixHits = fix_ & draw.mask;
    const int a = fixHits.count();
    // Every slip of the set with b combination hits has the same counts: one table over b.
    std::vector<HitCounts> byCombinationHits(std::size_t(combinationCount_) + 1);
    std::vector<bool> wins(byCombinationHits.size(), false);
    for (int b = 0; b <= combinationCount_; ++b) {
        const HitCounts counts =
            slipCombinations(numbersPerRow_, fixCount_, combinationCount_, a, b);
        byCombinationHits[std::size_t(b)] = counts;
        for (int h = std::max(fewestWinningHits, 0); h <= maxNumbersPerRow; ++h) {
            wins[std::size_t(b)] = wins[std::size_t(b)] || counts[std::size_t(h)] > 0;
        }
    }
    std::vector<long long> slips(byCombinationHits.size(), 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const NumberMask rowHits = rows_[i] & draw.mask;
        const std::size_t b = std::size_t(rowHits.count());
        ++slips[b];
        if (wins[b]) {
            const int position = positions_[i];
            into.winners.push_back(
                {item_, item_ == CheckedItem::Entry ? entryNumber_ : position + 1, position + 1LL,
                 0, rowTexts_[position], fixHits, rowHits, byCombinationHits[b]});
        }
    }
    for (std::size_t b = 0; b < slips.size(); ++b) {
        for (std::size_t h = 0; h < into.combinations.size(); ++h) {
            into.combinations[h] += slips[b] * byCombinationHits[b][h];
        }
    }
}

DrawCheckOutcome checkCombinationRows(const CombinationSelection& selection,
                                      const std::vector<Draw>& draws) {
    DrawCheckOutcome outcome;
    const SelectionSlip slip = selection.currentSlip();
    if ((outcome.refusal = slipsProblem(selection, slip))) {
        return outcome;
    }
    const GameProfile& profile = selection.profile();
    DrawCheckResult& result = outcome.result;
    result.subject = CheckedSubject::CombinationRows;
    result.numbersPerRow = profile.numbersPerRow;
    result.fewestWinningHits = profile.fewestWinningHits;
    const CombinationSlipSet slips(profile, slip, CheckedItem::CombinationSlip, 0,
                                   result.unchecked);
    for (const Draw& draw : draws) {
        DrawResult checked{draw.name, draw.numbers, {}, {}};
        slips.check(draw, profile.fewestWinningHits, checked);
        sortBestFirst(checked.winners);
        result.draws.push_back(std::move(checked));
    }
    return outcome;
}
