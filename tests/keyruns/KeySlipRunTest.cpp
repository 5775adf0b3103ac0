#include "core/keys/KeySlipRun.h"
#include "core/base/GameProfile.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

constexpr double tolerance = 1e-4;
using Text = PrintedOperations::Text;

struct RunGame {
    int game;
    int maxFields;    // M
    double yAdjust;   // portrait Y0 shift
    double landscape; // further landscape shift
    double gridStart; // G0
    int columns;      // C
    double jokerYesY;
    double jokerNoY;
};

void PrintTo(const RunGame& g, std::ostream* os) {
    *os << "keyprint" << g.game;
}

const RunGame games[] = {
    {5, 6, 5.2, 49.5, 8.5, 10, 67.0, 75.5},
    {6, 8, 0.0, 0.0, 13.5, 7, 30.3, 38.7},
    {7, 10, 5.2, 49.5, 13.5, 5, 30.3, 38.7},
};

// Messages and pointer changes noted with the operations recorded before them, so that one
// timeline shows the order of messages, pointer changes and the run's operations.
struct Timeline {
    TestPrinter& printer;
    std::vector<std::pair<std::size_t, QString>> events; // recorded steps before, event

    void note(const QString& event) { events.emplace_back(printer.recording().stepCount(), event); }
    std::vector<QString> merged() {
        const PrintRecording& recording = printer.recording();
        std::vector<QString> all;
        std::size_t e = 0;
        for (std::size_t step = 0; step <= recording.stepCount(); ++step) {
            for (; e < events.size() && events[e].first == step; ++e) {
                all.push_back(events[e].second);
            }
            if (step < recording.stepCount()) {
                PrintedOperations one;
                one.read(recording, std::uint32_t(step), std::uint32_t(step + 1),
                         printer.metrics());
                all.insert(all.end(), one.operations.begin(), one.operations.end());
            }
        }
        return all;
    }
};

class TimelineMessageBox : public FakeMessageBox {
public:
    explicit TimelineMessageBox(Timeline& log) : log_(log) {}
    Result show(const QString& text, Icon icon, Buttons buttons, const QString& title) override {
        log_.note(QStringLiteral("message ") + text);
        return FakeMessageBox::show(text, icon, buttons, title);
    }

private:
    Timeline& log_;
};

class TimelineBusyPointer : public FakeBusyPointer {
public:
    explicit TimelineBusyPointer(Timeline& log) : log_(log) {}
    void setBusy(bool b) override {
        log_.note(b ? QStringLiteral("busy on") : QStringLiteral("busy off"));
        FakeBusyPointer::setBusy(b);
    }

private:
    Timeline& log_;
};

// Checks a run and, when it passes, prints it: the corrected fields-per-slip text, if any.
std::optional<QString> run(std::optional<KeySlipJob> job, const GameProfile& profile,
                           const KeyRunControls& controls, SlipRunServices services) {
    if (!job) {
        return std::nullopt;
    }
    printKeySlips(profile, controls, *job, services);
    return job->correctedFieldsPerSlip;
}

std::optional<QString> runAllRows(const GameProfile& profile, const KeyRunControls& controls,
                                  SlipRunServices services) {
    return run(checkAllRowsRun(profile, controls, services.messageBox), profile, controls,
               services);
}

std::optional<QString> runFromTo(const GameProfile& profile, const KeyRunControls& controls,
                                 SlipRunServices services) {
    return run(checkFromToRun(profile, controls, services.messageBox), profile, controls, services);
}

// One row per position s holding the single number s + 1, so a mark tells which row it is.
QStringList numberedRows(int count) {
    QStringList rows;
    for (int s = 0; s < count; ++s) {
        rows << QStringLiteral("%1").arg(s + 1, 2, 10, QLatin1Char('0'));
    }
    return rows;
}

class KeyRunTest : public ::testing::TestWithParam<RunGame> {
protected:
    TestPrinter printer;
    Timeline timeline{printer, {}};
    TimelineMessageBox messages{timeline};
    TimelineBusyPointer busy{timeline};
    KeyRunControls controls;

    const GameProfile& profile() const { return gameProfile(GetParam().game); }
    SlipRunServices services() { return {messages, busy, printer}; }
    std::optional<QString> all() { return runAllRows(profile(), controls, services()); }
    std::optional<QString> fromTo() { return runFromTo(profile(), controls, services()); }

    std::vector<Text> marks() const {
        std::vector<Text> found;
        for (const Text& t : printer.texts) {
            if (t.face == QStringLiteral("arial black")) {
                found.push_back(t);
            }
        }
        return found;
    }
    std::vector<QString> slipNumbers() const {
        std::vector<QString> numbers;
        for (const Text& t : printer.texts) {
            if (t.face == QStringLiteral("times new roman") && !t.text.contains(QLatin1Char('/')) &&
                !t.text.contains(QStringLiteral("Tel"))) {
                numbers.push_back(t.text.trimmed());
            }
        }
        return numbers;
    }
};

TEST_P(KeyRunTest, EmptyKeyShowsTheMissingKeyMessageAndPrintsNothing) {
    controls.fieldsPerSlip = QStringLiteral("0");
    EXPECT_EQ(all(), std::nullopt);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, profile().keyMissingMessage);
    EXPECT_EQ(messages.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, MessageBoxService::Buttons::Ok);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("LOTTO-%1").arg(GetParam().game));
    EXPECT_EQ(timeline.merged().size(), 1u); // only the message
    EXPECT_TRUE(busy.changes.empty());
}

TEST_P(KeyRunTest, FieldsPerSlipOutOfRangeIsCorrectedToTheMaximum) {
    const int m = GetParam().maxFields;
    for (const QString& text :
         {QStringLiteral("0"), QString(), QStringLiteral("abc"), QString::number(m + 1),
          QStringLiteral("-3"), QStringLiteral("0.4")}) {
        SCOPED_TRACE(text.toStdString());
        printer.reset();
        controls.rows = numberedRows(2 * m + 1);
        controls.fieldsPerSlip = text;
        EXPECT_EQ(all(), QString::number(m));
        EXPECT_EQ(slipNumbers(), (std::vector<QString>{"1", "2", "3"}));
        EXPECT_EQ(printer.count(QStringLiteral("newPage")), 2);
        EXPECT_EQ(printer.jobsEnded, 1);
    }
}

TEST_P(KeyRunTest, FieldsPerSlipInRangeIsKeptAndFractionsRoundHalfToEven) {
    controls.rows = numberedRows(5);
    controls.fieldsPerSlip = QStringLiteral("2");
    EXPECT_EQ(all(), std::nullopt);
    EXPECT_EQ(slipNumbers(), (std::vector<QString>{"1", "2", "3"}));

    printer.reset();
    controls.fieldsPerSlip = QStringLiteral("2.5"); // rounds to 2
    EXPECT_EQ(all(), std::nullopt);
    EXPECT_EQ(slipNumbers().size(), 3u);

    printer.reset();
    controls.fieldsPerSlip = QStringLiteral("1,5"); // reads 1, one row a slip
    EXPECT_EQ(all(), std::nullopt);
    EXPECT_EQ(slipNumbers().size(), 5u);
}

TEST_P(KeyRunTest, EjectNoticeComesBeforePrintingInTheDeliverablesOrder) {
    controls.rows = numberedRows(1);
    controls.fieldsPerSlip = QStringLiteral("1");
    controls.ejectFirst = true;
    all();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("A nyomtatás egy szelvény lap-dobásával indul !"));
    EXPECT_EQ(messages.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(messages.shown[0].title, profile().keyTitle);
    const std::vector<QString> ops = timeline.merged();
    ASSERT_GE(ops.size(), 8u);
    EXPECT_EQ(ops[0], QStringLiteral("message A nyomtatás egy szelvény lap-dobásával indul !"));
    std::vector<QString> start(ops.begin() + 1, ops.begin() + 8);
    std::vector<QString> expected;
    if (GetParam().game == 6) {
        expected = {
            "newPage",     "setOrientation 1", "busy on",      "setFontName times new roman",
            "setUnits mm", "setBold on",       "setFontSize 9"};
    } else {
        expected = {"busy on",     "setOrientation 1", "setFontName times new roman",
                    "setUnits mm", "setBold on",       "setFontSize 9",
                    "newPage"};
    }
    EXPECT_EQ(start, expected);
    // The blank slip comes first; the printed slip is the second page.
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 1);
    EXPECT_EQ(printer.texts.front().page, 1);
    EXPECT_EQ(ops[ops.size() - 2], QStringLiteral("endJob"));
    EXPECT_EQ(ops.back(), QStringLiteral("busy off"));
}

