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

CombinationSlipSet::ByCombinationHits CombinationSlipSet::countsFor(const NumberMask& draw,
                                                                    int fewestWinningHits) const {
    ByCombinationHits table;
    table.fixHits = fix_ & draw;
    const int a = table.fixHits.count();
    // Every slip of the set with b combination hits has the same counts: one table over b.
    table.counts.resize(std::size_t(combinationCount_) + 1);
    table.wins.assign(table.counts.size(), false);
    for (int b = 0; b <= combinationCount_; ++b) {
        const HitCounts counts =
            slipCombinations(numbersPerRow_, fixCount_, combinationCount_, a, b);
        table.counts[std::size_t(b)] = counts;
        for (int h = std::max(fewestWinningHits, 0); h <= maxNumbersPerRow; ++h) {
            table.wins[std::size_t(b)] = table.wins[std::size_t(b)] || counts[std::size_t(h)] > 0;
        }
    }
    return table;
}

void CombinationSlipSet::check(const Draw& draw, int fewestWinningHits, DrawResult& into) const {
    const ByCombinationHits table = countsFor(draw.mask, fewestWinningHits);
    std::vector<long long> slips(table.counts.size(), 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const NumberMask rowHits = rows_[i] & draw.mask;
        const std::size_t b = std::size_t(rowHits.count());
        ++slips[b];
        if (table.wins[b]) {
            const int position = positions_[i];
            into.winners.push_back(
                {item_, item_ == CheckedItem::Entry ? entryNumber_ : position + 1, position + 1LL,
                 0, rowTexts_[position], table.fixHits, rowHits, table.counts[b]});
        }
    }
    for (std::size_t b = 0; b < slips.size(); ++b) {
        for (std::size_t h = 0; h < into.combinations.size(); ++h) {
            into.combinations[h] += slips[b] * table.counts[b][h];
        }
    }
}

void CombinationSlipSet::tally(const NumberMask& draw, int fewestWinningHits, HitCounts& into,
                               std::optional<BestItem>& best) const {
    const ByCombinationHits table = countsFor(draw, fewestWinningHits);
    std::vector<long long> slips(table.counts.size(), 0);
    // More combination hits give more combinations in the highest class: the best slip of the
    // set is the first with the most.
    int bestSlip = -1;
    std::size_t bestHits = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::size_t b = std::size_t((rows_[i] & draw).count());
        ++slips[b];
        if (table.wins[b] && (bestSlip < 0 || b > bestHits)) {
            bestSlip = int(i);
            bestHits = b;
        }
    }
    for (std::size_t b = 0; b < slips.size(); ++b) {
        for (std::size_t h = 0; h < into.size(); ++h) {
            into[h] += slips[b] * table.counts[b][h];
        }
    }
    if (bestSlip >= 0) {
        const int position = positions_[std::size_t(bestSlip)];
        keepBetter(best, BestItem{item_, item_ == CheckedItem::Entry ? entryNumber_ : position + 1,
                                  0, 0, table.counts[bestHits]});
    }
}

NumberMask CombinationSlipSet::played() const {
    NumberMask numbers = fix_;
    for (const NumberMask& row : rows_) {
        numbers = numbers | row;
    }
    return numbers;
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
        DrawResult checked{draw.name, draw.numbers, {}, {}, {}};
        slips.check(draw, profile.fewestWinningHits, checked);
        sortBestFirst(checked.winners);
        result.draws.push_back(std::move(checked));
    }
    return outcome;
}

namespace {

// The slips of the loaded rows, copied.
class PreparedSlips : public PreparedSubject {
public:
    PreparedSlips(const GameProfile& profile, const SelectionSlip& slip)
        : slips_(profile, slip, CheckedItem::CombinationSlip, 0, unchecked) {
        played = slips_.played();
    }

    DrawTally tally(const NumberMask& draw) const override {
        DrawTally tally;
        slips_.tally(draw, fewestWinningHits, tally.combinations, tally.best);
        return tally;
    }

private:
    CombinationSlipSet slips_;
};

} // namespace

PreparedCheck prepareCombinationRowsCheck(const CombinationSelection& selection) {
    PreparedCheck check;
    const SelectionSlip slip = selection.currentSlip();
    if ((check.refusal = slipsProblem(selection, slip))) {
        return check;
    }
    const GameProfile& profile = selection.profile();
    auto subject = std::make_shared<PreparedSlips>(profile, slip);
    subject->subject = CheckedSubject::CombinationRows;
    subject->numbersPerRow = profile.numbersPerRow;
    subject->fewestWinningHits = profile.fewestWinningHits;
    check.subject = std::move(subject);
    return check;
}
