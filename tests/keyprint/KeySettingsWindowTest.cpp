// The settings file saved by "Beállítás mentése" and read by the load handler, through the
// window and a real program folder.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include <QFile>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

} // namespace

class KeySettingsWindowTest : public KeyPrinterWindowTest {
protected:
    QString settingsPath() const {
        const char* names[] = {"beall56.txt", "beall6a.txt", "beall7a.txt"};
        return folder_.filePath(QString::fromLatin1(names[game() - 5]));
    }
};

TEST_P(KeySettingsWindowTest, SavedSettingsComeBackInTheNextWindow) {
    text("Text1")->setText("3");
    text("Text2")->setText("-2");
    text("Text5")->setText("60");
    button("Option2(2)")->click();
    button("Option4(1)")->click();
    click("Command3D3");
    EXPECT_EQ(readAll(settingsPath()), "3,-2,60,2,1\r\n");
    EXPECT_TRUE(fake_.messageBox.shown.empty());

    // Saving again overwrites the file.
    text("Text5")->setText("45");
    click("Command3D3");
    EXPECT_EQ(readAll(settingsPath()), "3,-2,45,2,1\r\n");

    window_ = openWindow();
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(text("Text1")->text(), "3");
    EXPECT_EQ(text("Text2")->text(), "-2");
    EXPECT_EQ(text("Text5")->text(), "45");
    EXPECT_TRUE(button("Option2(2)")->isChecked());
    EXPECT_FALSE(button("Option2(1)")->isChecked());
    EXPECT_TRUE(button("Option4(1)")->isChecked());
    EXPECT_FALSE(button("Option4(0)")->isChecked());
}

TEST_P(KeySettingsWindowTest, DecimalCommaIsSavedAsAFullStopAndShownAgain) {
    text("Text1")->setText("1,5");
    text("Text2")->setText(" 2.25 mm");
    click("Command3D3");
    EXPECT_EQ(readAll(settingsPath()), "1.5,2.25,60,1,0\r\n");
    window_ = openWindow();
    ASSERT_NE(window_, nullptr);
    EXPECT_DOUBLE_EQ(text("Text1")->text().replace(',', '.').toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(text("Text2")->text().replace(',', '.').toDouble(), 2.25);
}

TEST_P(KeySettingsWindowTest, ZeroRowsPerColumnLoadsAsSixty) {
    ASSERT_TRUE(writeAll(settingsPath(), "4,5,0,0,1\r\n"));
    window_ = openWindow();
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(text("Text1")->text(), "4");
    EXPECT_EQ(text("Text2")->text(), "5");
    EXPECT_EQ(text("Text5")->text(), "60");
    EXPECT_TRUE(button("Option2(0)")->isChecked());
    EXPECT_TRUE(button("Option4(1)")->isChecked());
}

TEST_P(KeySettingsWindowTest, ShortOrOutOfRangeFilesKeepSensibleSelections) {
    ASSERT_TRUE(writeAll(settingsPath(), "1,2,30,2\r\n"));
    window_ = openWindow();
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(button("Option2(2)")->isChecked());
    EXPECT_TRUE(button("Option4(0)")->isChecked()) << "a missing fifth value means álló";

    ASSERT_TRUE(writeAll(settingsPath(), "1,2,30,7,5\r\n"));
    window_ = openWindow();
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(button("Option2(1)")->isChecked()) << "the design selection stays";
    EXPECT_TRUE(button("Option4(0)")->isChecked());
    EXPECT_EQ(text("Text5")->text(), "30");
}

TEST_P(KeySettingsWindowTest, SavingIntoAMissingFolderFailsSilently) {
    fake_.program.folder = folder_.filePath("missing");
    text("Text1")->setText("9");
    click("Command3D3");
    EXPECT_TRUE(fake_.messageBox.shown.empty());
    EXPECT_EQ(text("Text1")->text(), "9");
    EXPECT_FALSE(QFile::exists(folder_.filePath("missing")));
}

INSTANTIATE_FOR_KEY_PRINTERS(KeySettingsWindowTest);
