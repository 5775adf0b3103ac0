// "Előnézet…" on the key printer's print buttons: the same run into a recording, shown instead
// of printed, and printed from the preview exactly as the button prints it.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/present/PreviewForm.h"
#include "core/print/PrintRecording.h"
#include "core/slip/SlipLayout.h"
#include "printing/QtPrintDevice.h"
#include "printing/QtTextMetrics.h"
#include "tests/support/PdfComparison.h"

#include <QAction>
#include <QDir>

class KeyPrintPreviewTest : public KeyPrinterWindowTest {
protected:
    void preview(const QString& button) {
        QAction* action = previewAction(button);
        ASSERT_NE(action, nullptr) << button.toStdString();
        action->trigger();
    }
    QAction* previewAction(const QString& button) const {
        const QList<QAction*> actions = this->button(button)->actions();
        return actions.size() == 1 ? actions.first() : nullptr;
    }
    QStringList filesWritten() const {
        return QDir(folder_.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }
};

TEST_P(KeyPrintPreviewTest, EveryPrintButtonHasThePreviewInItsContextMenu) {
    for (const QString name : {"Command3D1", "Command3D9", "Command3D5"}) {
        EXPECT_EQ(button(name)->contextMenuPolicy(), Qt::ActionsContextMenu) << name.toStdString();
        ASSERT_NE(previewAction(name), nullptr) << name.toStdString();
        EXPECT_EQ(previewAction(name)->text(), QStringLiteral("Előnézet…"));
    }
    for (const QString name : {"Command3D4", "Command3D3", "Command3D2"}) {
        EXPECT_TRUE(button(name)->actions().isEmpty()) << name.toStdString();
    }
}

TEST_P(KeyPrintPreviewTest, PreviewRecordsTheRunWithoutPrintingOrTheEjectNotice) {
    const int fields = maxFields();
    loadKey(keyRows(2 * fields + 1)); // three slips
    text("Text6")->setText("0");
    text("Text1")->setText("4");
    text("Text2")->setText("-1,5");
    button("Check1")->click();
    preview("Command3D1");
    EXPECT_TRUE(fake_.messageBox.shown.empty()) << "no eject notice in a preview";
    EXPECT_EQ(text("Text6")->text(), "0"); // a closed preview changes nothing
    EXPECT_TRUE(fake_.printer.operations.empty());
    ASSERT_EQ(fake_.preview.shown.size(), 1u);
    const auto& shown = fake_.preview.shown[0];
    EXPECT_EQ(shown.recording->jobCount(), 1);
    EXPECT_EQ(shown.recording->pageCount(), 1 + 3); // the ejected blank slip, then three slips
    EXPECT_EQ(shown.form.kind, PreviewForm::Kind::KeySlip);
    EXPECT_EQ(shown.form.game, game());
    EXPECT_DOUBLE_EQ(shown.form.origin.x0, -1.5);
    EXPECT_DOUBLE_EQ(shown.form.origin.y0, 4 + keySlip(game()).yAdjust);
    EXPECT_EQ(shown.form.markSymbol, QStringLiteral("*"));
    EXPECT_TRUE(filesWritten().isEmpty());

    // Printed from the preview, the window ends as after the button: Text6 corrected.
    fake_.preview.answer = PreviewService::Choice::Print;
    preview("Command3D1");
    EXPECT_EQ(text("Text6")->text(), QString::number(fields));
    EXPECT_EQ(fake_.printer.jobsEnded, 1);
}

TEST_P(KeyPrintPreviewTest, RefusedRunsOpenNoPreview) {
    preview("Command3D1"); // no key: the missing-key message
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, profile().keyMissingMessage);
    loadKey(keyRows(4));
    text("Text3")->setText("3");
    text("Text4")->setText("2"); // an empty range: silently nothing
    preview("Command3D9");
    fake_.messageBox.answers.push_back(MessageBoxService::Result::Cancel);
    preview("Command3D5"); // the listing not confirmed
    EXPECT_TRUE(fake_.preview.shown.empty());
    EXPECT_TRUE(fake_.printer.operations.empty());
}

