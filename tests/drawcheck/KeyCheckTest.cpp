// Key rows against a draw: the classes as the rows themselves give them, the winners best
// first, and each winner on the slip and field where "Szelv. kitölt" prints it, whatever the
// fields-per-slip box holds.
#include "core/base/GameProfile.h"
#include "core/base/RowText.h"
#include "core/keys/KeySlipRun.h"
#include "core/results/KeyDrawCheck.h"
#include "core/slip/SlipLayout.h"
#include "tests/drawcheck/RandomRows.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <set>

namespace {

struct FieldsCase {
    int game;
    const char* fieldsPerSlip; // Text6
    int expectedFields;        // 0: the box is out of range, the game's maximum is used
};

void PrintTo(const FieldsCase& c, std::ostream* os) {
    *os << "keyprint" << c.game << " Text6=\"" << c.fieldsPerSlip << "\"";
}

// The numbers the slip marks for a row, read with the row functions, when they are K
// different numbers from 1 to N; nothing otherwise.
std::optional<std::set<int>> playedNumbers(const QString& row, const GameProfile& profile) {
    std::set<int> numbers;
    const int count = std::min(rowWidth(row), profile.numbersPerRow);
    for (int k = 1; k <= count; ++k) {
        const int n = rowValue(row, k);
        if (n >= 1 && n <= profile.highestNumber) {
            numbers.insert(n);
        }
    }
    if (int(numbers.size()) != profile.numbersPerRow) {
        return std::nullopt;
    }
    return numbers;
}

// Rows from a small pool of numbers, so that many win, and a few that are no valid play.
QStringList keyRows(const GameProfile& profile, std::mt19937& random) {
    const std::vector<int> pool = numbersUpTo(profile.numbersPerRow + 4);
    QStringList rows;
    for (int r = 0; r < 45; ++r) {
        std::vector<int> numbers = pick(pool, profile.numbersPerRow, random);
        if (r % 9 == 4) {
            numbers.back() = numbers.front(); // a number twice
        } else if (r % 9 == 7) {
            numbers.push_back(profile.highestNumber); // one more: only the first K are marked
        }
        rows << rowText(numbers);
    }
    rows << QStringLiteral("01 02") << QStringLiteral("00") + rows.front().mid(2)
         << QStringLiteral("01 02 03 04 05 06 07").left(3 * profile.numbersPerRow - 1) + "x";
    return rows;
}

class KeyCheck : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(KeyCheck, ClassesWinnersAndTheirSlipsAreThoseOfTheRowsAndTheRun) {
    const FieldsCase& c = GetParam();
    const GameProfile& profile = gameProfile(c.game);
    std::mt19937 random{unsigned(c.game * 31 + c.expectedFields)};
    const QStringList rows = keyRows(profile, random);
    const Draw draw = readDraws(profile, {drawText(pick(numbersUpTo(profile.numbersPerRow + 4),
                                                        profile.numbersPerRow, random))})
                          .draws.front();
    const KeyRowMasks masks(rows, profile.numbersPerRow, profile.highestNumber);
    const DrawCheckResult result =
        checkKey(profile, rows, masks, QString::fromLatin1(c.fieldsPerSlip), {draw});
    ASSERT_EQ(result.draws.size(), 1u);
    const DrawResult& checked = result.draws.front();

    // The rows themselves: classes, the unchecked, and the winners in their order.
    HitCounts expected{};
    std::vector<int> unchecked;
    std::vector<std::pair<int, int>> winners; // (-hits, row number): best first when sorted
    for (int r = 0; r < rows.size(); ++r) {
        const auto numbers = playedNumbers(rows[r], profile);
        if (!numbers) {
            unchecked.push_back(r + 1);
            continue;
        }
        int hits = 0;
        for (int n : *numbers) {
            hits += draw.mask.contains(n) ? 1 : 0;
        }
        ++expected[std::size_t(hits)];
        if (hits >= profile.fewestWinningHits) {
            winners.emplace_back(-hits, r + 1);
        }
    }
    std::sort(winners.begin(), winners.end());
    EXPECT_EQ(checked.combinations, expected);
    ASSERT_EQ(result.unchecked.size(), unchecked.size());
    for (std::size_t i = 0; i < unchecked.size(); ++i) {
        EXPECT_EQ(result.unchecked[i].number, unchecked[i]);
    }
    ASSERT_EQ(checked.winners.size(), winners.size());
    ASSERT_GT(winners.size(), 5u) << "the draw should make several rows win";

