#include "core/combination/CombinationSelection.h"
#include "core/base/GameProfile.h"
#include "core/base/RowText.h"
#include "core/slip/SystemTable.h"
#include "tests/combiprint/SystemTables.h"
#include "tests/support/FakeServices.h"
#include "tests/support/SelectionKeys.h"

#include <gtest/gtest.h>

namespace {

QString twoDigitRow(int from, int to) {
    QString row;
    for (int n = from; n <= to; ++n) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    return row;
}

// A full combination as the full-combination window would hand it over: chosen numbers
// 2, 4, 6, ... (so every set is recognisable), entries given by the test.
FullCombinationHandOver handOver(int game, const QStringList& entries, int plainRows = 0) {
    QStringList chosen;
    for (int n = 2; n <= 26; n += 2) {
        chosen << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    FullCombinationHandOver h;
    h.entries = entries;
    const int baseSize = game == 5 ? 12 : 11;
    h.baseSetRow = chosen.mid(0, baseSize).join(QLatin1Char(' ')) + QLatin1Char(' ');
    if (game == 7) {
        h.shortSetRows << chosen.mid(0, 10).join(QLatin1Char(' '));
    } else if (game == 6) {
        h.shortSetRows << chosen.mid(4, 9).join(QLatin1Char(' '))
                       << chosen.mid(5, 8).join(QLatin1Char(' '));
    }
    h.plainSlipCount = plainRows;
    h.expectedTotal = 1716;
    return h;
}

// What the selection's listener heard, one entry per operation.
struct Heard {
    std::vector<SelectionParts> parts;
    CombinationSelection::Listener listener() {
        return [this](SelectionParts changed) { parts.push_back(changed); };
    }
};

class SelectionTest : public ::testing::TestWithParam<int> {
protected:
    const GameProfile& profile = gameProfile(GetParam());
    CombinationSelection selection{profile};
    FakeMessageBox messages;
    int game() const { return GetParam(); }
    int systemIndexOf(const QString& code) const {
        return int(systemTable(game()).codes.indexOf(code));
    }
};

TEST_P(SelectionTest, SystemsTableWhole) {
    const auto& expected = expectedSystems(game());
    ASSERT_EQ(selection.systemCount(), int(expected.size()));
    for (int i = 0; i < int(expected.size()); ++i) {
        SCOPED_TRACE(i);
        const QString code = selection.systemCode(i);
        EXPECT_EQ(code, QString::fromLatin1(expected[i].code));
        EXPECT_EQ(
            binomial(systemCombinationCount(code), profile.numbersPerRow - systemFixCount(code)),
            expected[i].combinations);
        selection.selectSystem(i);
        EXPECT_EQ(selection.systemIndex(), i);
        EXPECT_EQ(selection.counters().systemCombinations,
                  QString::number(expected[i].combinations));
    }
    const int columns = game() == 5 ? 3 : 4;
    const int perColumn = game() == 7 ? 15 : 12;
    EXPECT_EQ(systemTable(game()).boxesPerColumn, perColumn);
    EXPECT_EQ(columns * perColumn, selection.systemCount());
}

TEST_P(SelectionTest, StartsEmpty) {
    EXPECT_TRUE(selection.fixNumbers().empty());
    EXPECT_TRUE(selection.rows().isEmpty());
    EXPECT_TRUE(selection.entries().isEmpty());
    EXPECT_EQ(selection.systemIndex(), -1);
    EXPECT_EQ(selection.numberCaption(7), QStringLiteral("7"));
    EXPECT_EQ(selection.numberCaption(profile.highestNumber),
              QString::number(profile.highestNumber));
    const SelectionCounters& c = selection.counters();
    EXPECT_TRUE(c.slipCount.isEmpty() && c.combinationCount.isEmpty() &&
                c.systemCombinations.isEmpty() && c.fixCount.isEmpty() &&
                c.checkedTotal.isEmpty() && c.selectedRowPosition.isEmpty());
}

TEST_P(SelectionTest, ToggleMarksAndUnmarks) {
    Heard heard;
    selection.setListener(heard.listener());
    selection.toggleNumber(7);
    EXPECT_TRUE(selection.isMarked(7));
    EXPECT_EQ(selection.numberCaption(7), QString());
    EXPECT_EQ(selection.counters().fixCount, QStringLiteral("1"));
    selection.toggleNumber(profile.highestNumber);
    EXPECT_EQ(selection.counters().fixCount, QStringLiteral("2"));
    selection.toggleNumber(7);
    EXPECT_FALSE(selection.isMarked(7));
    EXPECT_EQ(selection.numberCaption(7), QStringLiteral(" 7 "));
    EXPECT_EQ(selection.counters().fixCount, QStringLiteral("1"));
    const SelectionParts toggled = SelectionPart::Numbers | SelectionPart::Counters;
    EXPECT_EQ(heard.parts, (std::vector<SelectionParts>{toggled, toggled, toggled}));
    // Outside 1..N nothing happens.
    selection.toggleNumber(0);
    selection.toggleNumber(profile.highestNumber + 1);
    EXPECT_EQ(selection.fixNumbers(), std::vector<int>{profile.highestNumber});
    EXPECT_EQ(selection.counters().fixCount, QStringLiteral("1"));
}

TEST_P(SelectionTest, ToggleLeavesRowsAndSystem) {
    selection.selectSystem(2);
    const QString combinations = selection.counters().systemCombinations;
    selection.toggleNumber(3);
    EXPECT_EQ(selection.systemIndex(), 2);
    EXPECT_EQ(selection.counters().systemCombinations, combinations);
}

TEST_P(SelectionTest, RowFromMarks) {
    loadKeyRows(selection, {QStringLiteral("01 02")}, true, QStringLiteral(" 1"),
                QStringLiteral("2"));
    for (int n : {25, 3, 12}) {
        selection.toggleNumber(n);
    }
    selection.addCombinationRow();
    ASSERT_EQ(selection.rows().size(), 2);
    EXPECT_EQ(selection.rows()[1], QStringLiteral("03 12 25 "));
    EXPECT_EQ(selection.counters().combinationCount, QStringLiteral("3"));
    EXPECT_EQ(selection.counters().fixCount, QStringLiteral("0"));
    EXPECT_EQ(selection.counters().slipCount, QStringLiteral("2"));
    EXPECT_TRUE(selection.fixNumbers().empty());
    EXPECT_EQ(selection.numberCaption(12), QStringLiteral(" 12 "));
    // Without marks nothing changes.
    selection.addCombinationRow();
    EXPECT_EQ(selection.rows().size(), 2);
    EXPECT_EQ(selection.counters().slipCount, QStringLiteral("2"));
}

TEST_P(SelectionTest, ClearWithAndWithoutCheck2) {
    selection.toggleNumber(4);
    selection.addCombinationRow();
    selection.toggleNumber(5);
    selection.selectSystem(1);
    selection.clearSelection(false);
    EXPECT_TRUE(selection.fixNumbers().empty());
    EXPECT_EQ(selection.numberCaption(5), QStringLiteral("5"));
    EXPECT_EQ(selection.numberCaption(4), QStringLiteral("4"));
    EXPECT_TRUE(selection.counters().combinationCount.isEmpty());
    EXPECT_TRUE(selection.counters().systemCombinations.isEmpty());
    EXPECT_TRUE(selection.counters().fixCount.isEmpty());
    EXPECT_EQ(selection.counters().slipCount, QStringLiteral("1"));
    EXPECT_EQ(selection.systemIndex(), 1);
    EXPECT_EQ(selection.rows().size(), 1);
    selection.clearSelection(true);
    EXPECT_TRUE(selection.rows().isEmpty());
    EXPECT_EQ(selection.counters().slipCount, QStringLiteral("1"));
}

TEST_P(SelectionTest, ListClickShowsPositionAndDeletions) {
    loadKeyRows(selection,
                {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"),
                 QStringLiteral("04"), QStringLiteral("05")},
                true, QStringLiteral(" 5"), QStringLiteral("1"));
    selection.selectRow(4);
    EXPECT_EQ(selection.counters().selectedRowPosition, QStringLiteral(" 5"));
    selection.deleteSelectedRow();
    EXPECT_EQ(selection.rows().size(), 4);
    EXPECT_EQ(selection.selectedRow(), -1);
    EXPECT_EQ(selection.counters().slipCount, QStringLiteral(" 5"));
    selection.deleteSelectedRow(); // nothing selected: nothing happens
    EXPECT_EQ(selection.rows().size(), 4);
    selection.selectRow(0);
    selection.deleteSelectedRow();
    EXPECT_EQ(selection.rows().first(), QStringLiteral("02"));

    selection.receiveFullCombination(
        handOver(game(), {QStringLiteral("00"), QStringLiteral("01 05 ")}));
    selection.deleteSelectedEntry();
    EXPECT_EQ(selection.entries().size(), 2);
    selection.selectEntry(1);
    selection.deleteSelectedEntry();
    EXPECT_EQ(selection.entries(), QStringList{QStringLiteral("00")});
    EXPECT_EQ(selection.selectedEntry(), -1);
}

TEST_P(SelectionTest, SelectingFromCodeRunsTheHandlerAgain) {
    selection.selectSystem(0);
    selection.counters(); // systemCombinations set
    selection.clearSelection(false);
    EXPECT_TRUE(selection.counters().systemCombinations.isEmpty());
    selection.selectSystem(0); // already selected: chooseSystem runs all the same
    EXPECT_FALSE(selection.counters().systemCombinations.isEmpty());

    selection.receiveFullCombination(handOver(game(), {QStringLiteral("00")}));
    selection.selectEntry(0);
    selection.toggleNumber(30);
    selection.selectEntry(0); // applies again: the mark goes
    EXPECT_TRUE(selection.fixNumbers().empty());
}

TEST_P(SelectionTest, EntryZeroLoadsTheBaseSet) {
    const FullCombinationHandOver h = handOver(game(), {QStringLiteral("00")});
    selection.toggleNumber(1);
    selection.receiveFullCombination(h);
    EXPECT_EQ(selection.counters().expectedTotal, QStringLiteral(" 1716"));
    selection.selectBaseSlip();
    EXPECT_EQ(selection.rows(), QStringList{h.baseSetRow});
    const QString base = game() == 5 ? QStringLiteral("12") : QStringLiteral("11");
    EXPECT_EQ(selection.counters().combinationCount, base);
    EXPECT_TRUE(selection.fixNumbers().empty());
    EXPECT_EQ(selection.numberCaption(1), QStringLiteral("1"));
    EXPECT_TRUE(selection.counters().fixCount.isEmpty());
    EXPECT_EQ(selection.systemCode(selection.systemIndex()), QStringLiteral("0 ") + base);
    const long long expected = game() == 7 ? 330 : game() == 6 ? 462 : 792;
    EXPECT_EQ(selection.counters().systemCombinations, QString::number(expected));
    EXPECT_EQ(selection.systemIndex(), game() == 7 ? 3 : game() == 6 ? 4 : 6);
    EXPECT_FALSE(selection.selectionProblem().has_value());
}

struct VariantCase {
    int game;
    QString entry;
    int rowSize; // 0: List1 stays empty
    QString combinationCount;
    QString system;
};

class EntryVariantTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(EntryVariantTest, EntryChoosesRowFixAndSystem) {
    const VariantCase& c = GetParam();
    CombinationSelection selection(gameProfile(c.game));
    const FullCombinationHandOver h = handOver(c.game, {QStringLiteral("00"), c.entry});
    selection.receiveFullCombination(h);
    loadKeyRows(selection, {}, false, std::nullopt, QStringLiteral("77"));
    selection.selectEntry(1);
    EXPECT_EQ(selection.selectedEntry(), 1);
    if (c.rowSize == 0) {
        EXPECT_TRUE(selection.rows().isEmpty());
    } else {
        ASSERT_EQ(selection.rows().size(), 1);
        EXPECT_EQ(rowWidth(selection.rows()[0]), c.rowSize);
    }
    EXPECT_EQ(selection.counters().combinationCount, c.combinationCount);
    EXPECT_EQ(selection.counters().fixCount, c.entry.left(2));
    if (c.system.isEmpty()) {
        EXPECT_EQ(selection.systemIndex(), -1);
    } else {
        EXPECT_EQ(selection.systemCode(selection.systemIndex()), c.system);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Variants, EntryVariantTest,
    ::testing::Values(VariantCase{7, QStringLiteral("02*05 09 "), 10, QStringLiteral("10"),
                                  QStringLiteral("2 10")},
                      VariantCase{7, QStringLiteral("03 05 09 33 "), 11, QStringLiteral("11"),
                                  QStringLiteral("3 11")},
                      VariantCase{7, QStringLiteral("04x01 02 03 04 "), 11, QStringLiteral("11"),
                                  QStringLiteral("4 11")},
                      VariantCase{6, QStringLiteral("02 05 09 "), 11, QStringLiteral("11"),
                                  QStringLiteral("2 11")},
                      VariantCase{6, QStringLiteral("039 01 03 44 "), 9, QStringLiteral("9"),
                                  QStringLiteral("3 09")},
                      VariantCase{6, QStringLiteral("048 01 03 05 45 "), 8, QStringLiteral("8"),
                                  QStringLiteral("4 08")},
                      VariantCase{6, QStringLiteral("02x01 03 "), 0, QStringLiteral("77"),
                                  QString()},
                      VariantCase{5, QStringLiteral("03*01 89 90 "), 12, QStringLiteral("12"),
                                  QStringLiteral("3 12")},
                      VariantCase{5, QStringLiteral("0208 90 "), 12, QStringLiteral("12"),
                                  QStringLiteral("2 12")}));

TEST(EntryExample, SevenWithShortSet) {
    CombinationSelection selection(gameProfile(7));
    selection.receiveFullCombination(
        handOver(7, {QStringLiteral("00"), QStringLiteral("02*05 09 ")}));
    selection.selectEntry(1);
    EXPECT_EQ(selection.rows(), QStringList{QStringLiteral("02 04 06 08 10 12 14 16 18 20")});
    EXPECT_EQ(selection.fixNumbers(), (std::vector<int>{5, 9}));
    EXPECT_EQ(selection.systemIndex(), 12);
    EXPECT_EQ(selection.counters().systemCombinations, QStringLiteral("252"));
    // FIX numbers in either order of digits and blank; numbers outside 1..35 skipped.
    selection.receiveFullCombination(
        handOver(7, {QStringLiteral("00"), QStringLiteral("03  7 11 36 00 ")}));
    selection.selectEntry(1);
    EXPECT_EQ(selection.fixNumbers(), (std::vector<int>{7, 11}));
    EXPECT_EQ(selection.counters().fixCount, QStringLiteral("03"));
}

TEST(EntryExample, NoMatchingSystemKeepsTheOldChoice) {
    CombinationSelection selection(gameProfile(7));
    selection.receiveFullCombination(
        handOver(7, {QStringLiteral("00"), QStringLiteral("09 01 02 ")}));
    selection.selectEntry(0);
    selection.selectEntry(1);
    EXPECT_EQ(selection.systemIndex(), 3);
    EXPECT_EQ(selection.counters().systemCombinations, QStringLiteral("330"));
}

TEST_P(SelectionTest, TotalOfAllEntries) {
    selection.receiveFullCombination(handOver(game(), {}, 7));
    selection.totalCombinations();
    EXPECT_EQ(selection.counters().checkedTotal, QStringLiteral("7"));

    QStringList entries{QStringLiteral("00")};
    long long expected = 0;
    if (game() == 7) {
        entries << QStringLiteral("02*05 09 ") << QStringLiteral("01*03 ");
        expected = 330 + 252 + 210;
    } else if (game() == 6) {
        entries << QStringLiteral("039 01 03 05 ") << QStringLiteral("01 03 ");
        expected = 462 + 84 + 462;
    } else {
        entries << QStringLiteral("01 03 ") << QStringLiteral("02 01 03 ");
        expected = 792 + 495 + 220;
    }
    selection.receiveFullCombination(handOver(game(), entries, 12));
    selection.totalCombinations();
    EXPECT_EQ(selection.counters().checkedTotal, QString::number(expected + 12));
    EXPECT_EQ(selection.selectedEntry(), 2);
}

TEST_P(SelectionTest, ValidationOrderAndMessages) {
    // 1: no rows, whatever else is set.
    selection.toggleNumber(1);
    EXPECT_FALSE(selection.validateSelection(messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, profile.combiMissingMessage);
    EXPECT_EQ(messages.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, MessageBoxService::Buttons::Ok);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_TRUE(profile.combiMissingMessage.contains(QString::number(game()) + "-s"));

    // 2: a FIX number in a later row, before the system check.
    loadKeyRows(selection, {twoDigitRow(2, 9), twoDigitRow(10, 11) + QStringLiteral("01")}, true,
                QStringLiteral(" 2"), QStringLiteral("8"));
    EXPECT_EQ(selection.selectionProblem(),
              QStringLiteral("Átfedés van a FIX számok és a KOMBINÁCIÓS számok között !"));

    // 3: no system, then wrong counts, then a fitting system.
    const QString mismatch = QStringLiteral(
        "Hibás összefüggés a betöltött kulcs, fix kijelölés, kombináció kiválasztás között !");
    selection.toggleNumber(1);
    loadKeyRows(selection, {twoDigitRow(4, 11)}, true, QStringLiteral(" 1"), QStringLiteral("8"));
    for (int n : {1, 2, 3}) {
        selection.toggleNumber(n);
    }
    EXPECT_EQ(selection.selectionProblem(), mismatch);
    const int wrong = systemIndexOf(QStringLiteral("4 08"));
    const int right = systemIndexOf(QStringLiteral("3 08"));
    ASSERT_GE(right, 0);
    if (wrong >= 0) {
        selection.selectSystem(wrong);
        EXPECT_EQ(selection.selectionProblem(), mismatch);
    }
    selection.selectSystem(right);
    EXPECT_FALSE(selection.selectionProblem().has_value());
    messages.shown.clear();
    EXPECT_TRUE(selection.validateSelection(messages));
    EXPECT_TRUE(messages.shown.empty());
    // Label8 that does not fit the system.
    loadKeyRows(selection, {twoDigitRow(4, 12)}, true, QStringLiteral(" 1"), QStringLiteral("9"));
    EXPECT_EQ(selection.selectionProblem(), mismatch);
}

TEST_P(SelectionTest, RowNumbersOutsideTheGridNeverOverlap) {
    selection.toggleNumber(profile.highestNumber);
    loadKeyRows(selection, {QStringLiteral("00 99 -1 ab")}, true, std::nullopt, std::nullopt);
    EXPECT_EQ(selection.selectionProblem().value_or(QString()).left(7), QStringLiteral("Hibás ö"));
}

INSTANTIATE_TEST_SUITE_P(Games, SelectionTest, ::testing::Values(5, 6, 7), [](const auto& info) {
    return "combiprint" + std::to_string(info.param);
});

} // namespace
