// The combination printer's print buttons: a job that does not reach the printer is told once,
// the full-combination run stops at the first one, a run without a printer writes one PDF, and
// "Előnézet…" shows the same run before it is printed from the preview.

#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "core/present/PreviewForm.h"
#include "core/print/PrintRecording.h"
#include "core/slip/SystemTable.h"
#include "keyprint/KeyPrinterWindow.h"
#include "printing/QtPrintDevice.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PdfComparison.h"
#include "tests/support/SelectionKeys.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString rowOf(int from, int to) {
    QString row;
    for (int n = from; n <= to; ++n) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    return row;
}

// Two rows of eight numbers and the system "0 08", printable in every game.
void prepareTwoRows(CombinationSelection& selection, int game) {
    loadKeyRows(selection, {rowOf(1, 8), rowOf(11, 18)}, true, QStringLiteral(" 2"),
                QStringLiteral("8"));
    selection.selectSystem(int(systemTable(game).codes.indexOf(QStringLiteral("0 08"))));
}

// Five entries of combiprint7: the base-set slip and four entries of two FIX numbers playing
// the first ten numbers.
FullCombinationHandOver fiveEntries() {
    FullCombinationHandOver handOver;
    handOver.baseSetRow = rowOf(1, 11);
    handOver.shortSetRows = {rowOf(1, 10).trimmed()};
    handOver.entries = {QStringLiteral("00")};
    for (int e = 0; e < 4; ++e) {
        handOver.entries << QStringLiteral("02*") + rowOf(20 + e, 20 + e) + rowOf(30 + e, 30 + e);
    }
    return handOver;
}

class CombinationPrintOutcomeTest : public ::testing::TestWithParam<int> {
protected:
    CombinationPrintOutcomeTest() {
        fakes.program.folder = folder.path();
        fakes.program.name = QStringLiteral("combiprint%1").arg(game());
    }
    int game() const { return GetParam(); }

    std::unique_ptr<CombinationPrinterWindow> open(const WindowServices& services) {
        auto window = std::make_unique<CombinationPrinterWindow>(gameProfile(game()), services);
        EXPECT_TRUE(window->load());
        return window;
    }
    static QPushButton* button(QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void preview(QWidget& window, const char* name) {
        const QList<QAction*> actions = button(window, name)->actions();
        ASSERT_EQ(actions.size(), 1) << name;
        actions.first()->trigger();
    }

    QTemporaryDir folder;
    FakeServices fakes;
};

TEST_P(CombinationPrintOutcomeTest, EveryPrintButtonHasThePreviewInItsContextMenu) {
    auto window = open(fakes.services());
    for (const char* name : {"Command3D1", "Command3D9", "SSCommand4"}) {
        QPushButton* print = button(*window, name);
        EXPECT_EQ(print->contextMenuPolicy(), Qt::ActionsContextMenu) << name;
        ASSERT_EQ(print->actions().size(), 1) << name;
        EXPECT_EQ(print->actions().first()->text(), QStringLiteral("Előnézet…"));
    }
    for (const char* name : {"Command3D4", "Command1", "Command3", "SSCommand1", "Command3D2"}) {
        EXPECT_TRUE(button(*window, name)->actions().isEmpty()) << name;
    }
}

TEST_P(CombinationPrintOutcomeTest, RefusedJobIsToldOnceAndTheSelectionStays) {
    auto window = open(fakes.services());
    prepareTwoRows(window->selection(), game());
    fakes.printer.refuseFromJob = 0;
    button(*window, "Command3D1")->click();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              QStringLiteral("A nyomtatás nem sikerült: a nyomtató nem fogad nyomtatási "
                             "feladatot.\n(A nyomtatási rendszer üzenete: Rejecting Jobs)\n"
                             "A szelvények nem lettek kinyomtatva."));
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_FALSE(fakes.busyPointer.busy);
    EXPECT_EQ(window->selection().rows().size(), 2);
    EXPECT_EQ(window->selection().counters().slipCount, QStringLiteral(" 2"));
}

TEST_P(CombinationPrintOutcomeTest, RefusedRunOpensNoPreview) {
    auto window = open(fakes.services());
    prepareTwoRows(window->selection(), game());
    window->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("2"));
    window->findChild<QLineEdit*>(QStringLiteral("Text4"))->setText(QStringLiteral("1"));
    preview(*window, "Command3D9");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, QStringLiteral("Hibás tól-ig megadás !"));
    preview(*window, "SSCommand4"); // no full combination: nothing
    EXPECT_TRUE(fakes.preview.shown.empty());
    EXPECT_TRUE(fakes.printer.operations.empty());
}

