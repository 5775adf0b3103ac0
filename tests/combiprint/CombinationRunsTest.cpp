#include "core/combination/CombinationRuns.h"
#include "core/base/GameProfile.h"
#include "core/base/RowText.h"
#include "core/combination/CombinationSelection.h"
#include "core/slip/SlipLayout.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"
#include "tests/support/SelectionKeys.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString ejectNotice = QStringLiteral("A nyomtatás egy szelvény lap-dobásával indul !");
const QString fromToMessage = QStringLiteral("Hibás tól-ig megadás !");

QString rowOf(const std::vector<int>& numbers) {
    QString row;
    for (int n : numbers) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    return row;
}

std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n <= to; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

class RunsTest : public ::testing::TestWithParam<int> {
protected:
    int game() const { return GetParam(); }
    const GameProfile& profile = gameProfile(GetParam());
    const CombinationSlip& layout = combinationSlip(GetParam());
    CombinationSelection selection{profile};
    CombinationRuns runs{profile};
    FakeServices fakes;
    TestPrinter printer;
    CombinationRunControls controls;

    SlipRunServices services() { return {fakes.messageBox, fakes.busyPointer, printer}; }

    // Loads rows of `width` numbers each, marks the FIX numbers, picks a fitting system.
    void prepare(const QStringList& rows, const std::vector<int>& fix) {
        loadKeyRows(selection, rows, true, QStringLiteral(" %1").arg(rows.size()),
                    QString::number(rowWidth(rows.value(0))));
        for (int n : fix) {
            selection.toggleNumber(n);
        }
        const QStringList& codes = systemTable(game()).codes;
        for (int i = 0; i < codes.size(); ++i) {
            if (systemFixCount(codes[i]) == int(fix.size()) &&
                systemCombinationCount(codes[i]) == rowWidth(rows.value(0))) {
                selection.selectSystem(i);
                return;
            }
        }
        FAIL() << "no system for the test selection";
    }

    // Marks of one job and page at a cell of a field (origin relative to X0, Y0).
    int marksAt(double x, double y, int job = 0, int page = -1) const {
        int found = 0;
        for (const auto& t : printer.texts) {
            if (t.job == job && (page < 0 || t.page == page) &&
                t.face == QStringLiteral("arial black") && std::abs(t.x - x) < 1e-4 &&
                std::abs(t.y - y) < 1e-4) {
                ++found;
            }
        }
        return found;
    }
    MmPoint cell(MmPoint origin, int n, double x0 = 0, double y0 = 0) const {
        const MmPoint o = layout.grid.cellOffset(n);
        return {x0 + origin.x + o.x, y0 + origin.y + o.y};
    }
    int slipMarks(int job, int page) const {
        int found = 0;
        for (const auto& t : printer.texts) {
            found += t.job == job && t.page == page && t.face == QStringLiteral("arial black");
        }
        return found;
    }
    std::vector<QString> slipNumbers(int job = 0) const {
        std::vector<QString> numbers;
        const MmPoint place{layout.slipNumber.dx, layout.slipNumber.dy};
        for (const auto& t : printer.texts) {
            if (t.job == job && std::abs(t.x - place.x) < 1e-4 && std::abs(t.y - place.y) < 1e-4) {
                numbers.push_back(t.text);
            }
        }
        return numbers;
    }
};

TEST_P(RunsTest, OneSlipPerRowWithMarksInBothFieldsAndTheSystemBox) {
    const std::vector<int> fix{1, profile.highestNumber};
    prepare({rowOf({3, 4, 5, 6, 7, 8, 9, 10}), rowOf({11, 12, 13, 14, 15, 16, 17, 18}),
             rowOf({19, 20, 21, 22, 23, 24, 25, 26})},
            {1, profile.highestNumber});
    controls.markIndex = 0;
    EXPECT_EQ(runs.runAllRows(selection, controls, services()).jobs, 1);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 2);
    EXPECT_EQ(slipNumbers(), (std::vector<QString>{"1", "2", "3"}));
    EXPECT_EQ(fakes.busyPointer.changes, (std::vector<bool>{true, false}));
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        // Joker "Nem", 8 row numbers, 2 FIX numbers, one system box.
        EXPECT_EQ(slipMarks(0, page), 1 + 8 + 2 + 1);
        EXPECT_EQ(marksAt(layout.jokerNo.x, layout.jokerNo.y, 0, page), 1);
        for (int n : fix) {
            const MmPoint p = cell(layout.fixFieldOrigin(), n);
            EXPECT_EQ(marksAt(p.x, p.y, 0, page), 1);
        }
        const int first = 3 + 8 * page;
        for (int n = first; n < first + 8; ++n) {
            const MmPoint p = cell(layout.combinationFieldOrigin(), n);
            EXPECT_EQ(marksAt(p.x, p.y, 0, page), 1) << n;
        }
        const MmPoint box = layout.systemBox(selection.systemIndex());
        EXPECT_EQ(marksAt(box.x, box.y, 0, page), 1);
    }
    for (const auto& t : printer.texts) {
        if (t.face == QStringLiteral("arial black")) {
            EXPECT_EQ(t.text, QStringLiteral("x"));
        }
    }
}