    // The all-rows run, recorded: every winner's numbers are marked on its slip, in its field.
    KeyRunControls controls;
    controls.rows = rows;
    controls.fieldsPerSlip = QString::fromLatin1(c.fieldsPerSlip);
    FakeMessageBox messages;
    FakeBusyPointer pointer;
    TestPrinter surface;
    const std::optional<KeySlipJob> job = checkAllRowsRun(profile, controls, messages);
    ASSERT_TRUE(job);
    printKeySlips(profile, controls, *job, {messages, pointer, surface, false});
    const KeySlip& layout = keySlip(profile.game);
    const int fields = c.expectedFields > 0 ? c.expectedFields : layout.maxFieldsPerSlip;
    const SlipOrigin origin = keyRunOrigin(profile, controls);
    const QString mark = markSymbolForOption(controls.markIndex);

    for (std::size_t i = 0; i < winners.size(); ++i) {
        const Winner& w = checked.winners[i];
        SCOPED_TRACE(w.number);
        EXPECT_EQ(w.number, winners[i].second);
        EXPECT_EQ(w.rowHits.count(), -winners[i].first);
        EXPECT_EQ(w.combinations[std::size_t(w.rowHits.count())], 1);
        EXPECT_EQ(w.row, rows[w.number - 1]);
        EXPECT_EQ(w.slip, (w.number - 1) / fields + 1);
        EXPECT_EQ(w.field, (w.number - 1) % fields + 1);
        const std::set<int> numbers = playedNumbers(w.row, profile).value_or(std::set<int>{});
        ASSERT_EQ(int(numbers.size()), profile.numbersPerRow);
        for (int n : numbers) {
            EXPECT_EQ(w.rowHits.contains(n), draw.mask.contains(n));
            const MmPoint field = layout.fieldOrigin(w.field);
            const MmPoint cell = layout.grid.cellOffset(n);
            const double x = origin.x0 + field.x + cell.x;
            const double y = origin.y0 + field.y + cell.y;
            const bool marked = std::any_of(
                surface.texts.begin(), surface.texts.end(), [&](const PrintedOperations::Text& t) {
                    return t.page == w.slip - 1 && t.text == mark && std::abs(t.x - x) < 1e-6 &&
                           std::abs(t.y - y) < 1e-6;
                });
            EXPECT_TRUE(marked) << "number " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FieldsPerSlip, KeyCheck,
                         ::testing::Values(FieldsCase{6, "3", 3}, FieldsCase{6, "12", 0},
                                           FieldsCase{6, "abc", 0}, FieldsCase{5, "2.5", 2},
                                           FieldsCase{5, "0", 0}, FieldsCase{7, "7", 7},
                                           FieldsCase{7, "-4", 0}, FieldsCase{7, "3.5", 4}));

// The prepared masks are the numbers the row functions read, whatever the rows hold: key rows
// as written, the same with one character changed, and any characters at all.
TEST(KeyRowMasks, HoldWhatTheRowFunctionsRead) {
    std::mt19937 random(7);
    const QString alphabet = QStringLiteral("0123456789 0123456789 ,x-\t");
    for (int game : {5, 6, 7}) {
        const GameProfile& profile = gameProfile(game);
        const int k = profile.numbersPerRow;
        QStringList rows;
        for (int i = 0; i < 6000; ++i) {
            const int highest = i % 7 == 0 ? 99 : profile.highestNumber; // some out of range
            QString row = rowText(pick(numbersUpTo(highest), k, random));
            if (i % 3 == 1) {
                row[int(random() % row.size())] = alphabet[int(random() % alphabet.size())];
            } else if (i % 3 == 2) {
                row = QString();
                for (int j = int(random() % 25); j > 0; --j) {
                    row += alphabet[int(random() % alphabet.size())];
                }
            }
            if (i % 5 == 0) {
                row += alphabet[int(random() % alphabet.size())];
            }
            rows << row;
        }
        const KeyRowMasks masks(rows, k, profile.highestNumber);
        std::size_t unchecked = 0;
        for (int i = 0; i < rows.size(); ++i) {
            NumberMask expected;
            for (int j = 1; j <= std::min(rowWidth(rows[i]), k); ++j) {
                if (rowValue(rows[i], j) >= 1 && rowValue(rows[i], j) <= profile.highestNumber) {
                    expected.add(rowValue(rows[i], j));
                }
            }
            ASSERT_EQ(KeyRowMasks::printedNumbers(rows[i], k, profile.highestNumber), expected);
            const bool playable = expected.count() == k;
            ASSERT_EQ(masks.mask(i), playable ? expected : NumberMask{}) << rows[i].toStdString();
            if (!playable) {
                ASSERT_LT(unchecked, masks.uncheckableRows().size());
                EXPECT_EQ(masks.uncheckableRows()[unchecked++], i);
            }
        }
        EXPECT_EQ(unchecked, masks.uncheckableRows().size());
        // Both kinds in good number.
        EXPECT_GT(unchecked, 1000u);
        EXPECT_GT(rows.size() - qsizetype(unchecked), 1000);
    }
}

} // namespace
