// Combination slips counted in closed form against the same slips expanded into every
// combination they play, for random slips of every system of the three games.
#include "core/base/GameProfile.h"
#include "core/results/CombinationDrawCheck.h"
#include "core/results/FullCombinationDrawCheck.h"
#include "core/slip/SystemTable.h"
#include "tests/drawcheck/RandomRows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every combination of all the FIX numbers and `take` of the row's numbers, by hits.
HitCounts expand(const std::vector<int>& fix, const std::vector<int>& row, int take,
                 const NumberMask& draw) {
    HitCounts counts{};
    int fixHits = 0;
    for (int n : fix) {
        fixHits += draw.contains(n) ? 1 : 0;
    }
    std::function<void(std::size_t, int, int)> choose = [&](std::size_t from, int left, int hits) {
        if (left == 0) {
            ++counts[std::size_t(hits)];
            return;
        }
        for (std::size_t i = from; i + std::size_t(left) <= row.size(); ++i) {
            choose(i + 1, left - 1, hits + (draw.contains(row[i]) ? 1 : 0));
        }
    };
    choose(0, take, fixHits);
    return counts;
}

class ClosedForm : public ::testing::TestWithParam<int> {};

TEST_P(ClosedForm, CountsEveryRandomSlipOfEverySystemAsItsExpansion) {
    const GameProfile& profile = gameProfile(GetParam());
    const int k = profile.numbersPerRow;
    std::mt19937 random{unsigned(GetParam())};
    const QStringList& codes = systemTable(profile.game).codes;
    for (int system = 0; system < codes.size(); ++system) {
        const int f = systemFixCount(codes[system]);
        const int c = systemCombinationCount(codes[system]);
        for (int trial = 0; trial < 3; ++trial) {
            SCOPED_TRACE(codes[system].toStdString() + " trial " + std::to_string(trial));
            const std::vector<int> fix = pick(numbersUpTo(profile.highestNumber), f, random);
            std::vector<int> rest;
            for (int n : numbersUpTo(profile.highestNumber)) {
                if (!std::binary_search(fix.begin(), fix.end(), n)) {
                    rest.push_back(n);
                }
            }
            // Three slips, then a row one number short, which is listed and not counted.
            std::vector<std::vector<int>> rows;
            QStringList texts;
            for (int r = 0; r < 3; ++r) {
                rows.push_back(pick(rest, c, random));
                texts << rowText(rows.back()) + QLatin1Char(' ');
            }
            texts << rowText(pick(rest, c - 1, random));
            // The first trial's draw is one combination of the first slip: its best class wins.
            std::vector<int> drawn = fix;
            const std::vector<int> fromRow = pick(rows[0], k - f, random);
            drawn.insert(drawn.end(), fromRow.begin(), fromRow.end());
            if (trial > 0) {
                drawn = pick(numbersUpTo(profile.highestNumber), k, random);
            }
            const Draw draw = readDraws(profile, {drawText(drawn)}).draws.front();

            CombinationSelection selection(profile);
            selection.setRows(texts);
            selection.setWidthCaption(QString::number(c));
            for (int n : fix) {
                selection.toggleNumber(n);
            }
            selection.selectSystem(system);
            const DrawCheckOutcome outcome = checkCombinationRows(selection, {draw});
            ASSERT_TRUE(outcome.ok()) << outcome.refusal->toStdString();
            const DrawResult& checked = outcome.result.draws.front();

            HitCounts total{};
            std::size_t winner = 0;
            for (int r = 0; r < 3; ++r) {
                const HitCounts expected = expand(fix, rows[std::size_t(r)], k - f, draw.mask);
                for (std::size_t h = 0; h < total.size(); ++h) {
                    total[h] += expected[h];
                }
                const auto found = std::find_if(checked.winners.begin(), checked.winners.end(),
                                                [&](const Winner& w) { return w.number == r + 1; });
                bool wins = false;
                for (int h = profile.fewestWinningHits; h <= k; ++h) {
                    wins = wins || expected[std::size_t(h)] > 0;
                }
                ASSERT_EQ(found != checked.winners.end(), wins) << "slip " << r + 1;
                if (wins) {
                    ++winner;
                    EXPECT_EQ(found->combinations, expected) << "slip " << r + 1;
                    EXPECT_EQ(found->slip, r + 1);
                }
            }
            EXPECT_EQ(checked.combinations, total);
            EXPECT_EQ(checked.winners.size(), winner);
            ASSERT_EQ(outcome.result.unchecked.size(), 1u);
            EXPECT_EQ(outcome.result.unchecked.front().number, 4);
            if (trial == 0) {
                EXPECT_GT(checked.combinations[std::size_t(k)], 0);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, ClosedForm, ::testing::Values(5, 6, 7));

// A selection the print run refuses is refused with the run's own message.
TEST(CombinationCheck, RefusesWhatThePrintRunRefuses) {
    const GameProfile& profile = gameProfile(6);
    CombinationSelection selection(profile);
    const Draw draw = readDraws(profile, {QStringLiteral("1 2 3 4 5 6")}).draws.front();
    EXPECT_EQ(checkCombinationRows(selection, {draw}).refusal, selection.selectionProblem());
    selection.setRows({QStringLiteral("01 02 03 04 05 06 07")});
    selection.setWidthCaption(QStringLiteral("7"));
    selection.toggleNumber(3); // a FIX number in the row
    selection.selectSystem(1);
    ASSERT_TRUE(selection.selectionProblem());
    EXPECT_EQ(checkCombinationRows(selection, {draw}).refusal, selection.selectionProblem());
}

// An entry the full-combination run refuses is listed with the run's message, and the others
// are counted; no plain row is needed when the full combination has none.
TEST(FullCombinationCheck, ListsTheEntriesTheRunRefuses) {
    const GameProfile& profile = gameProfile(7);
    FullCombinationHandOver handOver;
    // Entry 3 names a FIX count that no system has with the base set.
    handOver.entries = {QStringLiteral("00"), QStringLiteral("03 12 13 14 "),
                        QStringLiteral("02 12 13 ")};
    handOver.baseSetRow = rowText(numbersUpTo(11)) + QLatin1Char(' ');
    handOver.shortSetRows = {rowText(numbersUpTo(10))};
    CombinationSelection selection(profile);
    selection.receiveFullCombination(handOver);
    selection.selectBaseSlip();
    const Draw draw = readDraws(profile, {QStringLiteral("1 2 3 4 12 13 20")}).draws.front();
    const DrawCheckOutcome outcome = checkFullCombination(selection, {draw});
    ASSERT_TRUE(outcome.ok()) << outcome.refusal->toStdString();
    CombinationSelection applied = selection;
    applied.selectEntry(2);
    ASSERT_TRUE(applied.selectionProblem());
    ASSERT_EQ(outcome.result.unchecked.size(), 1u);
    EXPECT_EQ(outcome.result.unchecked[0].item, CheckedItem::Entry);
    EXPECT_EQ(outcome.result.unchecked[0].number, 3);
    EXPECT_EQ(outcome.result.unchecked[0].reason, *applied.selectionProblem());
    // Entry 1 (the base set, no FIX) and entry 2 (FIX 12 13 14 with four of the base set).
    HitCounts expected = slipCombinations(7, 0, 11, 0, 4);
    const HitCounts second = slipCombinations(7, 3, 11, 2, 4);
    for (std::size_t h = 0; h < expected.size(); ++h) {
        expected[h] += second[h];
    }
    EXPECT_EQ(outcome.result.draws.front().combinations, expected);
}

} // namespace