TEST_P(RunsTest, EjectNoticeAndBlankFirstSlip) {
    prepare({rowOf(range(1, 8)), rowOf(range(11, 18))}, {});
    controls.ejectFirst = true;
    runs.runAllRows(selection, controls, services());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, ejectNotice);
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_EQ(printer.operations.front(), QStringLiteral("newPage"));
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 2);
    EXPECT_EQ(slipMarks(0, 0), 0);
    EXPECT_EQ(slipMarks(0, 1), 1 + 8 + 1);
}

TEST_P(RunsTest, RefusedSelectionPrintsNothing) {
    prepare({rowOf(range(1, 8))}, {});
    selection.toggleNumber(8); // FIX number inside the row
    controls.ejectFirst = true;
    EXPECT_EQ(runs.runAllRows(selection, controls, services()).jobs, 0);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              QStringLiteral("Átfedés van a FIX számok és a KOMBINÁCIÓS számok között !"));
    EXPECT_TRUE(printer.operations.empty());
    EXPECT_TRUE(fakes.busyPointer.changes.empty());
}

TEST_P(RunsTest, FromToPrintsTheRangeWithWholeListNumbers) {
    QStringList rows;
    for (int r = 0; r < 5; ++r) {
        rows << rowOf(range(1 + 8 * r, 8 + 8 * r));
    }
    prepare(rows, {});
    controls.firstRow = QStringLiteral("3");
    controls.lastRow = QStringLiteral("99");
    EXPECT_EQ(runs.runFromTo(selection, controls, services()).jobs, 1);
    EXPECT_EQ(slipNumbers(), (std::vector<QString>{"3", "4", "5"}));
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 2);
    const MmPoint first = cell(layout.combinationFieldOrigin(), 17);
    EXPECT_EQ(marksAt(first.x, first.y, 0, 0), 1);
}

TEST_P(RunsTest, FromToRefusals) {
    prepare({rowOf(range(1, 8)), rowOf(range(11, 18)), rowOf(range(21, 28)), rowOf(range(31, 35))},
            {});
    const std::vector<std::pair<QString, QString>> bad{
        {"0", "2"}, {"", "2"}, {"abc", "2"}, {"1", "0"}, {"4", "2"}, {"-1", "2"}, {"5", "9"}};
    for (const auto& [a, b] : bad) {
        SCOPED_TRACE((a + "-" + b).toStdString());
        fakes.messageBox.shown.clear();
        controls.firstRow = a;
        controls.lastRow = b;
        EXPECT_EQ(runs.runFromTo(selection, controls, services()).jobs, 0);
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(fakes.messageBox.shown[0].text, fromToMessage);
        EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    }
    EXPECT_TRUE(printer.operations.empty());
}

TEST_P(RunsTest, FromToOnAnEmptyListIsARangeError) {
    controls.firstRow = QStringLiteral("1");
    controls.lastRow = QStringLiteral("1");
    runs.runFromTo(selection, controls, services());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, fromToMessage);
}

TEST_P(RunsTest, FromToChecksRowsOutsideTheRange) {
    prepare({rowOf(range(1, 8)), rowOf(range(11, 18))}, {});
    selection.toggleNumber(15);
    controls.firstRow = QStringLiteral("1");
    controls.lastRow = QStringLiteral("1");
    EXPECT_EQ(runs.runFromTo(selection, controls, services()).jobs, 0);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              QStringLiteral("Átfedés van a FIX számok és a KOMBINÁCIÓS számok között !"));
}

