// Loading a key through the window ("Kulcs választás") and the captions that follow it: the
// counts, the width, the selected row in Label7 and the slip count after Text6 loses the focus.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/base/NumberText.h"

#include <QFocusEvent>

namespace {

void loseFocus(QWidget* widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

} // namespace

using KeyLoadingWindowTest = KeyPrinterWindowTest;

TEST_P(KeyLoadingWindowTest, LoadingFillsTheListAndItsCaptions) {
    loadKey(keyRows(17));
    ASSERT_EQ(fake_.fileDialog.requests.size(), 1u);
    EXPECT_EQ(list1()->model()->rowCount(), 17);
    EXPECT_EQ(window_->rows().first(), keyRows(1).first());
    EXPECT_EQ(label("Label5")->text(), " 17");
    EXPECT_EQ(label("Label4")->text(), strForm(16 / maxFields() + 1));
    const QString width = game() == 7 ? "Label6" : "Label8";
    EXPECT_EQ(label(width)->text(), strForm(profile().numbersPerRow) + "t:");
    EXPECT_TRUE(fake_.messageBox.shown.empty());
}

TEST_P(KeyLoadingWindowTest, LoadingUsesAndCorrectsText6) {
    text("Text6")->setText("0");
    loadKey(keyRows(16));
    EXPECT_EQ(text("Text6")->text(), QString::number(maxFields()));
    text("Text6")->setText("4");
    loadKey(keyRows(16));
    EXPECT_EQ(text("Text6")->text(), "4");
    EXPECT_EQ(label("Label4")->text(), " 4");
}

TEST_P(KeyLoadingWindowTest, ANewLoadingEmptiesLabel7ExceptInTheSevenNumberPrinter) {
    loadKey(keyRows(20));
    selectRow(14);
    ASSERT_FALSE(label("Label7")->text().isEmpty());
    loadKey(keyRows(5));
    EXPECT_EQ(label("Label7")->text().isEmpty(), game() != 7);
    EXPECT_EQ(list1()->model()->rowCount(), 5);
}

TEST_P(KeyLoadingWindowTest, TooWideFirstRowIsRefusedAndEmptiesListAndCaptions) {
    QStringList wide = keyRows(3);
    wide[0] += QStringLiteral(" 02");
    loadKey(wide);
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, "Hibás kulcs formátum !");
    EXPECT_EQ(fake_.messageBox.shown[0].title, profile().keyTitle);
    EXPECT_EQ(list1()->model()->rowCount(), 0);
    for (const QString& caption :
         {QString("Label4"), QString("Label5"), QString(game() == 7 ? "Label6" : "Label8")}) {
        EXPECT_EQ(label(caption)->text(), "") << caption.toStdString();
    }
}

TEST_P(KeyLoadingWindowTest, CancellingTheDialogEmptiesTheListButKeepsTheCounts) {
    loadKey(keyRows(9));
    click("Command3D4"); // no answer queued: the dialog is cancelled
    EXPECT_EQ(list1()->model()->rowCount(), 0);
    EXPECT_EQ(label("Label5")->text(), " 9");
}

TEST_P(KeyLoadingWindowTest, FullSizeKeyLoadsIntoAUniformList) {
    loadKey(keyRows(32736));
    EXPECT_EQ(list1()->model()->rowCount(), 32736);
    EXPECT_EQ(label("Label5")->text(), " 32736");
    EXPECT_TRUE(list1()->uniformItemSizes());
    text("Text6")->setText("8");
    selectRow(32735);
    EXPECT_EQ(label("Label7")->text(), " 32736 / 4092");
}

TEST_P(KeyLoadingWindowTest, ClickingARowShowsItsNumberAndSlip) {
    loadKey(keyRows(40));
    struct Case {
        QString fieldsPerSlip;
        int row; // 0-based
        QString caption;
    };
    const std::vector<Case> cases{
        {"8", 14, " 15 / 2"},   {"8", 7, " 8 / 1"},    {"8", 8, " 9 / 2"},
        {"8", 0, " 1 / 1"},     {"1", 39, " 40 / 40"}, {"2.5", 14, " 15 / 8"},
        {"3.5", 14, " 15 / 4"}, {"1.5", 3, " 4 / 2"},  {" 3 ", 5, " 6 / 2"},
    };
    for (const Case& c : cases) {
        text("Text6")->setText(c.fieldsPerSlip);
        selectRow(c.row);
        EXPECT_EQ(label("Label7")->text(), c.caption)
            << c.fieldsPerSlip.toStdString() << " " << c.row;
    }
}

TEST_P(KeyLoadingWindowTest, ClickingARowWithNoFieldsLeavesLabel7) {
    loadKey(keyRows(10));
    text("Text6")->setText("8");
    selectRow(2);
    for (const char* zero : {"0", "0.5", "", "abc"}) {
        text("Text6")->setText(zero);
        selectRow(9);
        EXPECT_EQ(label("Label7")->text(), " 3 / 1") << zero;
    }
    EXPECT_EQ(text("Text6")->text(), "abc") << "a click does not correct Text6";
}

TEST_P(KeyLoadingWindowTest, Text6LosingTheFocusRecomputesTheSlipCount) {
    loadKey(keyRows(17));
    text("Text6")->setText("3");
    loseFocus(text("Text6"));
    EXPECT_EQ(label("Label4")->text(), " 6");
    EXPECT_EQ(text("Text6")->text(), "3");
    text("Text6")->setText("");
    loseFocus(text("Text6"));
    EXPECT_EQ(text("Text6")->text(), QString::number(maxFields()));
    EXPECT_EQ(label("Label4")->text(), strForm(16 / maxFields() + 1));
    text("Text6")->setText(QString::number(maxFields()));
    loseFocus(text("Text6"));
    EXPECT_EQ(text("Text6")->text(), QString::number(maxFields()));
    text("Text6")->setText("2.5");
    loseFocus(text("Text6"));
    EXPECT_EQ(label("Label4")->text(), " 7") << "floor(16 / 2.5) + 1";
    EXPECT_EQ(label("Label5")->text(), " 17") << "only the slip count is recomputed";
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyLoadingWindowTest);
