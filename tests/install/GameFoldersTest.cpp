// Two games' programs run from one folder, in the build folder's layout and in an installed
// one: each game keeps its own plain-row files, its key printer finds them where its key dialog
// opens, and files from the folder all six programs used to share come over on the first start.
#include "combiprint/CombinationPrinterWindow.h"
#include "combiprint/FullCombinationWindow.h"
#include "core/base/GameProfile.h"
#include "core/base/RowText.h"
#include "core/files/SettingsFile.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/keys/KeyChooser.h"
#include "keyprint/KeyPrinterWindow.h"
#include "tests/install/InstalledProgram.h"
#include "tests/support/FakeKeyListView.h"
#include "tests/support/ModalDialogs.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Layout = InstalledPrefix::Layout;

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class GameFoldersTest : public ::testing::TestWithParam<Layout> {
protected:
    // A full combination of the numbers 1..size made in combiprint<game>; its plain-row count.
    int makeFullCombination(int game, int size) {
        InstalledProgram combiprint(prefix, QStringLiteral("combiprint%1").arg(game));
        CombinationPrinterWindow window(gameProfile(game), combiprint.services());
        EXPECT_TRUE(window.load());
        whenModal([size](QWidget* shown) {
            auto* form2 = qobject_cast<FullCombinationWindow*>(shown);
            ASSERT_NE(form2, nullptr);
            click(*form2, QStringLiteral("Option1(%1)").arg(size - 13));
            for (int n = 1; n <= size; ++n) {
                click(*form2, QStringLiteral("Command3D5(%1)").arg(n));
            }
            click(*form2, QStringLiteral("SSCommand3"));
        });
        click(window, QStringLiteral("SSCommand1"));
        return window.selection().plainSlipCount();
    }

    // The key printer of the game: where its dialog opens, and the rows of `name` read there.
    std::pair<QString, QStringList> keyInKeyPrinter(int game, const QString& name) {
        InstalledProgram keyprint(prefix, QStringLiteral("keyprint%1").arg(game));
        Services services = keyprint.services();
        KeyChooser chooser(gameProfile(game), PrinterFamily::Key, services);
        keyprint.fakes.fileDialog.whileOpen = [&keyprint, name] {
            keyprint.fakes.fileDialog.answers.push_back(
                keyprint.fakes.fileDialog.requests.back().initialFolder + QLatin1Char('/') + name);
        };
        FakeKeyListView view;
        chooser.choose(view);
        return {keyprint.fakes.fileDialog.requests.at(0).initialFolder, view.shown.rows};
    }

    InstalledPrefix prefix{GetParam()};
};

TEST_P(GameFoldersTest, EachGameKeepsItsOwnPlainRowsAndItsKeyPrinterFindsThem) {
    const int size = 16;
    const int plainRows[] = {makeFullCombination(5, size), makeFullCombination(6, size)};
    const QString name = FullCombinationTemplate::plainSlipFileName(size);
    for (int i = 0; i < 2; ++i) {
        const int game = 5 + i;
        const auto [folder, rows] = keyInKeyPrinter(game, name);
        EXPECT_EQ(folder, prefix.gameFolder(game));
        ASSERT_GT(plainRows[i], 0);
        EXPECT_EQ(rows.size(), plainRows[i]) << game;
        for (const QString& row : rows) {
            EXPECT_EQ(rowWidth(row), gameProfile(game).numbersPerRow) << row.toStdString();
        }
    }
}

