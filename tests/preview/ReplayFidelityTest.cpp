#include "FakeServices.h"
#include "GameProfile.h"
#include "KeyListing.h"
#include "PdfJobComparison.h"
#include "PdfReader.h"
#include "QStringPrinting.h"
#include "QtPrintSurface.h"
#include "QtTextMetrics.h"
#include "RecordingPrintSurface.h"
#include "SlipComposer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Orientation = PrintSurface::Orientation;

std::vector<KeyRow> keyRows(int count, int numbers) {
    std::vector<KeyRow> rows;
    for (int r = 0; r < count; ++r) {
        QStringList parts;
        for (int k = 0; k < numbers; ++k) {
            parts << QStringLiteral("%1").arg((r * 7 + k * 5) % 35 + 1, 2, 10, QChar('0'));
        }
        rows.push_back({r, parts.join(QChar(' '))});
    }
    return rows;
}

// A key slip job as keyprint5 and keyprint7 compose it: orientation, set-up, then the eject.
struct KeyJob {
    int game;
    int rows;
    bool landscape;
    bool eject;
    QString text1;
    QString text2;

    void operator()(PrintSurface& s) const {
        const GameProfile& profile = gameProfile(game);
        const KeySlip& layout = keySlip(game);
        const auto orientation = landscape ? Orientation::Landscape : Orientation::Portrait;
        s.setOrientation(orientation);
        setUpSlipSurface(s);
        if (eject) {
            s.newPage();
        }
        composeKeySlips(s, layout, profile.numbersPerRow, profile.highestNumber,
                        keyRows(rows, profile.numbersPerRow), layout.maxFieldsPerSlip,
                        KeyRunMode::AllRows, MarkStyle{QStringLiteral("*"), true},
                        keySlipOrigin(layout, text1, text2, landscape));
        s.endJob();
    }
};

void combinationJob(PrintSurface& s) {
    setUpSlipSurface(s);
    composeCombinationSlips(s, combinationSlip(7), 35,
                            {{QStringLiteral("01 04 09 16 25 35 02 03"), 7},
                             {QStringLiteral("05 06 07 08 10 11 12 13"), 8},
                             {QStringLiteral("14 15 17"), 9}},
                            {3, 17}, 25, MarkStyle{QStringLiteral("x"), true},
                            combinationSlipOrigin(QStringLiteral("-2,5"), QStringLiteral("3")));
    s.endJob();
}

class ReplayFidelityTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        metrics = std::make_unique<QtTextMetrics>();
    }

    QString path(const QString& name) const { return dir.filePath(name + QStringLiteral(".pdf")); }

    // The job printed directly and printed from its recording give the same PDF pages.
    void expectSameJob(const Compose& compose, int pages) {
        printDirectly(compose, path(QStringLiteral("direct")));
        const auto recording = recordJobs(compose, *metrics);
        ASSERT_EQ(recording->jobCount(), 1);
        EXPECT_EQ(recording->pageCount(), pages);
        printReplayed(*recording, 0, path(QStringLiteral("replayed")));
        const int words =
            expectSamePdfPages(path(QStringLiteral("direct")), path(QStringLiteral("replayed")));
        EXPECT_GT(words, 0);
        EXPECT_EQ(PdfReader(path(QStringLiteral("direct"))).pageCount(), pages);
    }

    bool landscapePage(int page) const {
        const QSizeF size = PdfReader(path(QStringLiteral("replayed"))).pageSize(page);
        return size.width() > size.height();
    }

    QTemporaryDir dir;
    std::unique_ptr<QtTextMetrics> metrics;
};

TEST_F(ReplayFidelityTest, KeySlipRunWithOffsets) {
    // keyprint6, 8 fields a slip: 19 rows are three slips.
    expectSameJob(KeyJob{6, 19, false, false, QStringLiteral("3,5"), QStringLiteral("-2")}, 3);
    EXPECT_FALSE(landscapePage(1));
}

TEST_F(ReplayFidelityTest, LandscapeKeySlipRunStartingWithABlankSlip) {
    // keyprint5: orientation first, then the eject; 6 fields a slip, 8 rows: 1 + 2 pages.
    expectSameJob(KeyJob{5, 8, true, true, QStringLiteral("-1"), QStringLiteral("1.5")}, 3);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_TRUE(landscapePage(page)) << page;
    }
    EXPECT_TRUE(PdfReader(path(QStringLiteral("replayed"))).wordsOnPage(1).empty());
}

TEST_F(ReplayFidelityTest, CombinationRun) {
    expectSameJob(combinationJob, 3);
}

