#include "core/alignment/TestSheet.h"
#include "core/base/GameProfile.h"
#include "core/keys/KeySlipRun.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

constexpr double tolerance = 0.01; // mm

// Where a real slip run of the request's program prints its marks at A and B, read back: key
// printers "Szelv. kitölt" over a full slip whose first field holds 1 and whose last holds the
// highest number; combination printers a slip with FIX 1 and the last system.
std::vector<PrintedOperations::Text> referenceMarks(const TestSheetRequest& r, int markIndex) {
    TestPrinter printer;
    const GameProfile& profile = gameProfile(r.game);
    if (r.family == PrinterFamily::Key) {
        FakeMessageBox messages;
        FakeBusyPointer busy;
        KeyRunControls controls;
        const int fields = keySlip(r.game).maxFieldsPerSlip;
        controls.rows = QStringList(fields, QString());
        controls.rows.front() = QStringLiteral("01");
        controls.rows.back() = QString::number(profile.highestNumber);
        controls.fieldsPerSlip = QString::number(fields);
        controls.offsetDown = r.offsetDown;
        controls.offsetRight = r.offsetRight;
        controls.markIndex = markIndex;
        controls.orientationIndex = r.landscape ? 1 : 0;
        printKeySlips(profile, controls, *checkAllRowsRun(profile, controls, messages),
                      {messages, busy, printer});
    } else {
        setUpSlipSurface(printer);
        composeCombinationSlips(printer, combinationSlip(r.game), profile.highestNumber,
                                {{QString(), 1}}, {1}, int(systemTable(r.game).codes.size()) - 1,
                                {r.markSymbol, false},
                                combinationSlipOrigin(r.offsetDown, r.offsetRight));
        printer.surface().endJob();
    }
    std::vector<PrintedOperations::Text> marks; // the Joker's, A's, B's
    std::copy_if(printer.texts.begin(), printer.texts.end(), std::back_inserter(marks),
                 [](const auto& t) { return t.mark; });
    return marks;
}

// A line seen along one axis: whether it runs along it, where it lies across it and how far it
// reaches along it.
struct Along {
    bool parallel;
    double at;
    double from;
    double to;
};
Along along(const PrintedOperations::Line& l, bool horizontal) {
    return horizontal ? Along{l.fromY == l.toY, l.fromY, l.fromX, l.toX}
                      : Along{l.fromX == l.toX, l.fromX, l.fromY, l.toY};
}

// On each axis one arm through the point, 20 mm long and centred on it unless cut at the paper's
// edge, crossed by ticks only at whole multiples of 0.5 mm from it, 40 of them on an uncut arm.
void expectCrossAt(const std::vector<PrintedOperations::Line>& lines, MmPoint c) {
    for (const bool horizontal : {true, false}) {
        const double centreAt = horizontal ? c.y : c.x;
        const double centreAlong = horizontal ? c.x : c.y;
        std::vector<Along> arms;
        int ticks = 0;
        for (const PrintedOperations::Line& line : lines) {
            const Along arm = along(line, horizontal);
            if (arm.parallel && arm.to - arm.from > 5 && std::fabs(arm.at - centreAt) < tolerance &&
                arm.from <= centreAlong && centreAlong <= arm.to) {
                arms.push_back(arm);
            }
            const Along tick = along(line, !horizontal);
            const double off = tick.at - centreAlong;
            if (tick.parallel && tick.to - tick.from < 2.01 && tick.from < centreAt &&
                centreAt < tick.to && std::fabs(off) <= 10 + tolerance) {
                ++ticks;
                EXPECT_NEAR(off * 2, std::round(off * 2), tolerance);
                EXPECT_GT(std::fabs(off), tolerance);
            }
        }
        ASSERT_EQ(arms.size(), 1u) << "cross at " << c.x << ", " << c.y;
        if (arms[0].to - arms[0].from > 20 - tolerance) {
            EXPECT_NEAR((arms[0].from + arms[0].to) / 2, centreAlong, tolerance);
            EXPECT_EQ(ticks, 40);
        }
    }
}

// The sheet's crosses stand on the centres of the ink of the marks a slip run prints at A and B,
// for every program, both orientations of the key printers, every mark, offsets that keep the
// crosses whole and offsets that push them over the paper's edge.
TEST(TestSheet, CrossesStandOnTheInkCentresOfTheMarksTheSlipRunPrints) {
    using enum PrinterFamily;
    const struct {
        PrinterFamily family;
        int game;
        bool landscape;
    } programs[] = {{Key, 5, false},         {Key, 5, true},          {Key, 6, false},
                    {Key, 6, true},          {Key, 7, false},         {Key, 7, true},
                    {Combination, 5, false}, {Combination, 6, false}, {Combination, 7, false}};
    const QString offsets[][2] = {{"3", "2"}, {"-12,5", "-8.5"}};
    for (const auto& p : programs) {
        for (const auto& offset : offsets) {
            for (int markIndex = 0; markIndex < 3; ++markIndex) {
                const TestSheetRequest request{p.family,    p.game,
                                               "program",   offset[0],
                                               offset[1],   markSymbolForOption(markIndex),
                                               p.landscape, QDate(2025, 3, 14)};
                SCOPED_TRACE(testing::Message()
                             << "family " << int(p.family) << " game " << p.game << " landscape "
                             << p.landscape << " offsets " << offset[0].toStdString() << " mark "
                             << markIndex);
                TestPrinter sheet;
                ASSERT_EQ(printTestSheet(sheet, request).delivered, 1);
                EXPECT_EQ(sheet.pagesInJob, 1);
                const auto marks = referenceMarks(request, markIndex);
                ASSERT_EQ(marks.size(), 3u);
                TestPrinter measuring;
                const MmPoint ink = markInkCentre(measuring, request.markSymbol);
                for (size_t m = 1; m < 3; ++m) {
                    expectCrossAt(sheet.lines, {marks[m].x + ink.x, marks[m].y + ink.y});
                }
            }
        }
    }
}

} // namespace
