#include "core/slip/SlipForm.h"
#include "core/base/GameProfile.h"
#include "core/print/RecordingPrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SystemTable.h"
#include "tests/preview/QStringPrinting.h"
#include "tests/preview/StepReader.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Kind = SlipFormCell::Kind;

constexpr double exact = 1e-9;
const MmSize markCell{2.0, 4.0};
const SlipOrigin origin{-1.5, 7.25};

const SlipFormCell* findCell(const SlipForm& form, Kind kind, int field, int value) {
    const auto it = std::find_if(form.cells.begin(), form.cells.end(), [&](const SlipFormCell& c) {
        return c.kind == kind && c.field == field && c.value == value;
    });
    return it == form.cells.end() ? nullptr : &*it;
}

struct CellCase {
    const char* what;
    bool key; // key slip, else combination slip
    int game;
    Kind kind;
    int field;
    int value;
    double markX; // where the mark's top-left goes, relative to X0 and Y0
    double markY;
    const char* label;
};

class SlipFormTable : public ::testing::TestWithParam<CellCase> {};

// The cell's centre is the mark's point plus half the mark's cell (2 x 4 mm here).
TEST_P(SlipFormTable, CellIsCentredOnItsMark) {
    const CellCase& c = GetParam();
    const SlipForm form = c.key ? keySlipForm(c.game, origin, markCell)
                                : combinationSlipForm(c.game, origin, markCell);
    const SlipFormCell* cell = findCell(form, c.kind, c.field, c.value);
    ASSERT_NE(cell, nullptr);
    EXPECT_NEAR(cell->rect.centre().x, origin.x0 + c.markX + 1.0, exact);
    EXPECT_NEAR(cell->rect.centre().y, origin.y0 + c.markY + 2.0, exact);
    EXPECT_NEAR(cell->rect.width, slipFormCellSize.width, exact);
    EXPECT_NEAR(cell->rect.height, slipFormCellSize.height, exact);
    EXPECT_EQ(cell->label, QString::fromUtf8(c.label));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SlipFormTable,
    ::testing::Values(
        CellCase{"key6 number 1 of field 1", true, 6, Kind::Number, 1, 1, 83, 17.7, "1"},
        CellCase{"key6 number 45 of field 1", true, 6, Kind::Number, 1, 45, 83 - 25.2, 13.5 + 12.6,
                 "45"},
        CellCase{"key6 field 5 is band 2, place 1", true, 6, Kind::Number, 5, 1, 83 - 33.5, 17.7,
                 "1"},
        CellCase{"key6 field 8", true, 6, Kind::Number, 8, 7, 83 - 33.5, 13.5 + 3 * 33.5 + 29.4,
                 "7"},
        CellCase{"key5 number 90", true, 5, Kind::Number, 1, 90, 83 - 33.6, 8.5 + 42, "90"},
        CellCase{"key5 field 6", true, 5, Kind::Number, 6, 11, 83 - 41 - 4.2, 8.5 + 2 * 46.5 + 4.2,
                 "11"},
        CellCase{"key7 number 35 of field 10", true, 7, Kind::Number, 10, 35, 83 - 33.5 - 25.2,
                 13.5 + 4 * 25.2 + 21, "35"},
        CellCase{"key5 Joker yes", true, 5, Kind::JokerYes, 0, 0, 1.2, 67, "Igen"},
        CellCase{"key5 Joker no", true, 5, Kind::JokerNo, 0, 0, 1.2, 75.5, "Nem"},
        CellCase{"key6 Joker no", true, 6, Kind::JokerNo, 0, 0, 1.5, 13.5 + 6 * 4.2, "Nem"},
        CellCase{"combi5 number 90 of the combination field", false, 5, Kind::Number, 2, 90,
                 82.5 - 33.5 - 21, 13.5 + 63, "90"},
        CellCase{"combi5 FIX number 1", false, 5, Kind::Number, 1, 1, 82.5, 13.5 + 4.2, "1"},
        CellCase{"combi7 FIX number 35", false, 7, Kind::Number, 1, 35, 78.5 - 25.2, 18.5 + 21,
                 "35"},
        CellCase{"combi7 Joker yes", false, 7, Kind::JokerYes, 0, 0, 2.5, 14.5 + 4 * 4.2, "Igen"},
        CellCase{"combi6 Joker no", false, 6, Kind::JokerNo, 0, 0, 1.2, 13.5 + 6 * 4.2, "Nem"},
        CellCase{"combi5 first system box", false, 5, Kind::SystemBox, 0, 0, 82.5 - 4.2, 88.9,
                 "0 06"},
        CellCase{"combi5 system 13 starts column 2", false, 5, Kind::SystemBox, 0, 12, 82.5 - 4.2,
                 88.9 + 21, "1 11"},
        CellCase{"combi6 system 5 40", false, 6, Kind::SystemBox, 0, 47, 82.5 - 4.2 * 12,
                 59.7 + 3 * 25.2, "5 40"},
        CellCase{"combi7 last system", false, 7, Kind::SystemBox, 0, 59, 82.5 - 4.2 * 15,
                 56.7 + 3 * 25.2, "6 29"}),
    [](const ::testing::TestParamInfo<CellCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(SlipForm, EveryNumberOfEveryFieldAndEverySystemHasOneCell) {
    struct Expected {
        bool key;
        int game;
        size_t cells;
    };
    // Key slips: 2F fields of N numbers and two Joker boxes. Combination slips: two fields of N
    // numbers, two Joker boxes and one box per system.
    const Expected expected[] = {
        {true, 5, 6 * 90 + 2},       {true, 6, 8 * 45 + 2},       {true, 7, 10 * 35 + 2},
        {false, 5, 2 * 90 + 2 + 36}, {false, 6, 2 * 45 + 2 + 48}, {false, 7, 2 * 35 + 2 + 60},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.game);
        const SlipForm form = e.key ? keySlipForm(e.game, origin, markCell)
                                    : combinationSlipForm(e.game, origin, markCell);
        EXPECT_EQ(form.cells.size(), e.cells);
        // No two cells of the form overlap: the grid pitch leaves room around each.
        for (size_t i = 0; i < form.cells.size(); ++i) {
            for (size_t j = i + 1; j < form.cells.size(); ++j) {
                const MmRect& a = form.cells[i].rect;
                const MmRect& b = form.cells[j].rect;
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                ASSERT_TRUE(apart) << form.cells[i].label.toStdString() << " and "
                                   << form.cells[j].label.toStdString();
            }
        }
    }
}

// The form is drawn from the slip geometry, the marks are placed by the composition: every mark
// a composed slip prints must sit in the middle of the form cell it belongs to.
class FormUnderComposedMarks : public ::testing::TestWithParam<int> {
protected:
    // Mark centres of the recorded slips, in printing order.
    std::vector<MmPoint> markCentres() {
        std::vector<MmPoint> centres;
        for (const PrintedText& t : printedTexts(recorder.recording())) {
            if (t.face == QStringLiteral("arial black")) {
                centres.push_back({t.x + cell.width / 2, t.y + cell.height / 2});
            }
        }
        return centres;
    }

    static QString allNumbers(int from, int to) {
        QStringList parts;
        for (int n = from; n <= to; ++n) {
            parts << QStringLiteral("%1").arg(n, 2, 10, QChar('0'));
        }
        return parts.join(QChar(' '));
    }

    void expectCentred(const MmPoint& mark, const SlipFormCell& formCell) {
        EXPECT_NEAR(mark.x, formCell.rect.centre().x, exact) << formCell.label.toStdString();
        EXPECT_NEAR(mark.y, formCell.rect.centre().y, exact) << formCell.label.toStdString();
        EXPECT_TRUE(formCell.rect.contains(mark));
    }

    FixedTextMetrics metrics;
    RecordingPrintSurface recorder{metrics};
    const QString mark = QStringLiteral("x");
    MmSize cell = markCellSize(metrics, mark);
};

TEST_P(FormUnderComposedMarks, KeySlip) {
    const int game = GetParam();
    const GameProfile& profile = gameProfile(game);
    const KeySlip& layout = keySlip(game);
    const SlipOrigin keyOrigin =
        keySlipOrigin(layout, QStringLiteral("-3,5"), QStringLiteral("2.5"), true);
    // One slip with every number in every field; a second slip marks the other Joker box.
    std::vector<KeyRow> rows;
    const int fields = 2 * layout.fieldsPerBand;
    for (int f = 0; f < fields; ++f) {
        rows.push_back({f, allNumbers(1, profile.highestNumber)});
    }
    setUpSlipSurface(recorder);
    for (const bool jokerYes : {false, true}) {
        composeKeySlips(recorder, layout, profile.highestNumber, profile.highestNumber, rows,
                        fields, KeyRunMode::AllRows, MarkStyle{mark, jokerYes}, keyOrigin);
    }
    recorder.endJob();

    const SlipForm form = keySlipForm(game, keyOrigin, cell);
    const std::vector<MmPoint> marks = markCentres();
    const size_t perSlip = 1 + size_t(fields * profile.highestNumber);
    ASSERT_EQ(marks.size(), 2 * perSlip);
    // The numbers follow the Joker mark field by field in the form's own order.
    for (size_t i = 0; i + 2 < form.cells.size(); ++i) {
        ASSERT_EQ(form.cells[i].kind, Kind::Number);
        expectCentred(marks[1 + i], form.cells[i]);
        expectCentred(marks[perSlip + 1 + i], form.cells[i]);
    }
    expectCentred(marks[0], *findCell(form, Kind::JokerNo, 0, 0));
    expectCentred(marks[perSlip], *findCell(form, Kind::JokerYes, 0, 0));
}

TEST_P(FormUnderComposedMarks, CombinationSlip) {
    const int game = GetParam();
    const int n = gameProfile(game).highestNumber;
    const CombinationSlip& layout = combinationSlip(game);
    const SlipOrigin combiOrigin = combinationSlipOrigin(QStringLiteral("4"), QStringLiteral("-1"));
    const int systems = int(systemTable(game).codes.size());
    std::vector<int> everyNumber;
    for (int k = 1; k <= n; ++k) {
        everyNumber.push_back(k);
    }
    // Each slip marks a slice of the numbers in the combination field, all FIX numbers and one
    // system box; enough slips for every number and every system.
    struct Slip {
        int first;
        int last;
        int system;
    };
    std::vector<Slip> slips;
    const int slice = std::min(layout.rowNumbersPrinted, 15);
    for (int s = 0; s < std::max(systems, (n + slice - 1) / slice); ++s) {
        const int first = std::min(n, s * slice + 1);
        slips.push_back({first, std::min(n, first + slice - 1), s % systems});
    }
    setUpSlipSurface(recorder);
    for (const Slip& s : slips) {
        composeCombinationSlips(recorder, layout, n, {{allNumbers(s.first, s.last), 1}},
                                everyNumber, s.system, MarkStyle{mark, s.system % 2 == 0},
                                combiOrigin);
    }
    recorder.endJob();

    const SlipForm form = combinationSlipForm(game, combiOrigin, cell);
    const std::vector<MmPoint> marks = markCentres();
    size_t next = 0;
    for (const Slip& s : slips) {
        ASSERT_LT(next, marks.size());
        const Kind joker = s.system % 2 == 0 ? Kind::JokerYes : Kind::JokerNo;
        expectCentred(marks[next++], *findCell(form, joker, 0, 0));
        for (int k = s.first; k <= s.last; ++k) {
            expectCentred(marks[next++], *findCell(form, Kind::Number, 2, k));
        }
        for (int k = 1; k <= n; ++k) {
            expectCentred(marks[next++], *findCell(form, Kind::Number, 1, k));
        }
        expectCentred(marks[next++], *findCell(form, Kind::SystemBox, 0, s.system));
    }
    EXPECT_EQ(next, marks.size());
}

INSTANTIATE_TEST_SUITE_P(Games, FormUnderComposedMarks, ::testing::Values(5, 6, 7),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "game" + std::to_string(info.param);
                         });

} // namespace
