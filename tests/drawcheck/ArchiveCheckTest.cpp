// "Minden húzás" is the single check of each draw of the archive summed: for random keys and
// combination slips of each game against a random archive, every draw's classes and best item,
// the prizes by the file's prize per winner, the totals, the best draw and the frequencies.
#include "core/results/ArchiveCheck.h"
#include "core/results/CombinationDrawCheck.h"
#include "core/results/KeyDrawCheck.h"
#include "core/slip/SystemTable.h"
#include "tests/drawcheck/RandomRows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

NumberMask maskOf(const std::vector<int>& numbers) {
    NumberMask mask;
    for (int n : numbers) {
        mask.add(n);
    }
    return mask;
}

// 80 lines, newest first, some without a date; the 6-number game draws twice in some weeks.
// A class's prize per winner is 0 (nobody won: unknown) one time in four. The first draw of the
// fifth line is `winner`, so that some draw wins the highest class.
DrawArchive randomArchive(const GameProfile& profile, const std::vector<int>& winner,
                          std::mt19937& random) {
    DrawArchive archive;
    archive.game = profile.game;
    int year = 2020;
    int week = 52;
    for (int l = 0; l < 80; ++l) {
        ArchiveLine& line = archive.lines.emplace_back();
        line.lineNumber = l + 1;
        const bool second = profile.game == 6 && l % 3 == 0;
        line.identity = {year, week, {}, second ? 7 : profile.game == 6 ? 4 : 0};
        if (l % 5 != 4) {
            line.identity.date = QDate(year, 1, 1).addDays(7 * (week - 1) + (second ? 3 : 0));
        }
        if (!second) {
            week = week > 1 ? week - 1 : (--year, 52);
        }
        line.drawCount = int(profile.drawNames.size());
        for (int d = 0; d < line.drawCount; ++d) {
            line.draws[std::size_t(d)] =
                maskOf(l == 4 && d == 0 ? winner
                                        : pick(numbersUpTo(profile.highestNumber),
                                               profile.numbersPerRow, random));
        }
        for (int h = profile.fewestWinningHits; h <= profile.numbersPerRow; ++h) {
            line.prizes.perWinner[std::size_t(h)] =
                random() % 4 == 0 ? 0 : 1000 * (1LL << (4 * (h - profile.fewestWinningHits))) + l;
        }
    }
    return archive;
}

int topClass(const HitCounts& counts) {
    int top = 0;
    for (int h = 0; h <= maxNumbersPerRow; ++h) {
        top = counts[std::size_t(h)] > 0 ? h : top;
    }
    return top;
}

// Checks the result of every draw against the single check of each draw.
void expectSingleChecksSummed(const GameProfile& profile, const PreparedCheck& prepared,
                              const DrawArchive& archive,
                              const std::function<DrawResult(const Draw&)>& single) {
    ASSERT_TRUE(prepared.ok());
    const ArchiveCheckResult result = checkArchive(*prepared.subject, archive);
    ASSERT_FALSE(result.cancelled);
    HitCounts byClass{};
    long long total = 0;
    long long unknown = 0;
    long long draws = 0;
    std::size_t winning = 0;
    std::vector<long long> frequencies(std::size_t(profile.highestNumber) + 1, 0);
    for (std::size_t l = 0; l < archive.lines.size(); ++l) {
        const ArchiveLine& line = archive.lines[l];
        for (int d = 0; d < line.drawCount; ++d) {
            ++draws;
            const NumberMask mask = line.draws[std::size_t(d)];
            for (int n : mask.numbers()) {
                ++frequencies[std::size_t(n)];
            }
            const DrawResult checked = single(Draw{QString(), mask.numbers(), mask});
            const auto win =
                std::find_if(result.wins.begin(), result.wins.end(),
                             [&](const ArchiveWin& w) { return w.line == l && w.draw == d; });
            ASSERT_EQ(win != result.wins.end(), !checked.winners.empty()) << l << "/" << d;
            if (checked.winners.empty()) {
                continue;
            }
            ++winning;
            EXPECT_EQ(win->combinations, checked.combinations);
            const Winner& best = checked.winners.front();
            EXPECT_EQ(win->best.item, best.item);
            EXPECT_EQ(win->best.number, best.number);
            EXPECT_EQ(win->best.combinations, best.combinations);
            if (best.item == CheckedItem::KeyRow) {
                EXPECT_EQ(win->best.slip, best.slip);
                EXPECT_EQ(win->best.field, best.field);
            }
            long long prize = 0;
            long long unknownHere = 0;
            for (int h = profile.fewestWinningHits; h <= profile.numbersPerRow; ++h) {
                const long long count = checked.combinations[std::size_t(h)];
                const long long perWinner = line.prizes.perWinner[std::size_t(h)];
                byClass[std::size_t(h)] += count;
                if (perWinner > 0) {
                    prize += count * perWinner;
                } else {
                    unknownHere += count;
                }
            }
            EXPECT_EQ(win->prize, prize);
            EXPECT_EQ(win->unknownPrizeWins, unknownHere);
            total += prize;
            unknown += unknownHere;
        }
    }
    EXPECT_EQ(result.draws, draws);
    EXPECT_EQ(result.wins.size(), winning);
    EXPECT_EQ(result.winsByClass, byClass);
    EXPECT_EQ(result.total, total);
    EXPECT_EQ(result.unknownPrizeWins, unknown);
    EXPECT_EQ(result.frequencies, frequencies);
    EXPECT_GT(topClass(byClass), profile.numbersPerRow - 2);
    // Newest first; the best draw: the highest prize, then the higher class, then the newer.
    ASSERT_TRUE(result.best.has_value());
    const ArchiveWin& best = result.wins[*result.best];
    for (std::size_t w = 0; w < result.wins.size(); ++w) {
        const ArchiveWin& win = result.wins[w];
        const DrawIdentity& id = archive.lines[win.line].identity;
        if (w > 0) {
            EXPECT_FALSE(id.newerThan(archive.lines[result.wins[w - 1].line].identity));
        }
        const bool better =
            win.prize > best.prize ||
            (win.prize == best.prize &&
             (topClass(win.combinations) > topClass(best.combinations) ||
              (topClass(win.combinations) == topClass(best.combinations) && w < *result.best)));
        EXPECT_FALSE(better) << "draw " << w << " beats the best, " << *result.best;
    }
}

