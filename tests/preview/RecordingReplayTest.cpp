#include "RecordingReplay.h"
#include "FixedTextMetrics.h"
#include "GameProfile.h"
#include "QStringPrinting.h"
#include "RecordingPrintSurface.h"
#include "RecordingSurface.h"
#include "SlipComposer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Orientation = PrintSurface::Orientation;
using Compose = std::function<void(PrintSurface&)>;

// The test double that records operations as text, with the job group calls logged too and
// chosen jobs (1-based, in the order they end) reported as not delivered.
class TargetSurface : public RecordingSurface {
public:
    std::vector<int> failingJobs;

    PrintJobOutcome endJob() override {
        PrintJobOutcome outcome = RecordingSurface::endJob();
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

// The settings a replay gives the target before the first replayed step.
constexpr size_t prologueLength = 5;

std::vector<QString> withoutPrologue(const std::vector<QString>& operations) {
    return {operations.begin() + prologueLength, operations.end()};
}

class RecordingReplayTest : public ::testing::Test {
protected:
    std::shared_ptr<const PrintRecording> record(const Compose& compose) {
        RecordingPrintSurface recorder(metrics);
        compose(recorder);
        return recorder.takeRecording();
    }

    FixedTextMetrics metrics;
};

TEST_F(RecordingReplayTest, ReplayedJobStartsFromItsOwnSettingsWhateverTheTargetHad) {
    const auto recording = record([](PrintSurface& s) {
        s.setOrientation(Orientation::Landscape);
        s.setUnits(PrintSurface::Units::Millimetres);
        s.setFontSize(9);
        s.endJob();
        s.printText(QStringLiteral("second job")); // starts from the defaults
        s.endJob();
    });
    TargetSurface target;
    target.setOrientation(Orientation::Landscape); // left over from an earlier job
    target.setUnits(PrintSurface::Units::Millimetres);
    target.setFontSize(30);
    target.endJob();
    target.operations.clear();
    replayJob(*recording, 1, target);
    const std::vector<QString> expected = {QStringLiteral("setOrientation 1"),
                                           QStringLiteral("setUnits twips"),
                                           QStringLiteral("setFontName times new roman"),
                                           QStringLiteral("setFontSize 10"),
                                           QStringLiteral("setBold off"),
                                           QStringLiteral("printText second job"),
                                           QStringLiteral("endJob")};
    EXPECT_EQ(target.operations, expected);
}

TEST_F(RecordingReplayTest, AllJobsInOrderWithTheirGroup) {
    const Compose run = [](PrintSurface& s) {
        combinationRun(s, 7);
        s.beginJobGroup();
        combinationRun(s, 7);
        keyRun(s, 6, 3, false);
        s.endJobGroup();
    };
    TargetSurface direct;
    run(direct);
    const auto recording = record(run);
    TargetSurface replayed;
    std::vector<int> reported;
    const ReplayResult result = replayAll(*recording, replayed, AfterUndeliveredJob::Stop,
                                          [&](int job, const PrintJobOutcome& outcome) {
                                              EXPECT_TRUE(outcome.delivered());
                                              reported.push_back(job);
                                          });
    EXPECT_EQ(withoutPrologue(replayed.operations), direct.operations);
    EXPECT_EQ(reported, (std::vector{0, 1, 2}));
    EXPECT_EQ(result.jobsReplayed, 3);
    EXPECT_EQ(result.jobsDelivered, 3);
    EXPECT_FALSE(result.stopped);
}

TEST_F(RecordingReplayTest, StopsAfterTheFirstUndeliveredJobAndClosesItsGroup) {
    const auto recording = record([](PrintSurface& s) {
        s.beginJobGroup();
        for (int i = 0; i < 4; ++i) {
            combinationRun(s, 5);
        }
        s.endJobGroup();
    });
    TargetSurface stopping;
    stopping.failingJobs = {2, 3};
    int reports = 0;
    const ReplayResult stopped = replayAll(*recording, stopping, AfterUndeliveredJob::Stop,
                                           [&](int, const PrintJobOutcome&) { ++reports; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.jobsReplayed, 2);
    EXPECT_EQ(stopped.jobsDelivered, 1);
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(stopping.count(QStringLiteral("endJobGroup")), 1);
    EXPECT_EQ(stopping.operations.back(), QStringLiteral("endJobGroup"));

    TargetSurface goingOn;
    goingOn.failingJobs = {2, 3};
    const ReplayResult all = replayAll(*recording, goingOn, AfterUndeliveredJob::GoOn);
    EXPECT_FALSE(all.stopped);
    EXPECT_EQ(all.jobsReplayed, 4);
    EXPECT_EQ(all.jobsDelivered, 2);
    EXPECT_EQ(goingOn.count(QStringLiteral("endJobGroup")), 1);
}

TEST_F(RecordingReplayTest, AJobNeverEndedIsNotReplayed) {
    const auto recording = record([](PrintSurface& s) {
        s.printText(QStringLiteral("done"));
        s.endJob();
        s.printText(QStringLiteral("open"));
    });
    TargetSurface target;
    EXPECT_EQ(replayAll(*recording, target, AfterUndeliveredJob::GoOn).jobsReplayed, 1);
    EXPECT_EQ(target.count(QStringLiteral("printText open")), 0);
    EXPECT_EQ(target.jobsEnded, 1);
}

TEST_F(RecordingReplayTest, OnePageStartsFromItsOwnSettingsAndStopsAtItsEnd) {
    // keyprint7 with 10 fields: 21 rows are three slips.
    const auto recording = record([](PrintSurface& s) { keyRun(s, 7, 21, true); });
    ASSERT_EQ(recording->pageCount(), 3);
    TargetSurface direct;
    keyRun(direct, 7, 21, true);

    TargetSurface page;
    replayPage(*recording, 1, page);
    ASSERT_GT(page.operations.size(), prologueLength);
    const std::vector<QString> prologue(page.operations.begin(),
                                        page.operations.begin() + prologueLength);
    // The previous slip ended in the marks' face.
    EXPECT_EQ(prologue, (std::vector<QString>{
                            QStringLiteral("setOrientation 2"), QStringLiteral("setUnits mm"),
                            QStringLiteral("setFontName arial black"),
                            QStringLiteral("setFontSize 9"), QStringLiteral("setBold on")}));
    EXPECT_EQ(page.count(QStringLiteral("newPage")), 0);
    EXPECT_EQ(page.count(QStringLiteral("endJob")), 0);
    std::vector<QString> expectedTexts;
    for (const RecordingSurface::Text& t : direct.texts) {
        if (t.page == 1) {
            expectedTexts.push_back(t.text);
        }
    }
    std::vector<QString> texts;
    for (const RecordingSurface::Text& t : page.texts) {
        texts.push_back(t.text);
    }
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(texts.front(), QStringLiteral("   Kelvadata/2010"));
}

} // namespace