// The listing places row numbers by measureText and centres the keyprint7 header by posX:
// the recording must answer both as the printer does for the pages to agree.
TEST_F(ReplayFidelityTest, A4ListingPositionedByMeasuredWidths) {
    FakeServices fakes; // the input box answers with its preset: the header below
    KeyListingControls controls;
    controls.currentKeyPath =
        QStringLiteral("Heti kulcs, hetes lottó, kétoldalas lista egy nagyon hosszú fejléccel, "
                       "amelyet a szélesség miatt le kell vágni");
    for (const KeyRow& row : keyRows(400, 7)) {
        controls.rows << row.text;
    }
    controls.rowsPerColumn = QStringLiteral("60");
    controls.twoSided = true;
    const Compose listing = [&](PrintSurface& printer) {
        printKeyListing(
            gameProfile(7), controls,
            {fakes.messageBox, fakes.inputBox, fakes.busyPointer, fakes.clock, printer});
    };
    // 20 characters a row: 3 columns of 60 rows a page, so 400 rows are 3 pages.
    expectSameJob(listing, 3);
    const PdfReader pdf(path(QStringLiteral("replayed")));
    EXPECT_NE(pdf.find(QStringLiteral("400.")).page, 0);
    EXPECT_NE(pdf.find(QStringLiteral("Heti")).page, 0);
}

TEST_F(ReplayFidelityTest, JobsOfAGroupReplayOneByOne) {
    const KeyJob keyJob{7, 12, false, false, QStringLiteral("1"), QStringLiteral("1")};
    const auto recording = recordJobs(
        [&](PrintSurface& s) {
            s.beginJobGroup();
            combinationJob(s);
            keyJob(s);
            s.endJobGroup();
        },
        *metrics);
    ASSERT_EQ(recording->groupCount(), 1);
    EXPECT_EQ(recording->group(0).jobCount, 2);
    printDirectly(combinationJob, path(QStringLiteral("first")));
    printDirectly(keyJob, path(QStringLiteral("second")));
    printReplayed(*recording, 0, path(QStringLiteral("first-replayed")));
    printReplayed(*recording, 1, path(QStringLiteral("second-replayed")));
    EXPECT_GT(
        expectSamePdfPages(path(QStringLiteral("first")), path(QStringLiteral("first-replayed"))),
        0);
    EXPECT_GT(
        expectSamePdfPages(path(QStringLiteral("second")), path(QStringLiteral("second-replayed"))),
        0);
}

// Measurements of the recording are the printer's own, to the last bit.
TEST_F(ReplayFidelityTest, RecordingMeasuresExactlyAsAPdfJob) {
    const auto pdf = QtPrintSurface::toPdfFile(path(QStringLiteral("measured")));
    RecordingPrintSurface recorder(*metrics);
    const std::vector<QString> texts = {QStringLiteral("  7. "), QStringLiteral("123.  "),
                                        QStringLiteral("Kelvadata/2010            Tel:"),
                                        QStringLiteral("árvíztűrő tükörfúrógép"),
                                        QStringLiteral("•")};
    for (PrintSurface* s :
         {static_cast<PrintSurface*>(pdf.get()), static_cast<PrintSurface*>(&recorder)}) {
        s->setFontName(QStringLiteral("times new roman"));
        s->setUnits(PrintSurface::Units::Twips);
        s->setFontSize(12);
    }
    for (const bool bold : {false, true}) {
        pdf->setBold(bold);
        recorder.setBold(bold);
        for (const QString& text : texts) {
            EXPECT_EQ(recorder.measureText(text), pdf->measureText(text)) << text.toStdString();
            pdf->setPosX(611.5);
            recorder.setPosX(611.5);
            pdf->printText(text, false);
            recorder.printText(text, false);
            EXPECT_EQ(recorder.posX(), pdf->posX()) << text.toStdString();
        }
    }
    pdf->endJob();
}

// A line-ending text moves the next line down by the line spacing the metrics give.
TEST_F(ReplayFidelityTest, LineAdvanceIsThePrintersLineSpacing) {
    const auto pdf = QtPrintSurface::toPdfFile(path(QStringLiteral("lines")));
    pdf->setFontName(QStringLiteral("times new roman"));
    pdf->setUnits(PrintSurface::Units::Millimetres);
    pdf->setFontSize(12);
    pdf->setPosY(20);
    for (const char* line : {"Egy", "Ketto", "Harom"}) {
        pdf->setPosX(30);
        pdf->printText(QString::fromLatin1(line));
    }
    pdf->endJob();
    const PdfReader read(path(QStringLiteral("lines")));
    const double spacing =
        metrics->lineSpacing(PrintFont{QStringLiteral("times new roman"), 12, false}) * 25.4;
    EXPECT_GT(spacing, 3.0);
    EXPECT_NEAR(read.find(QStringLiteral("Ketto")).top - read.find(QStringLiteral("Egy")).top,
                spacing, 0.01);
    EXPECT_NEAR(read.find(QStringLiteral("Harom")).top - read.find(QStringLiteral("Egy")).top,
                2 * spacing, 0.01);
}

} // namespace