TEST_P(GameFoldersTest, FilesOfTheSharedFolderComeOverOnTheFirstStart) {
    const QDir shared(prefix.sharedFolder());
    QDir().mkpath(shared.path());
    writeFile(shared.filePath(settingsFileName(PrinterFamily::Key, 6)), "3,-2,45,2,1\r\n");
    writeFile(shared.filePath(settingsFileName(PrinterFamily::Combination, 5)), "1.5,0,2\r\n");
    writeFile(shared.filePath(QStringLiteral("filenev.txt")), "\"hatos.txt\"\r\n");
    writeFile(shared.filePath(QStringLiteral("sima16.txt")), "01 02 03 04 05 06 \r\n");
    writeFile(shared.filePath(QStringLiteral("sima15.txt")), "01 02 03 04 05 \r\n");

    InstalledProgram keyprint6(prefix, QStringLiteral("keyprint6"));
    KeyPrinterWindow window(gameProfile(6), keyprint6.services());
    ASSERT_TRUE(window.load());
    EXPECT_EQ(textBox(window, QStringLiteral("Text1"))->text(), QStringLiteral("3"));
    click(window, QStringLiteral("Command3D4"));
    ASSERT_EQ(keyprint6.fakes.fileDialog.requests.size(), 1u);
    EXPECT_EQ(keyprint6.fakes.fileDialog.requests[0].presetName, QStringLiteral("hatos.txt"));

    InstalledProgram combiprint5(prefix, QStringLiteral("combiprint5"));
    CombinationPrinterWindow combination(gameProfile(5), combiprint5.services());
    ASSERT_TRUE(combination.load());
    EXPECT_EQ(textBox(combination, QStringLiteral("Text1"))->text().replace(',', '.'),
              QStringLiteral("1.5"));
    const auto has = [this](int game, const char* file) {
        return QFile::exists(QDir(prefix.gameFolder(game)).filePath(QString::fromLatin1(file)));
    };
    EXPECT_TRUE(has(6, "sima16.txt") && !has(6, "sima15.txt"));
    EXPECT_TRUE(has(5, "sima15.txt") && !has(5, "sima16.txt"));
    EXPECT_TRUE(has(5, "filenev.txt") && has(6, "filenev.txt"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, GameFoldersTest,
                         ::testing::Values(Layout::Portable, Layout::Installed),
                         [](const ::testing::TestParamInfo<Layout>& info) {
                             return info.param == Layout::Portable ? "BuildFolder" : "Installed";
                         });

// A write-protected copy that carries its settings beside the executable: an ordinary user's
// first start reads them, a save goes to the user's folder, and the next start reads that.
// Root may write anywhere, so the user runs in a child process as nobody.
TEST(WriteProtectedCopyTest, ReadsItsOwnSettingsUntilTheUserSavesOwnOnes) {
    const passwd* other = getpwnam("nobody");
    if (geteuid() != 0 || other == nullptr) {
        GTEST_SKIP() << "needs root to run as an ordinary user (nobody)";
    }
    InstalledPrefix stick(Layout::Portable);
    const QString settings = settingsFileName(PrinterFamily::Key, 6);
    writeFile(QDir(stick.executableFolder()).filePath(settings), "3,-2,45,2,1\r\n");
    QDir().mkpath(QFileInfo(stick.userFolder()).path());
    const QFile::Permissions readable =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    for (const char* below : {"../..", "..", "."}) {
        QFile::setPermissions(QDir(stick.executableFolder()).filePath(QString::fromLatin1(below)),
                              readable);
    }
    const QByteArray home = QFile::encodeName(QFileInfo(stick.userFolder()).path());
    ASSERT_EQ(chown(home.constData(), other->pw_uid, other->pw_gid), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = setgid(other->pw_gid) == 0 && setuid(other->pw_uid) == 0;
        const auto start = [&stick] {
            return QtProgramInfo(QStringLiteral("keyprint6"), stick.locations());
        };
        const QtProgramInfo first = start();
        const KeyPrinterSettings read = loadKeyPrinterSettings(first.readPath(settings), {});
        const bool saved = saveKeyPrinterSettings(
            first.programFolder() + QLatin1Char('/') + settings, {"7", "1", "60", 0, 0});
        const QtProgramInfo next = start();
        const KeyPrinterSettings again = loadKeyPrinterSettings(next.readPath(settings), {});
        const int result = !dropped                                                          ? 2
                           : !first.isInstalled()                                            ? 3
                           : read.offsetDown != QStringLiteral("3")                          ? 4
                           : !saved || !first.programFolder().startsWith(stick.userFolder()) ? 5
                           : again.offsetDown != QStringLiteral("7")                         ? 6
                                                                                             : 0;
        _exit(result);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "2: not nobody, 3: not taken as read-only, 4: own settings not read, "
           "5: not saved into the user folder, 6: the user's settings not read back";
    EXPECT_EQ(readAll(QDir(stick.executableFolder()).filePath(settings)), "3,-2,45,2,1\r\n");
}

} // namespace
