// A print job of the key printer that does not reach the printer is told once, after the busy
// pointer is back, and the window keeps its values; Text6 is corrected before anything else.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "printing/QtPrintDevice.h"

#include <QDir>

namespace {

const QString refusedSlips =
    QStringLiteral("A nyomtatás nem sikerült: a nyomtató nem fogad nyomtatási feladatot.\n"
                   "(A nyomtatási rendszer üzenete: Rejecting Jobs)\n"
                   "A szelvények nem lettek kinyomtatva.");

} // namespace

class KeyPrintDeliveryTest : public KeyPrinterWindowTest {};

TEST_P(KeyPrintDeliveryTest, RefusedSlipJobIsToldOnceAndTheWindowKeepsItsValues) {
    loadKey(keyRows(5));
    text("Text6")->setText("3");
    text("Text1")->setText("2,5");
    fake_.printer.refuseFromJob = 0;
    bool busyWhileShown = true;
    fake_.messageBox.whileShown = [&](const FakeMessageBox::Shown&) {
        busyWhileShown = fake_.busyPointer.busy;
    };
    click("Command3D1");
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, refusedSlips);
    EXPECT_EQ(fake_.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fake_.messageBox.shown[0].buttons, MessageBoxService::Buttons::Ok);
    EXPECT_EQ(fake_.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_FALSE(busyWhileShown) << "the pointer is back before the message";
    EXPECT_EQ(text("Text6")->text(), "3");
    EXPECT_EQ(text("Text1")->text(), "2,5");
    EXPECT_EQ(window_->rows(), keyRows(5));
    EXPECT_EQ(fake_.printer.jobsEnded, 1);
}

TEST_P(KeyPrintDeliveryTest, RefusedListingSaysTheListingWasNotPrinted) {
    loadKey(keyRows(3));
    fake_.printer.refuseFromJob = 0;
    fake_.printer.refusal = {PrintJobOutcome::Problem::PrinterUnreachable, QString()};
    click("Command3D5");
    ASSERT_EQ(fake_.messageBox.shown.size(), 2u); // the confirmation, then the failure
    EXPECT_EQ(fake_.messageBox.shown[1].text,
              QStringLiteral("A nyomtatás nem sikerült: a nyomtató nem érhető el.\n"
                             "Az A4-s lista nem lett kinyomtatva."));
    EXPECT_EQ(fake_.messageBox.shown[1].icon, MessageBoxService::Icon::Critical);
}

TEST_P(KeyPrintDeliveryTest, DeliveredJobsShowNoMessage) {
    loadKey(keyRows(3));
    click("Command3D1");
    text("Text3")->setText("1");
    text("Text4")->setText("2");
    click("Command3D9");
    EXPECT_TRUE(fake_.messageBox.shown.empty());
    EXPECT_EQ(fake_.printer.jobsEnded, 2);
}

TEST_P(KeyPrintDeliveryTest, Text6IsCorrectedBeforeTheEjectNoticeAndThePrinting) {
    loadKey(keyRows(3));
    text("Text6")->setText("0");
    button("Check1")->click();
    QString text6WhenNoticed;
    int operationsWhenNoticed = -1;
    fake_.messageBox.whileShown = [&](const FakeMessageBox::Shown&) {
        text6WhenNoticed = text("Text6")->text();
        operationsWhenNoticed = int(fake_.printer.operations.size());
    };
    click("Command3D1");
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text,
              QStringLiteral("A nyomtatás egy szelvény lap-dobásával indul !"));
    EXPECT_EQ(text6WhenNoticed, QString::number(maxFields()));
    EXPECT_EQ(operationsWhenNoticed, 0) << "nothing is printed before the notice";
}

// No printer, and the PDF cannot be written: the message tells so and names no file.
TEST_P(KeyPrintDeliveryTest, UnwritablePdfFallbackIsTold) {
    QtPrintDevice::Options options;
    options.target = QtPrintDevice::Target::PdfInFolder;
    options.programName = programName();
    options.pdfFolder = folder_.filePath(QStringLiteral("missing/folder"));
    QtPrintDevice pdf(options);
    window_ = std::make_unique<KeyPrinterWindow>(profile(), fake_.servicesPrintingOn(pdf));
    ASSERT_TRUE(window_->load());
    loadKey(keyRows(2));
    click("Command3D1");
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fake_.messageBox.shown[0].text.startsWith(
        QStringLiteral("A nyomtatás nem sikerült: nincs nyomtató, és a PDF-fájlt nem sikerült "
                       "kiírni")))
        << fake_.messageBox.shown[0].text.toStdString();
    EXPECT_TRUE(fake_.messageBox.shown[0].text.endsWith(
        QStringLiteral("A szelvények nem lettek kinyomtatva.")));
    EXPECT_TRUE(window_->findChild<QLabel*>(QStringLiteral("StatusLine"))->isHidden());
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyPrintDeliveryTest);