TEST_P(KeyPrintPreviewTest, ListingPreviewAsksWhatTheListingAsks) {
    loadKey(keyRows(70));
    preview("Command3D5");
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text,
              QStringLiteral("A betöltött kulcs A4-s lapra nyomtatása !"));
    EXPECT_EQ(fake_.inputBox.asked.size(), game() == 7 ? 1u : 0u);
    ASSERT_EQ(fake_.preview.shown.size(), 1u);
    EXPECT_EQ(fake_.preview.shown[0].form.kind, PreviewForm::Kind::None);
    EXPECT_EQ(fake_.preview.shown[0].recording->pageCount(), 1);
    EXPECT_TRUE(fake_.printer.operations.empty());
}

TEST_P(KeyPrintPreviewTest, PrintingFromThePreviewTellsARefusedJob) {
    loadKey(keyRows(3));
    fake_.preview.answer = PreviewService::Choice::Print;
    fake_.printer.refuseFromJob = 0;
    preview("Command3D1");
    EXPECT_EQ(fake_.printer.jobsEnded, 1);
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fake_.messageBox.shown[0].text.endsWith(
        QStringLiteral("A szelvények nem lettek kinyomtatva.")));
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyPrintPreviewTest);

// The same run printed by its button and printed from its preview, each into a PDF: the two
// PDFs hold the same pages with every mark, header text and slip number at the same place.
class KeyPrintPreviewPdfTest : public KeyPrinterWindowTest {
protected:
    void SetUp() override {
        KeyPrinterWindowTest::SetUp();
        fake_.preview.answer = PreviewService::Choice::Print;
    }

    // A window printing into its own PDF, with the same key and settings.
    std::unique_ptr<KeyPrinterWindow> windowPrintingInto(QtPrintDevice& pdf) {
        auto window = std::make_unique<KeyPrinterWindow>(profile(), fake_.servicesPrintingOn(pdf));
        EXPECT_TRUE(window->load());
        fake_.fileDialog.answers.push_back(writeKey(keyRows(19)));
        window->findChild<QPushButton*>(QStringLiteral("Command3D4"))->click();
        return window;
    }

    // Sets the controls, prints with the button in one window and from the preview in the
    // other, and compares the PDFs.
    void expectSameJob(const QString& button, const std::function<void(QWidget&)>& set) {
        const QString directPath = folder_.filePath(QStringLiteral("direct.pdf"));
        const QString previewedPath = folder_.filePath(QStringLiteral("previewed.pdf"));
        auto directPdf = QtPrintDevice::toPdfFile(directPath);
        auto previewedPdf = QtPrintDevice::toPdfFile(previewedPath);
        auto direct = windowPrintingInto(*directPdf);
        auto previewed = windowPrintingInto(*previewedPdf);
        set(*direct);
        set(*previewed);
        auto* directButton = direct->findChild<QPushButton*>(button);
        directButton->click();
        previewed->findChild<QPushButton*>(button)->actions().first()->trigger();
        ASSERT_EQ(fake_.preview.shown.size(), 1u);
        expectSamePdf(directPath, previewedPath);
    }
};

TEST_P(KeyPrintPreviewPdfTest, SlipRunWithOffsets) {
    expectSameJob(QStringLiteral("Command3D1"), [](QWidget& w) {
        w.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("3,5"));
        w.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("-2"));
        w.findChild<QLineEdit*>(QStringLiteral("Text6"))->setText(QStringLiteral("4"));
        w.findChild<QAbstractButton*>(QStringLiteral("Option1(0)"))->click();
    });
}

TEST_P(KeyPrintPreviewPdfTest, LandscapeFromToRunWithAnEjectedSlip) {
    expectSameJob(QStringLiteral("Command3D9"), [](QWidget& w) {
        w.findChild<QAbstractButton*>(QStringLiteral("Option4(1)"))->click();
        w.findChild<QAbstractButton*>(QStringLiteral("Check1"))->click();
        w.findChild<QAbstractButton*>(QStringLiteral("Option2(2)"))->click();
        w.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("3"));
        w.findChild<QLineEdit*>(QStringLiteral("Text4"))->setText(QStringLiteral("17"));
    });
}

TEST_P(KeyPrintPreviewPdfTest, ListingOnA4) {
    fake_.inputBox.answers = {QStringLiteral("Heti kulcs, nagyon hosszú fejléccel a lap tetején"),
                              QStringLiteral("Heti kulcs, nagyon hosszú fejléccel a lap tetején")};
    expectSameJob(QStringLiteral("Command3D5"), [](QWidget& w) {
        w.findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QStringLiteral("7"));
    });
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyPrintPreviewPdfTest);
