#include "core/print/RecordingReplay.h"

#include "core/base/GameProfile.h"
#include "core/print/PrintDevice.h"
#include "core/print/RecordingPrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "tests/preview/QStringPrinting.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FixedTextMetrics.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Orientation = PrintSurface::Orientation;
using Compose = std::function<void(PrintSurface&)>;

// The printer of a preview's "Nyomtatás": it logs the group calls among the jobs it reads and
// refuses chosen jobs (1-based, in the order it gets them).
class LoggingDevice : public FakePrintDevice {
public:
    std::vector<int> failingJobs;

    PrintJobOutcome printJob(const PrintRecording& recording, int job) override {
        PrintJobOutcome outcome = FakePrintDevice::printJob(recording, job);
        if (std::find(failingJobs.begin(), failingJobs.end(), jobsEnded) != failingJobs.end()) {
            outcome.problem = PrintJobOutcome::Problem::PrinterUnreachable;
        }
        return outcome;
    }
    void beginJobGroup() override { operations.push_back(QStringLiteral("beginJobGroup")); }
    PrintJobOutcome endJobGroup() override {
        operations.push_back(QStringLiteral("endJobGroup"));
        return {};
    }
};

void keyRun(PrintSurface& surface, int game, int rowCount, bool landscape) {
    const GameProfile& profile = gameProfile(game);
    const KeySlip& layout = keySlip(game);
    std::vector<KeyRow> rows;
    for (int r = 0; r < rowCount; ++r) {
        rows.push_back({r, QStringLiteral("%1 09 17 26 33").arg(r % 8 + 1, 2, 10, QChar('0'))});
    }
    surface.setOrientation(landscape ? Orientation::Landscape : Orientation::Portrait);
    setUpSlipSurface(surface);
    composeKeySlips(surface, layout, profile.numbersPerRow, profile.highestNumber, rows,
                    layout.maxFieldsPerSlip, KeyRunMode::AllRows,
                    MarkStyle{QStringLiteral("•"), true},
                    keySlipOrigin(layout, QStringLiteral("2"), QStringLiteral("-1,5"), landscape));
    surface.endJob();
}

void combinationRun(PrintSurface& surface, int game) {
    setUpSlipSurface(surface);
    composeCombinationSlips(
        surface, combinationSlip(game), gameProfile(game).highestNumber,
        {{QStringLiteral("01 02 03 04 05 06 07 08"), 1}, {QStringLiteral("11 12 13"), 2}}, {30, 4},
        5, MarkStyle{QStringLiteral("x"), false},
        combinationSlipOrigin(QStringLiteral("1"), QStringLiteral("0")));
    surface.endJob();
}

class RecordingReplayTest : public ::testing::Test {
protected:
    std::shared_ptr<const PrintRecording> record(const Compose& compose) {
        RecordingPrintSurface recorder(metrics);
        compose(recorder);
        return recorder.takeRecording();
    }

    FixedTextMetrics metrics;
    FakeBusyPointer pointer;
};

// A recorded run printed afterwards reaches the device as the run itself printing would have
// sent it: the same jobs with the same operations, in order, inside their group.
TEST_F(RecordingReplayTest, APreviewedRunPrintsAsTheRunItselfPrints) {
    const Compose run = [](PrintSurface& s) {
        combinationRun(s, 7);
        s.beginJobGroup();
        combinationRun(s, 7);
        keyRun(s, 6, 3, false);
        s.endJobGroup();
    };
    LoggingDevice direct;
    RecordingPrintSurface printing(direct.metrics(), &direct);
    run(printing);
    const auto recording = record(run);
    LoggingDevice later;
    const PrintRunResult result = printRecording(*recording, later, pointer);
    EXPECT_EQ(later.operations, direct.operations);
    EXPECT_EQ(later.texts.size(), direct.texts.size());
    EXPECT_EQ(result.jobs, 3);
    EXPECT_EQ(result.delivered, 3);
    EXPECT_FALSE(result.failure);
    EXPECT_EQ(pointer.changes, (std::vector<bool>{true, false}));
}

TEST_F(RecordingReplayTest, StopsAfterTheFirstUndeliveredJobAndClosesItsGroup) {
    const auto recording = record([](PrintSurface& s) {
        s.beginJobGroup();
        for (int i = 0; i < 4; ++i) {
            combinationRun(s, 5);
        }
        s.endJobGroup();
        s.printText(QStringLiteral("a job never ended"));
    });
    LoggingDevice device;
    device.failingJobs = {2, 3};
    const PrintRunResult result = printRecording(*recording, device, pointer);
    EXPECT_EQ(result.jobs, 2);
    EXPECT_EQ(result.delivered, 1);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->problem, PrintJobOutcome::Problem::PrinterUnreachable);
    EXPECT_EQ(device.count(QStringLiteral("endJobGroup")), 1);
    EXPECT_EQ(device.operations.back(), QStringLiteral("endJobGroup"));
    EXPECT_EQ(device.count(QStringLiteral("printText a job never ended")), 0);
}

TEST_F(RecordingReplayTest, OnePageStartsFromItsOwnSettingsAndStopsAtItsEnd) {
    // keyprint7 with 10 fields: 21 rows are three slips.
    const auto recording = record([](PrintSurface& s) { keyRun(s, 7, 21, true); });
    ASSERT_EQ(recording->pageCount(), 3);
    const PrintedOperations whole = readRecording(*recording, metrics);

    RecordingPrintSurface target(metrics);
    replayPage(*recording, 1, target);
    const PrintedOperations page = readRecording(target.recording(), metrics);
    const std::vector<QString> prologue(page.operations.begin(), page.operations.begin() + 5);
    // The previous slip ended in the marks' face.
    EXPECT_EQ(prologue, (std::vector<QString>{
                            QStringLiteral("setOrientation 2"), QStringLiteral("setUnits mm"),
                            QStringLiteral("setFontName arial black"),
                            QStringLiteral("setFontSize 9"), QStringLiteral("setBold on")}));
    EXPECT_EQ(page.count(QStringLiteral("newPage")), 0);
    std::vector<QString> expectedTexts;
    for (const PrintedOperations::Text& t : whole.texts) {
        if (t.page == 1) {
            expectedTexts.push_back(t.text);
        }
    }
    std::vector<QString> texts;
    for (const PrintedOperations::Text& t : page.texts) {
        texts.push_back(t.text);
    }
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(texts.front(), QStringLiteral("   Kelvadata/2010"));
}

} // namespace