TEST_P(KeyRunTest, WithoutCheckOneThereIsNoNoticeAndNoBlankSlip) {
    controls.rows = numberedRows(3);
    controls.fieldsPerSlip = QStringLiteral("8");
    all();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 0);
    EXPECT_EQ(printer.texts.front().page, 0);
    EXPECT_EQ(busy.changes, (std::vector<bool>{true, false}));
}

TEST_P(KeyRunTest, LandscapeSetsOrientationTwoAndShiftsFiveAndSeven) {
    const RunGame& g = GetParam();
    controls.rows = numberedRows(1);
    controls.offsetDown = QStringLiteral("1,5");
    controls.offsetRight = QStringLiteral("-2");
    for (int orientation : {1, -1}) { // "fekvő", and no option selected
        SCOPED_TRACE(orientation);
        printer.reset();
        controls.orientationIndex = orientation;
        all();
        EXPECT_EQ(printer.count(QStringLiteral("setOrientation 2")), 1);
        const std::vector<Text> m = marks();
        ASSERT_EQ(m.size(), 2u);
        EXPECT_NEAR(m[1].y, 1.5 + g.yAdjust + g.landscape + g.gridStart + 4.2, tolerance);
        EXPECT_NEAR(m[1].x, -2 + 83.0, tolerance);
    }
    printer.reset();
    controls.orientationIndex = 0;
    all();
    EXPECT_EQ(printer.count(QStringLiteral("setOrientation 1")), 1);
    EXPECT_NEAR(marks()[1].y, 1.5 + g.yAdjust + g.gridStart + 4.2, tolerance);
}

TEST_P(KeyRunTest, JokerAndMarkSymbolFollowTheOptions) {
    const RunGame& g = GetParam();
    controls.rows = numberedRows(1);
    controls.jokerIndex = 0;
    controls.markIndex = 2;
    all();
    EXPECT_NEAR(marks()[0].y, g.yAdjust + g.jokerYesY, tolerance);
    EXPECT_EQ(marks()[0].text, QStringLiteral("•"));

    printer.reset();
    controls.jokerIndex = -1; // neither option: the "Nem" box
    controls.markIndex = 0;
    all();
    EXPECT_NEAR(marks()[0].y, g.yAdjust + g.jokerNoY, tolerance);
    EXPECT_EQ(marks()[0].text, QStringLiteral("x"));
}

TEST_P(KeyRunTest, FailingPrinterStillEndsTheJobAndRestoresThePointer) {
    controls.rows = numberedRows(30);
    controls.fieldsPerSlip = QStringLiteral("1");
    printer.refuseFromJob = 0;
    EXPECT_EQ(all(), std::nullopt);
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 29); // every slip still attempted
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(busy.changes, (std::vector<bool>{true, false}));
}

TEST_P(KeyRunTest, FromToToBeyondTheKeyPrintsToItsLastRowOnOneSlip) {
    const int m = GetParam().maxFields;
    controls.rows = numberedRows(m + 2);
    controls.firstRow = QStringLiteral("3");
    controls.lastRow = QStringLiteral("999");
    controls.fieldsPerSlip = QString::number(m);
    EXPECT_EQ(fromTo(), std::nullopt);
    EXPECT_EQ(slipNumbers(), (std::vector<QString>{"1"})); // first row at position 2
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 0);
    const std::vector<Text> mk = marks();
    ASSERT_EQ(int(mk.size()), 1 + m);
    // Field 1 holds row 3: number 3 sits in the third grid cell of the first field.
    EXPECT_NEAR(mk[1].x, 83.0, tolerance);
    EXPECT_NEAR(mk[1].y, GetParam().yAdjust + GetParam().gridStart + 4.2 * 3, tolerance);
}

