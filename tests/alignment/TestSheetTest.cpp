#include "core/alignment/TestSheet.h"
#include "core/base/GameProfile.h"
#include "core/keys/KeySlipRun.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double tolerance = 0.01; // mm

struct Program {
    PrinterFamily family;
    int game;
    bool landscape;
};

// The marks a real slip run of the program prints at A and B with these offsets, read back:
// key printers "Szelv. kitölt" over a full slip whose first field holds 1 and whose last holds
// the highest number; combination printers a slip with FIX 1 and the last system.
std::vector<PrintedOperations::Text> referenceMarks(const Program& p, const TestSheetRequest& r,
                                                    int markIndex) {
    TestPrinter printer;
    const GameProfile& profile = gameProfile(p.game);
    if (p.family == PrinterFamily::Key) {
        FakeMessageBox messages;
        FakeBusyPointer busy;
        KeyRunControls controls;
        const int fields = keySlip(p.game).maxFieldsPerSlip;
        controls.rows = QStringList(fields, QString());
        controls.rows.front() = QStringLiteral("01");
        controls.rows.back() = QString::number(profile.highestNumber);
        controls.fieldsPerSlip = QString::number(fields);
        controls.offsetDown = r.offsetDown;
        controls.offsetRight = r.offsetRight;
        controls.markIndex = markIndex;
        controls.orientationIndex = p.landscape ? 1 : 0;
        const auto job = checkAllRowsRun(profile, controls, messages);
        printKeySlips(profile, controls, *job, {messages, busy, printer});
    } else {
        setUpSlipSurface(printer);
        composeCombinationSlips(printer, combinationSlip(p.game), profile.highestNumber,
                                {{QString(), 1}}, {1}, int(systemTable(p.game).codes.size()) - 1,
                                {r.markSymbol, false},
                                combinationSlipOrigin(r.offsetDown, r.offsetRight));
        printer.surface().endJob();
    }
    std::vector<PrintedOperations::Text> marks;
    for (const PrintedOperations::Text& t : printer.texts) {
        if (t.mark) {
            marks.push_back(t); // the Joker's, A's, B's
        }
    }
    return marks;
}

// A line seen along one axis: where it lies across that axis and how far it reaches along it.
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

// The sheet's cross over a reference mark stands on the centre of that mark's ink as the slip
// run prints it: on each axis one arm through that point, 20 mm long and centred on it unless
// cut at the paper's edge, crossed by ticks only at whole multiples of 0.5 mm from it, 40 of them
// on an uncut arm.
TEST(TestSheet, CrossesStandOnTheInkCentresOfTheMarksTheSlipRunPrints) {
    const Program programs[] = {
        {PrinterFamily::Key, 5, false},         {PrinterFamily::Key, 5, true},
        {PrinterFamily::Key, 6, false},         {PrinterFamily::Key, 6, true},
        {PrinterFamily::Key, 7, false},         {PrinterFamily::Key, 7, true},
        {PrinterFamily::Combination, 5, false}, {PrinterFamily::Combination, 6, false},
        {PrinterFamily::Combination, 7, false},
    };
    const QString offsets[][2] = {{"3", "2"}, {"-12,5", "-8.5"}};
    for (const Program& p : programs) {
        for (const auto& offset : offsets) {
            for (int markIndex = 0; markIndex < 3; ++markIndex) {
                const TestSheetRequest request{p.family,    p.game,
                                               "program",   offset[0],
                                               offset[1],   markSymbolForOption(markIndex),
                                               p.landscape, QDate(2025, 3, 14)};
                SCOPED_TRACE(testing::Message()
                             << "game " << p.game << (p.family == PrinterFamily::Key ? " key" : "")
                             << (p.landscape ? " landscape" : "") << " offsets "
                             << offset[0].toStdString() << " " << offset[1].toStdString()
                             << " mark " << markIndex);
                TestPrinter sheet;
                ASSERT_EQ(printTestSheet(sheet, request).delivered, 1);
                EXPECT_EQ(sheet.pagesInJob, 1);
                const auto marks = referenceMarks(p, request, markIndex);
                ASSERT_EQ(marks.size(), 3u);
                TestPrinter measuring;
                const MmPoint ink = markInkCentre(measuring, request.markSymbol);
                for (size_t m = 1; m < 3; ++m) {
                    const MmPoint c{marks[m].x + ink.x, marks[m].y + ink.y};
                    for (const bool horizontal : {true, false}) {
                        const double centreAt = horizontal ? c.y : c.x;
                        const double centreAlong = horizontal ? c.x : c.y;
                        std::vector<Along> arms;
                        int ticks = 0;
                        for (const PrintedOperations::Line& line : sheet.lines) {
                            const Along arm = along(line, horizontal);
                            if (arm.parallel && arm.to - arm.from > 5 &&
                                std::fabs(arm.at - centreAt) < tolerance &&
                                arm.from <= centreAlong && centreAlong <= arm.to) {
                                arms.push_back(arm);
                            }
                            const Along tick = along(line, !horizontal);
                            const double offAlong = tick.at - centreAlong;
                            if (tick.parallel && tick.to - tick.from < 2.01 &&
                                tick.from < centreAt && centreAt < tick.to &&
                                std::fabs(offAlong) <= 10 + tolerance) {
                                ++ticks;
                                EXPECT_NEAR(offAlong * 2, std::round(offAlong * 2), tolerance);
                                EXPECT_GT(std::fabs(offAlong), tolerance);
                            }
                        }
                        ASSERT_EQ(arms.size(), 1u) << "mark " << m << " at " << c.x << ", " << c.y;
                        if (arms[0].to - arms[0].from > 20 - tolerance) {
                            EXPECT_NEAR((arms[0].from + arms[0].to) / 2, centreAlong, tolerance);
                            EXPECT_EQ(ticks, 40);
                        }
                    }
                }
            }
        }
    }
}

} // namespace
