#include "core/print/RecordingPrintSurface.h"
#include "core/base/GameProfile.h"
#include "core/slip/SlipComposer.h"
#include "tests/preview/QStringPrinting.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Orientation = PrintSurface::Orientation;

class RecordingPrintSurfaceTest : public ::testing::Test {
protected:
    void print(const QString& text) {
        surface.setPosX(10);
        surface.setPosY(10);
        surface.printText(text);
    }

    FixedTextMetrics metrics;
    RecordingPrintSurface surface{metrics};
};

TEST_F(RecordingPrintSurfaceTest, PositionsFollowThePrinterMetricsInEveryUnit) {
    surface.setUnits(PrintSurface::Units::Twips);
    surface.setFontSize(12);
    surface.setPosX(600);
    // 3 characters of 12 points: 0.36 inch = 518.4 twips.
    EXPECT_DOUBLE_EQ(surface.measureText(QStringLiteral("abc")), 518.4);
    surface.printText(QStringLiteral("abc"), false);
    EXPECT_DOUBLE_EQ(surface.posX(), 600 + 518.4);
    surface.setBold(true);
    EXPECT_DOUBLE_EQ(surface.measureText(QStringLiteral("abc")), 518.4 * 1.1);
    // A line-ending text brings X back to the margin.
    surface.printText(QStringLiteral("d"), true);
    EXPECT_DOUBLE_EQ(surface.posX(), 0);
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.setPosX(25.4);
    EXPECT_DOUBLE_EQ(surface.posX(), 25.4);
    EXPECT_DOUBLE_EQ(surface.measureText(QStringLiteral("a")), 0.12 * 1.1 * 25.4);
}

TEST_F(RecordingPrintSurfaceTest, NewPageAndEndJobStartTheLineAtThePageCorner) {
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.setPosX(50);
    surface.newPage();
    EXPECT_DOUBLE_EQ(surface.posX(), 0);
    surface.setPosX(50);
    surface.endJob();
    EXPECT_DOUBLE_EQ(surface.posX(), 0);
}

TEST_F(RecordingPrintSurfaceTest, MeasuresOncePerFontNotPerLine) {
    for (int i = 0; i < 100; ++i) {
        surface.printText(QStringLiteral("x"));
    }
    EXPECT_EQ(metrics.asked, 1);
    surface.setFontName(QStringLiteral("arial black"));
    surface.printText(QStringLiteral("x"));
    surface.setFontName(QStringLiteral("arial black")); // the same face again
    surface.printText(QStringLiteral("x"));
    EXPECT_EQ(metrics.asked, 2);
}

TEST_F(RecordingPrintSurfaceTest, JobsOfNothingOrOnlyEjects) {
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.endJob(); // nothing printed, nothing ejected: no page
    surface.newPage();
    surface.endJob(); // one blank page
    surface.newPage();
    surface.newPage();
    surface.endJob(); // two blank pages
    const PrintRecording& r = surface.recording();
    ASSERT_EQ(r.jobCount(), 3);
    EXPECT_EQ(r.job(0).pageCount, 0u);
    EXPECT_EQ(r.job(1).pageCount, 1u);
    EXPECT_EQ(r.job(2).pageCount, 2u);
    EXPECT_EQ(r.pageCount(), 3);
    EXPECT_EQ(r.job(2).firstPage, 1u);
}

TEST_F(RecordingPrintSurfaceTest, SettingsCarryOverIntoPagesButNotIntoTheNextJob) {
    surface.setOrientation(Orientation::Landscape);
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.setFontName(QStringLiteral("arial black"));
    surface.setFontSize(9);
    print(QStringLiteral("a"));
    surface.newPage();
    surface.setBold(true);
    print(QStringLiteral("b"));
    surface.endJob();
    print(QStringLiteral("c"));
    surface.endJob();
    const PrintRecording& r = surface.recording();
    const PrintRecording::Settings second = r.page(1).start;
    EXPECT_EQ(r.text(second.face), QStringLiteral("arial black"));
    EXPECT_EQ(second.points, 9);
    EXPECT_FALSE(second.bold); // set after the page began
    // Every job starts from the printer's own settings, whatever the job before it set.
    for (const int job : {0, 1}) {
        const PrintRecording::Settings start = r.page(int(r.job(job).firstPage)).start;
        EXPECT_EQ(r.text(start.face), QStringLiteral("times new roman"));
        EXPECT_EQ(start.units, PrintSurface::Units::Twips);
        EXPECT_EQ(start.points, 10);
        EXPECT_FALSE(start.bold);
    }
    EXPECT_EQ(r.page(int(r.job(1).firstPage)).start.orientation, Orientation::Portrait);
    EXPECT_EQ(r.page(2).orientation, Orientation::Portrait);
}