TEST_P(RunsTest, RowNumbersBeyondTheGameLimitAreNotPrinted) {
    // A hand-made key row longer than the slip takes: only the first numbers are marked.
    const int limit = game() == 5 ? 15 : 40;
    std::vector<int> numbers;
    for (int i = 0; i < limit + 2; ++i) {
        numbers.push_back(i % profile.highestNumber + 1);
    }
    loadKeyRows(selection, {rowOf(numbers)}, true, QStringLiteral(" 1"), QStringLiteral("8"));
    selection.selectSystem(int(systemTable(game()).codes.indexOf(QStringLiteral("0 08"))));
    runs.runAllRows(selection, controls, services());
    ASSERT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(slipMarks(0, 0), 1 + limit + 1);
    const auto marksOf = [&](int n) {
        const MmPoint p = cell(layout.combinationFieldOrigin(), n);
        return marksAt(p.x, p.y);
    };
    if (game() == 7) { // 1..35 then 1..5 printed; the second 6 and 7 are not
        EXPECT_EQ(marksOf(5), 2);
        EXPECT_EQ(marksOf(6), 1);
    } else {
        EXPECT_EQ(marksOf(limit), 1);
        EXPECT_EQ(marksOf(limit + 1), 0);
    }
}

TEST_P(RunsTest, StoredMarkSymbol) {
    prepare({rowOf(range(1, 8))}, {});
    EXPECT_TRUE(runs.storedMarkSymbol().isEmpty());
    controls.markIndex = -1;
    controls.jokerYes = true;
    runs.runAllRows(selection, controls, services());
    EXPECT_EQ(marksAt(layout.jokerYes.x, layout.jokerYes.y), 1);
    EXPECT_EQ(printer.textsOf(QStringLiteral(""), 0).size(), std::size_t(1 + 8 + 1));
    controls.markIndex = 2;
    runs.runAllRows(selection, controls, services());
    controls.markIndex = -1;
    runs.runAllRows(selection, controls, services());
    EXPECT_EQ(runs.storedMarkSymbol(), QStringLiteral("•"));
    EXPECT_EQ(printer.textsOf(QStringLiteral("•"), 2).size(), std::size_t(1 + 8 + 1));
}

TEST_P(RunsTest, NegativeOffsetKeepsTheHeaderOnThePage) {
    prepare({rowOf(range(1, 8))}, {});
    controls.offsetDown = QStringLiteral("-3");
    controls.offsetRight = QStringLiteral("1,5");
    runs.runAllRows(selection, controls, services());
    const auto maker = printer.textsOf(QStringLiteral(" Kelvadata/2010"));
    ASSERT_EQ(maker.size(), 1u);
    EXPECT_DOUBLE_EQ(maker[0].y, 0.0);
    EXPECT_NEAR(maker[0].x, 1.5, 1e-6);
    const auto number = printer.textsOf(QStringLiteral("1"));
    ASSERT_EQ(number.size(), 1u);
    EXPECT_NEAR(number[0].y, layout.slipNumber.dy, 1e-6);
    const MmPoint p = cell(layout.combinationFieldOrigin(), 1, 1.5, -3);
    EXPECT_EQ(marksAt(p.x, p.y), 1);
}

TEST_P(RunsTest, FullCombinationRunOneJobPerEntry) {
    FullCombinationHandOver h;
    h.baseSetRow = rowOf(range(1, game() == 5 ? 12 : 11));
    h.shortSetRows = game() == 7 ? QStringList{rowOf(range(1, 10)).trimmed()}
                     : game() == 6
                         ? QStringList{rowOf(range(3, 11)).trimmed(), rowOf(range(4, 11)).trimmed()}
                         : QStringList{};
    h.entries = {QStringLiteral("00")};
    for (int e = 0; e < 4; ++e) {
        h.entries << QStringLiteral("02") +
                         QLatin1Char(game() == 6   ? ' '
                                     : game() == 7 ? '*'
                                                   : 'x') +
                         rowOf({20 + e, 30 + e});
    }
    selection.receiveFullCombination(h);
    controls.ejectFirst = true;
    EXPECT_EQ(runs.runFullCombination(selection, controls, services()).jobs, 5);
    EXPECT_EQ(printer.jobsEnded, 5);
    EXPECT_EQ(fakes.messageBox.shown.size(), 5u);
    for (int job = 0; job < 5; ++job) {
        SCOPED_TRACE(job);
        EXPECT_EQ(slipNumbers(job), std::vector<QString>{"1"});
        EXPECT_EQ(slipMarks(job, 0), 0);
        const int fix = job == 0 ? 0 : 2;
        const int rowNumbers = job > 0 && game() == 7 ? 10 : int(h.baseSetRow.size() / 3);
        EXPECT_EQ(slipMarks(job, 1), 1 + rowNumbers + fix + 1);
    }
    EXPECT_EQ(selection.selectedEntry(), 4);
    EXPECT_EQ(selection.fixNumbers(), (std::vector<int>{23, 33}));
}