TEST_P(CombinationPrintOutcomeTest, PreviewRecordsTheRunWithoutPrintingOrTheEjectNotice) {
    auto window = open(fakes.services());
    prepareTwoRows(window->selection(), game());
    window->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    window->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("-3"));
    preview(*window, "Command3D1");
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(fakes.printer.operations.empty());
    ASSERT_EQ(fakes.preview.shown.size(), 1u);
    const auto& shown = fakes.preview.shown[0];
    EXPECT_EQ(shown.recording->jobCount(), 1);
    EXPECT_EQ(shown.recording->pageCount(), 3); // the blank slip and two slips
    EXPECT_EQ(shown.form.kind, PreviewForm::Kind::CombinationSlip);
    EXPECT_EQ(shown.form.game, game());
    EXPECT_DOUBLE_EQ(shown.form.origin.y0, -3);
    EXPECT_EQ(shown.form.markSymbol, QStringLiteral("x"));
}

INSTANTIATE_TEST_SUITE_P(Games, CombinationPrintOutcomeTest, ::testing::Values(5, 6, 7),
                         [](const auto& info) {
                             return "combiprint" + std::to_string(info.param);
                         });

class FullCombinationPrintTest : public CombinationPrintOutcomeTest {};

TEST_P(FullCombinationPrintTest, RunStopsAtTheFirstRefusedJobWithOneMessage) {
    auto window = open(fakes.services());
    window->selection().receiveFullCombination(fiveEntries());
    fakes.printer.refuseFromJob = 2;
    button(*window, "SSCommand4")->click();
    EXPECT_EQ(fakes.printer.jobsEnded, 3); // two printed, the third refused, no more
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].text.startsWith(
        QStringLiteral("A nyomtatás nem sikerült: a nyomtató nem fogad nyomtatási feladatot.")));
    EXPECT_TRUE(fakes.messageBox.shown[0].text.endsWith(
        QStringLiteral("A teljes kombináció 5 bejegyzéséből 2 lett kinyomtatva, a többi nem.")));
}

TEST_P(FullCombinationPrintTest, RefusedEntriesStillLetTheRunGoOn) {
    auto window = open(fakes.services());
    FullCombinationHandOver handOver = fiveEntries();
    handOver.entries[2] = QStringLiteral("02*05 06 "); // FIX numbers inside the row
    window->selection().receiveFullCombination(handOver);
    button(*window, "SSCommand4")->click();
    EXPECT_EQ(fakes.printer.jobsEnded, 4);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              QStringLiteral("Átfedés van a FIX számok és a KOMBINÁCIÓS számok között !"));
}

// Without a printer the whole run is one PDF, its entries' slips in order; the status line
// names it.
TEST_P(FullCombinationPrintTest, WithoutAPrinterTheRunIsOnePdf) {
    QtPrintDevice::Options options;
    options.target = QtPrintDevice::Target::PdfInFolder;
    options.programName = fakes.program.name;
    options.pdfFolder = folder.filePath(QStringLiteral("pdf"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("pdf")));
    QtPrintDevice pdf(options);
    auto window = open(fakes.servicesPrintingOn(pdf));
    window->selection().receiveFullCombination(fiveEntries());
    window->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    button(*window, "SSCommand4")->click();
    EXPECT_EQ(fakes.messageBox.shown.size(), 5u); // the eject notices
    const QStringList files = QDir(options.pdfFolder).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(PdfReader(QDir(options.pdfFolder).filePath(files[0])).pageCount(), 2 * 5);
    EXPECT_TRUE(
        window->findChild<QLabel*>(QStringLiteral("StatusLine"))->toolTip().contains(files[0]));
}

TEST_P(FullCombinationPrintTest, PreviewKeepsOneJobPerEntryAndPrintsThemAsTheRunDoes) {
    auto window = open(fakes.services());
    window->selection().receiveFullCombination(fiveEntries());
    window->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    fakes.preview.answer = PreviewService::Choice::Print;
    fakes.printer.refuseFromJob = 3;
    preview(*window, "SSCommand4");
    ASSERT_EQ(fakes.preview.shown.size(), 1u);
    const PrintRecording& recording = *fakes.preview.shown[0].recording;
    EXPECT_EQ(recording.jobCount(), 5);
    EXPECT_EQ(recording.groupCount(), 1);
    EXPECT_EQ(recording.pageCount(), 2 * 5);
    // Printed from the preview: the jobs one by one, stopping at the refused one.
    EXPECT_EQ(fakes.printer.jobsEnded, 4);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u); // no eject notices, one failure
    EXPECT_TRUE(fakes.messageBox.shown[0].text.endsWith(
        QStringLiteral("A teljes kombináció 5 bejegyzéséből 3 lett kinyomtatva, a többi nem.")));
}