class EveryDraw : public ::testing::TestWithParam<int> {};

TEST_P(EveryDraw, IsTheSingleCheckOfEachDrawSummed) {
    const GameProfile& profile = gameProfile(GetParam());
    const int k = profile.numbersPerRow;
    std::mt19937 random{unsigned(100 + GetParam())};
    // A key of 60 random rows and one that is not a play (a number twice).
    QStringList rows;
    std::vector<int> first;
    for (int r = 0; r < 60; ++r) {
        const std::vector<int> row = pick(numbersUpTo(profile.highestNumber), k, random);
        first = r == 0 ? row : first;
        rows << rowText(row);
    }
    std::vector<int> twice = pick(numbersUpTo(profile.highestNumber), k - 1, random);
    twice.insert(twice.begin(), twice.front());
    rows << rowText(twice);
    const DrawArchive archive = randomArchive(profile, first, random);
    const KeyRowMasks masks(rows, k, profile.highestNumber);
    const QString fields = QStringLiteral("3");
    SCOPED_TRACE("key");
    expectSingleChecksSummed(
        profile, prepareKeyCheck(profile, rows, masks, fields), archive,
        [&](const Draw& draw) { return checkKey(profile, rows, masks, fields, {draw}).draws[0]; });
    EXPECT_EQ(prepareKeyCheck(profile, rows, masks, fields).subject->unchecked.size(), 1u);

    // Twelve slips of the system with two FIX numbers and the fewest combination numbers.
    const QStringList& codes = systemTable(profile.game).codes;
    int system = 0;
    while (systemFixCount(codes[system]) != 2) {
        ++system;
    }
    const int c = systemCombinationCount(codes[system]);
    const std::vector<int> fix = {first[0], first[1]};
    std::vector<int> rest;
    for (int n : numbersUpTo(profile.highestNumber)) {
        if (n != fix[0] && n != fix[1]) {
            rest.push_back(n);
        }
    }
    // The first slip plays the rest of the first key row too: with its FIX numbers it holds
    // the draw that row is.
    std::vector<int> others;
    for (int n : rest) {
        if (std::find(first.begin(), first.end(), n) == first.end()) {
            others.push_back(n);
        }
    }
    std::vector<int> winning = pick(others, c - (k - 2), random);
    winning.insert(winning.end(), first.begin() + 2, first.end());
    std::sort(winning.begin(), winning.end());
    QStringList slips{rowText(winning) + QLatin1Char(' ')};
    for (int s = 1; s < 12; ++s) {
        slips << rowText(pick(rest, c, random)) + QLatin1Char(' ');
    }
    CombinationSelection selection(profile);
    selection.setRows(slips);
    selection.setWidthCaption(QString::number(c));
    for (int n : fix) {
        selection.toggleNumber(n);
    }
    selection.selectSystem(system);
    SCOPED_TRACE("slips " + codes[system].toStdString());
    expectSingleChecksSummed(
        profile, prepareCombinationRowsCheck(selection), archive,
        [&](const Draw& draw) { return checkCombinationRows(selection, {draw}).result.draws[0]; });
}

INSTANTIATE_TEST_SUITE_P(Games, EveryDraw, ::testing::Values(5, 6, 7));

} // namespace