TEST_P(RunsTest, FullCombinationRunSkipsARefusedEntryAndGoesOn) {
    FullCombinationHandOver h;
    h.baseSetRow = rowOf(range(1, game() == 5 ? 12 : 11));
    // Entry 1 has a FIX number inside the base set; entry 2 fits no system.
    h.entries = {QStringLiteral("00"), QStringLiteral("01 05 "), QStringLiteral("09 20 ")};
    selection.receiveFullCombination(h);
    EXPECT_EQ(runs.runFullCombination(selection, controls, services()).jobs, 1);
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
}

TEST_P(RunsTest, FullCombinationRunWithoutEntriesDoesNothing) {
    EXPECT_EQ(runs.runFullCombination(selection, controls, services()).jobs, 0);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(printer.operations.empty());
}

INSTANTIATE_TEST_SUITE_P(Games, RunsTest, ::testing::Values(5, 6, 7), [](const auto& info) {
    return "combiprint" + std::to_string(info.param);
});

// The positions named for combiprint7's slip, at X0 = Y0 = 0.
TEST(SevenSlip, ElevenNumbersWithSystemZeroEleven) {
    const GameProfile& profile = gameProfile(7);
    CombinationSelection selection(profile);
    CombinationRuns runs(profile);
    FakeServices fakes;
    TestPrinter printer;
    loadKeyRows(selection, {rowOf(range(1, 11))}, true, QStringLiteral(" 1"), QStringLiteral("11"));
    selection.selectSystem(3);
    CombinationRunControls controls;
    runs.runAllRows(selection, controls, {fakes.messageBox, fakes.busyPointer, printer});
    const auto marks = printer.textsOf(QStringLiteral("x"));
    ASSERT_EQ(marks.size(), 1u + 11u + 1u);
    const auto has = [&](double x, double y) {
        for (const auto& t : marks) {
            if (std::abs(t.x - x) < 1e-4 && std::abs(t.y - y) < 1e-4) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has(45, 22.7));             // number 1 of the combination field
    EXPECT_TRUE(has(82.5 - 4.2 * 4, 56.7)); // system box of "0 11"
    EXPECT_TRUE(has(2.5, 14.5 + 6 * 4.2));  // Joker "Nem"
    const auto number = printer.textsOf(QStringLiteral("1"));
    ASSERT_EQ(number.size(), 1u);
    EXPECT_NEAR(number[0].x, 15, 1e-6);
    EXPECT_NEAR(number[0].y, 10, 1e-6);
    EXPECT_EQ(number[0].face, QStringLiteral("times new roman"));

    // Number 35 of the combination field and FIX number 12.
    printer.reset();
    loadKeyRows(selection, {rowOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 35})}, true, std::nullopt,
                std::nullopt);
    selection.toggleNumber(12);
    selection.selectSystem(int(systemTable(7).codes.indexOf(QStringLiteral("1 10"))));
    loadKeyRows(selection, {rowOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 35})}, true, std::nullopt,
                QStringLiteral("10"));
    runs.runAllRows(selection, controls, {fakes.messageBox, fakes.busyPointer, printer});
    ASSERT_TRUE(fakes.messageBox.shown.empty());
    const auto second = printer.textsOf(QStringLiteral("x"));
    const auto at = [&](double x, double y) {
        for (const auto& t : second) {
            if (std::abs(t.x - x) < 1e-4 && std::abs(t.y - y) < 1e-4) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(at(19.8, 39.5));
    EXPECT_TRUE(at(70.1, 26.9));
}

} // namespace