TEST_P(FullCombinationPrintTest, PrintingFromThePreviewGivesTheSameJobAsTheButton) {
    fakes.preview.answer = PreviewService::Choice::Print;
    const QString directPath = folder.filePath(QStringLiteral("direct.pdf"));
    const QString previewedPath = folder.filePath(QStringLiteral("previewed.pdf"));
    auto directPdf = QtPrintDevice::toPdfFile(directPath);
    auto previewedPdf = QtPrintDevice::toPdfFile(previewedPath);
    auto direct = open(fakes.servicesPrintingOn(*directPdf));
    auto previewed = open(fakes.servicesPrintingOn(*previewedPdf));
    for (CombinationPrinterWindow* window : {direct.get(), previewed.get()}) {
        prepareTwoRows(window->selection(), game());
        window->selection().toggleNumber(30);
        window->selection().selectSystem(
            int(systemTable(game()).codes.indexOf(QStringLiteral("1 08"))));
        window->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("2,5"));
        window->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("-1"));
    }
    button(*direct, "Command3D1")->click();
    preview(*previewed, "Command3D1");
    ASSERT_TRUE(fakes.messageBox.shown.empty()) << fakes.messageBox.shown[0].text.toStdString();
    expectSamePdf(directPath, previewedPath);
}

// What the window shows: every list, label, number button, system and text box.
QStringList shownState(QWidget& window) {
    QStringList state;
    for (QListWidget* list : window.findChildren<QListWidget*>()) {
        state << list->objectName() + QString::number(list->currentRow());
        for (int i = 0; i < list->count(); ++i) {
            state << list->item(i)->text();
        }
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        state << label->objectName() + QLatin1Char('=') + label->text();
    }
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        state << b->objectName() + QLatin1Char('=') + b->text() +
                     (b->isChecked() ? QStringLiteral("*") : QString()) +
                     (b->icon().isNull() ? QString() : QStringLiteral("#"));
    }
    return state;
}

// A job written to a PDF is told in both families in one wording, on one line: a long path is
// shortened in the middle, the whole line is in its tooltip.
TEST(JobStatusLineTest, BothFamiliesTellAPdfJobAlikeOnOneLine) {
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    fakes.printer.lastFile =
        folder.filePath(QString(40, QLatin1Char('k')) + QStringLiteral("/") +
                        QString(60, QLatin1Char('p')) + QStringLiteral(".pdf"));
    QFile key(folder.filePath(QStringLiteral("kulcs.txt")));
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write("01 02 03 04 05 06\r\n");
    key.close();
    fakes.fileDialog.answers.push_back(key.fileName());
    KeyPrinterWindow keyWindow(gameProfile(6), fakes.services());
    ASSERT_TRUE(keyWindow.load());
    keyWindow.findChild<QPushButton*>(QStringLiteral("Command3D4"))->click();
    keyWindow.findChild<QPushButton*>(QStringLiteral("Command3D1"))->click();
    CombinationPrinterWindow combinationWindow(gameProfile(6), fakes.services());
    ASSERT_TRUE(combinationWindow.load());
    prepareTwoRows(combinationWindow.selection(), 6);
    combinationWindow.findChild<QPushButton*>(QStringLiteral("Command3D1"))->click();
    ASSERT_TRUE(fakes.messageBox.shown.empty());

    QStringList tooltips;
    for (QWidget* window :
         {static_cast<QWidget*>(&keyWindow), static_cast<QWidget*>(&combinationWindow)}) {
        auto* line = window->findChild<QLabel*>(QStringLiteral("StatusLine"));
        ASSERT_NE(line, nullptr);
        tooltips << line->toolTip();
        EXPECT_TRUE(line->toolTip().endsWith(QDir::toNativeSeparators(fakes.printer.lastFile)));
        EXPECT_NE(line->text(), line->toolTip()) << "shortened";
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()),
                  line->contentsRect().width());
        EXPECT_LE(line->geometry().right(), window->width());
    }
    EXPECT_EQ(tooltips[0], tooltips[1]);
}

// A preview closed leaves the window as it was; printed from the preview, the window ends as
// after the button's own run.
TEST_P(FullCombinationPrintTest, PreviewChangesTheWindowOnlyWhenItPrints) {
    std::unique_ptr<CombinationPrinterWindow> windows[2] = {open(fakes.services()),
                                                            open(fakes.services())};
    for (auto& window : windows) {
        window->selection().receiveFullCombination(fiveEntries());
        window->selection().selectBaseSlip();
    }
    CombinationPrinterWindow& previewed = *windows[0];
    CombinationPrinterWindow& printed = *windows[1];
    const QStringList before = shownState(previewed);
    preview(previewed, "SSCommand4");
    ASSERT_EQ(fakes.preview.shown.size(), 1u);
    EXPECT_EQ(shownState(previewed), before);

    button(printed, "SSCommand4")->click();
    fakes.preview.answer = PreviewService::Choice::Print;
    preview(previewed, "SSCommand4");
    EXPECT_NE(shownState(printed), before);
    EXPECT_EQ(shownState(previewed), shownState(printed));
}

INSTANTIATE_TEST_SUITE_P(Games, FullCombinationPrintTest, ::testing::Values(7),
                         [](const auto& info) {
                             return "combiprint" + std::to_string(info.param);
                         });

} // namespace