TEST_F(RecordingPrintSurfaceTest, RefusedSettingsAreNotRecorded) {
    EXPECT_FALSE(surface.setFontSize(0));
    EXPECT_FALSE(surface.setOrientation(Orientation(3)));
    EXPECT_EQ(surface.recording().stepCount(), 0u);
    surface.endJob();
    EXPECT_EQ(surface.recording().page(int(surface.recording().job(0).firstPage)).start.points, 10);
}

TEST_F(RecordingPrintSurfaceTest, GroupsHoldTheirJobs) {
    print(QStringLiteral("before"));
    surface.endJob();
    surface.beginJobGroup();
    for (int i = 0; i < 3; ++i) {
        print(QStringLiteral("entry"));
        EXPECT_TRUE(surface.endJob().delivered());
    }
    EXPECT_TRUE(surface.endJobGroup().delivered());
    print(QStringLiteral("after"));
    surface.endJob();
    const PrintRecording& r = surface.recording();
    ASSERT_EQ(r.groupCount(), 1);
    EXPECT_EQ(r.group(0).firstJob, 1);
    EXPECT_EQ(r.group(0).jobCount, 3);
    EXPECT_EQ(r.job(0).group, -1);
    EXPECT_EQ(r.job(3).group, 0);
    EXPECT_EQ(r.job(4).group, -1);
}

// A 32,736-row key makes 4,092 slips; what one slip costs decides whether that stays small.
TEST_F(RecordingPrintSurfaceTest, RepeatedTextsAndPositionsAreStoredOnce) {
    const int slips = 200;
    const int fields = 8;
    const GameProfile& profile = gameProfile(6);
    const KeySlip& layout = keySlip(6);
    std::vector<KeyRow> rows;
    for (int r = 0; r < slips * fields; ++r) {
        rows.push_back({r, QStringLiteral("%1 12 23 30 41 45").arg(r % 9 + 1, 2, 10, QChar('0'))});
    }
    setUpSlipSurface(surface);
    composeKeySlips(surface, layout, profile.numbersPerRow, profile.highestNumber, rows, fields,
                    KeyRunMode::AllRows, MarkStyle{QStringLiteral("x"), false},
                    keySlipOrigin(layout, QStringLiteral("1,5"), QStringLiteral("-2"), false));
    surface.endJob();
    const PrintRecording& r = surface.recording();
    EXPECT_EQ(r.pageCount(), slips);
    // The faces, the mark and one slip number per slip.
    EXPECT_EQ(r.textCount(), 3 + slips);
    // Each distinct coordinate once: header and Joker places, the grid lines of 8 fields.
    EXPECT_LT(r.numberCount(), 200);
    // Header 3 steps, font changes 2, Joker 3, 48 marks of 3 steps, newPage: 153 a slip.
    EXPECT_EQ(r.stepCount(), std::uint32_t(4 + slips * 153 - 1 + 1));
    EXPECT_LT(r.memoryUsed(), size_t(slips) * 2000);
}

TEST_F(RecordingPrintSurfaceTest, TakingTheRecordingStartsAnEmptyOne) {
    surface.setFontName(QStringLiteral("arial black"));
    print(QStringLiteral("a"));
    surface.endJob();
    const auto taken = surface.takeRecording();
    EXPECT_EQ(taken->pageCount(), 1);
    EXPECT_EQ(surface.recording().pageCount(), 0);
    print(QStringLiteral("b"));
    surface.endJob();
    const PrintRecording& r = surface.recording();
    EXPECT_EQ(r.text(r.page(int(r.job(0).firstPage)).start.face),
              QStringLiteral("times new roman"));
    EXPECT_EQ(taken->pageCount(), 1);
}

} // namespace
