// The key printer window of an installed copy: its settings are saved into the user's folder
// and come back after a restart, and its key dialog opens in that folder and reads the
// last-folder file there. Nothing is written into the installation itself.
#include "core/base/GameProfile.h"
#include "keyprint/KeyPrinterWindow.h"
#include "tests/install/InstalledProgram.h"

#include <QFile>

namespace {

using InstalledKeyPrinterTest = InstalledWindowsTest;

TEST_F(InstalledKeyPrinterTest, KeyPrinterSettingsComeBackFromTheUserFolderAfterARestart) {
    InstalledProgram keyprint6(prefix_, QStringLiteral("keyprint6"));
    {
        KeyPrinterWindow window(gameProfile(6), keyprint6.services());
        ASSERT_TRUE(window.load());
        textBox(window, QStringLiteral("Text1"))->setText(QStringLiteral("3"));
        textBox(window, QStringLiteral("Text2"))->setText(QStringLiteral("-2"));
        textBox(window, QStringLiteral("Text5"))->setText(QStringLiteral("45"));
        click(window, QStringLiteral("Option2(2)"));
        click(window, QStringLiteral("Option4(1)"));
        click(window, QStringLiteral("Command3D3"));
    }
    EXPECT_EQ(readAll(userFile(6, QStringLiteral("beall6a.txt"))), "3,-2,45,2,1\r\n");

    keyprint6.restart();
    KeyPrinterWindow window(gameProfile(6), keyprint6.services());
    ASSERT_TRUE(window.load());
    EXPECT_EQ(textBox(window, QStringLiteral("Text1"))->text(), QStringLiteral("3"));
    EXPECT_EQ(textBox(window, QStringLiteral("Text2"))->text(), QStringLiteral("-2"));
    EXPECT_EQ(textBox(window, QStringLiteral("Text5"))->text(), QStringLiteral("45"));
    EXPECT_TRUE(button(window, QStringLiteral("Option2(2)"))->isChecked());
    EXPECT_TRUE(button(window, QStringLiteral("Option4(1)"))->isChecked());
    EXPECT_TRUE(keyprint6.fakes.messageBox.shown.empty());
}

TEST_F(InstalledKeyPrinterTest, KeyDialogOpensInTheUserFolderAndReadsItsLastFolderFile) {
    InstalledProgram keyprint5(prefix_, QStringLiteral("keyprint5"));
    KeyPrinterWindow window(gameProfile(5), keyprint5.services());
    ASSERT_TRUE(window.load());
    click(window, QStringLiteral("Command3D4"));
    QFile lastFolder(userFile(5, QStringLiteral("filenev.txt")));
    ASSERT_TRUE(lastFolder.open(QIODevice::WriteOnly));
    lastFolder.write("\"otos.txt\"\r\n");
    lastFolder.close();
    click(window, QStringLiteral("Command3D4"));

    const auto& requests = keyprint5.fakes.fileDialog.requests;
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].initialFolder, prefix_.gameFolder(5));
    EXPECT_EQ(requests[1].initialFolder, prefix_.gameFolder(5));
    EXPECT_EQ(requests[1].presetName, QStringLiteral("otos.txt"));
}

} // namespace