TEST_P(KeyRunTest, FromToSecondSlipIsNumberedByItsFirstRowsPosition) {
    controls.rows = numberedRows(20);
    controls.firstRow = QStringLiteral("4");
    controls.lastRow = QStringLiteral("9");
    controls.fieldsPerSlip = QStringLiteral("4");
    fromTo();
    // Rows 4-7 on a slip numbered 3 div 4 + 1 = 1, rows 8-9 on one numbered 7 div 4 + 1 = 2.
    EXPECT_EQ(slipNumbers(), (std::vector<QString>{"1", "2"}));
    EXPECT_EQ(marks().size(), 2u + 6u);
}

TEST_P(KeyRunTest, FromToStopsSilentlyOnEmptyOrNonsenseRanges) {
    struct Range {
        QString first, last;
        int rows;
    };
    const Range ranges[] = {{"5", "2", 10},  {"0", "3", 10},   {"3", "0", 10},    {"", "", 10},
                            {"1", "1", 0},   {"1", "", 0},     {"-2", "5", 10},   {"0.4", "3", 10},
                            {"3", "-1", 10}, {"abc", "4", 10}, {"1e30", "4", 10}, {"11", "99", 10}};
    for (const Range& r : ranges) {
        SCOPED_TRACE((r.first + QStringLiteral("..") + r.last).toStdString());
        printer.reset();
        controls.rows = numberedRows(r.rows);
        controls.firstRow = r.first;
        controls.lastRow = r.last;
        controls.fieldsPerSlip = QStringLiteral("0");
        EXPECT_EQ(fromTo(), std::nullopt);
        EXPECT_TRUE(printer.operations.empty());
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(busy.changes.empty());
    }
}

TEST_P(KeyRunTest, FromToRoundsFractionsAndClampsHugeEnds) {
    controls.rows = numberedRows(12);
    controls.firstRow = QStringLiteral("2.5"); // row 2
    controls.lastRow = QStringLiteral("1e30"); // the last row
    controls.fieldsPerSlip = QStringLiteral("1");
    fromTo();
    EXPECT_EQ(slipNumbers().size(), 11u);
    EXPECT_EQ(slipNumbers().front(), QStringLiteral("2"));
    EXPECT_EQ(slipNumbers().back(), QStringLiteral("12"));
}

TEST_P(KeyRunTest, FromToCorrectsFieldsPerSlipOnlyWhenItPrints) {
    controls.rows = numberedRows(3);
    controls.firstRow = QStringLiteral("1");
    controls.lastRow = QStringLiteral("3");
    controls.fieldsPerSlip = QStringLiteral("99");
    EXPECT_EQ(fromTo(), QString::number(GetParam().maxFields));
    EXPECT_EQ(printer.jobsEnded, 1);
}

INSTANTIATE_TEST_SUITE_P(Games, KeyRunTest, ::testing::ValuesIn(games), [](const auto& info) {
    return "keyprint" + std::to_string(info.param.game);
});

TEST(KeyRunSix, SeventeenRowsWithTextSixZero) {
    TestPrinter printer;
    FakeMessageBox messages;
    FakeBusyPointer busy;
    KeyRunControls controls;
    controls.rows = numberedRows(17);
    controls.fieldsPerSlip = QStringLiteral("0");
    EXPECT_EQ(runAllRows(gameProfile(6), controls, {messages, busy, printer}), QStringLiteral("8"));
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 2);
    EXPECT_EQ(printer.textsOf(QStringLiteral("*")).size(), 17u + 3u);
    EXPECT_EQ(printer.textsOf(QStringLiteral("*")).back().page, 2);
}

TEST(KeyRunFive, TextSixSevenBecomesSix) {
    TestPrinter printer;
    FakeMessageBox messages;
    FakeBusyPointer busy;
    KeyRunControls controls;
    controls.rows = numberedRows(2);
    controls.fieldsPerSlip = QStringLiteral("7");
    EXPECT_EQ(runAllRows(gameProfile(5), controls, {messages, busy, printer}), QStringLiteral("6"));
}

} // namespace
