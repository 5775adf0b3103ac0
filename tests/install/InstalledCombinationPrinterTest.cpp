// The combination printer window of an installed copy: its settings come back from the user's
// folder after a restart, it reads its templates and XX.BMP from the share folder, and the
// plain-row file of a full combination lands in the user's folder, where the key dialog opens
// and loads it as a key. Nothing is written into the installation itself.
#include "combiprint/CombinationPrinterWindow.h"
#include "combiprint/FullCombinationWindow.h"
#include "core/base/GameProfile.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/keys/KeyChooser.h"
#include "tests/install/InstalledProgram.h"
#include "tests/support/FakeKeyListView.h"
#include "tests/support/ModalDialogs.h"

#include <QDir>
#include <QListWidget>

#include <functional>

namespace {

class InstalledCombinationPrinterTest : public InstalledWindowsTest {
protected:
    // Opens the full-combination window through "7-s kombinációk" and lets act drive it while it
    // is shown; a window still open afterwards is closed so that the test never waits on it.
    static void withFullCombinationWindow(CombinationPrinterWindow& window,
                                          const std::function<void(FullCombinationWindow&)>& act) {
        whenModal([act](QWidget* shown) {
            auto* form2 = qobject_cast<FullCombinationWindow*>(shown);
            ASSERT_NE(form2, nullptr);
            act(*form2);
        });
        click(window, QStringLiteral("SSCommand1"));
    }
};

TEST_F(InstalledCombinationPrinterTest, SettingsComeBackFromTheUserFolderAfterARestart) {
    InstalledProgram combiprint7(prefix_, QStringLiteral("combiprint7"));
    {
        CombinationPrinterWindow window(gameProfile(7), combiprint7.services());
        ASSERT_TRUE(window.load());
        textBox(window, QStringLiteral("Text1"))->setText(QStringLiteral("1,5"));
        textBox(window, QStringLiteral("Text2"))->setText(QStringLiteral("-2"));
        click(window, QStringLiteral("Option2(1)"));
        click(window, QStringLiteral("Command3D3"));
    }
    EXPECT_EQ(readAll(userFile(7, QStringLiteral("beall7k.txt"))), "1.5,-2,1\r\n");

    combiprint7.restart();
    CombinationPrinterWindow window(gameProfile(7), combiprint7.services());
    ASSERT_TRUE(window.load());
    EXPECT_EQ(textBox(window, QStringLiteral("Text1"))->text().replace(',', '.'),
              QStringLiteral("1.5"));
    EXPECT_EQ(textBox(window, QStringLiteral("Text2"))->text(), QStringLiteral("-2"));
    EXPECT_TRUE(button(window, QStringLiteral("Option2(1)"))->isChecked());
}

TEST_F(InstalledCombinationPrinterTest,
       PlainRowFileIsWrittenToTheUserFolderAndLoadsInTheKeyPrinter) {
    const int size = 18; // the smallest 7-number template with plain rows
    InstalledProgram combiprint7(prefix_, QStringLiteral("combiprint7"));
    CombinationPrinterWindow window(gameProfile(7), combiprint7.services());
    ASSERT_TRUE(window.load());
    bool pictureShown = false;
    withFullCombinationWindow(window, [&](FullCombinationWindow& form2) {
        click(form2, QStringLiteral("Option1(%1)").arg(size - 13));
        for (int n = 1; n <= size; ++n) {
            click(form2, QStringLiteral("Command3D5(%1)").arg(2 * n - 1));
        }
        pictureShown = !button(form2, QStringLiteral("Command3D5(1)"))->icon().isNull();
        click(form2, QStringLiteral("SSCommand3"));
    });
    EXPECT_TRUE(pictureShown) << "XX.BMP comes from the share folder";
    const auto templ = FullCombinationTemplate::load(
        QDir(prefix_.sharedDataFolder()).filePath(FullCombinationTemplate::fileName(7, size)));
    ASSERT_TRUE(templ);
    EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("List2"))->count(),
              templ->markerPosition());

    const QString plainFile = userFile(7, FullCombinationTemplate::plainSlipFileName(size));
    const QStringList plainRows =
        QString::fromLatin1(readAll(plainFile))
            .split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
    ASSERT_FALSE(plainRows.isEmpty()) << plainFile.toStdString();
    EXPECT_EQ(plainRows.size(), window.selection().plainSlipCount());

    InstalledProgram keyprint7(prefix_, QStringLiteral("keyprint7"));
    keyprint7.fakes.fileDialog.answers.push_back(plainFile);
    Services keyServices = keyprint7.services();
    KeyChooser chooser(gameProfile(7), PrinterFamily::Key, keyServices);
    FakeKeyListView view;
    chooser.choose(view);
    const ShownKey& choice = view.shown;
    ASSERT_EQ(keyprint7.fakes.fileDialog.requests.size(), 1u);
    EXPECT_EQ(keyprint7.fakes.fileDialog.requests[0].initialFolder, prefix_.gameFolder(7));
    EXPECT_EQ(choice.rows, plainRows);
    EXPECT_TRUE(keyprint7.fakes.messageBox.shown.empty());
}

} // namespace
