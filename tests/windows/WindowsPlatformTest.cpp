// What the programs do differently on Windows, run under Wine or on Windows: where a portable
// and an installed copy keep their files, the single-instance lock, the real hidden attribute of
// the key printers' settings file, and the slip faces standing in for missing ones.

#include "core/files/SettingsFile.h"
#include "services/QtProgramInfo.h"
#include "services/QtSingleInstance.h"
#include "services/QtTranslation.h"
#include "services/SlipFaces.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

DWORD attributesOf(const QString& path) {
    return GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
}

class WindowsFolders : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        locations_ = {root_.filePath("app"), root_.filePath("local/lotto-szelveny"),
                      root_.filePath("Documents")};
        ASSERT_TRUE(QDir().mkpath(locations_.executableFolder));
        QFile bmp(QDir(locations_.executableFolder).filePath("XX.BMP"));
        ASSERT_TRUE(bmp.open(QIODevice::WriteOnly)); // a writable folder holding the data
    }
    QTemporaryDir root_;
    ProgramLocations locations_;
};

// A writable folder with the data would be a portable copy on Linux; on Windows only the marker
// makes one.
TEST_F(WindowsFolders, WithoutTheMarkerACopyIsInstalled) {
    const QtProgramInfo info(QStringLiteral("keyprint6"), locations_);
    EXPECT_TRUE(info.isInstalled());
    EXPECT_EQ(info.programFolder(), QDir::cleanPath(locations_.userDataFolder + "/lotto6"));
    EXPECT_TRUE(QFileInfo(info.programFolder()).isDir());
    EXPECT_EQ(info.pdfFolder(), QDir::cleanPath(locations_.documentsFolder));
    EXPECT_EQ(info.dataFolder(), QDir::cleanPath(locations_.executableFolder));
    EXPECT_FALSE(QFileInfo::exists(locations_.executableFolder + "/lotto6"));
}

TEST_F(WindowsFolders, TheMarkerKeepsFoldersAndPdfsBesideTheExecutables) {
    QFile marker(QDir(locations_.executableFolder).filePath("portable.txt"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const QtProgramInfo info(QStringLiteral("combiprint7"), locations_);
    EXPECT_FALSE(info.isInstalled());
    EXPECT_EQ(info.programFolder(), QDir::cleanPath(locations_.executableFolder + "/lotto7"));
    EXPECT_EQ(info.pdfFolder(), QDir::cleanPath(locations_.executableFolder));
    EXPECT_FALSE(QFileInfo::exists(locations_.userDataFolder));
}

TEST(WindowsUserFolders, TheUsersFoldersAreLocalAppDataAndDocuments) {
    const ProgramLocations real = ProgramLocations::ofRunningProgram();
    const QString local = qEnvironmentVariable("LOCALAPPDATA");
    ASSERT_FALSE(local.isEmpty());
    EXPECT_EQ(QDir::cleanPath(real.userDataFolder).toLower(),
              QDir::cleanPath(QDir::fromNativeSeparators(local) + "/lotto-szelveny").toLower());
    EXPECT_TRUE(real.documentsFolder.endsWith("/Documents", Qt::CaseInsensitive))
        << real.documentsFolder.toStdString();

    // The lock lies there too, and holds one instance per program.
    QtSingleInstance first(QStringLiteral("windows_tests_lock"));
    QtSingleInstance second(QStringLiteral("windows_tests_lock"));
    QtSingleInstance other(QStringLiteral("windows_tests_other_lock"));
    EXPECT_EQ(QFileInfo(first.lockPath()).absolutePath().toLower(),
              QDir::cleanPath(real.userDataFolder).toLower());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(other.acquire());
}

// Wine gives a program the same process id in every session, so a killed instance's lock names
// the next one: it is stale all the same, while a lock this process holds still refuses.
TEST(WindowsSingleInstance, ALockNamingThisProcessIsTakenOverUnlessHeldHere) {
    QTemporaryDir folder;
    QFile left(folder.filePath("keyprint6.instance.lock"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    // pid, application, host: Qt takes it for the lock of this running program.
    left.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
               QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    left.close();
    QtSingleInstance restarted(QStringLiteral("keyprint6"), folder.path());
    EXPECT_TRUE(restarted.acquire());
    QtSingleInstance second(QStringLiteral("keyprint6"), folder.path());
    EXPECT_FALSE(second.acquire());
}

// A second save over the hidden settings file succeeds, and the file ends hidden each time with
// the real attribute. (Windows refuses a plain CREATE_ALWAYS over a hidden file; Wine does not,
// so the save's clearing of the attributes is what this run cannot tell apart.)
TEST(WindowsHiddenSettings, SavingTwiceOverTheHiddenFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("beall6a.txt");
    KeyPrinterSettings values;
    values.offsetDown = "1";
    ASSERT_TRUE(saveKeyPrinterSettings(path, values));
    ASSERT_NE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()); // Qt sees it hidden too

    values.offsetDown = "2,5";
    values.markIndex = 2;
    ASSERT_TRUE(saveKeyPrinterSettings(path, values));
    EXPECT_NE(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN, 0u);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), keyPrinterSettingsLine(values));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"beall6a.txt"}); // no temporary file left behind
}

// Qt finds its Hungarian texts through the qt.conf beside the executables.
TEST(WindowsQtTexts, QtsOwnTextsAreHungarian) {
    QTranslator* translator = installHungarianQtTexts(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr)
        << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Mégse"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QLocale::setDefault(QLocale::c());
}

// The faces shipped beside the executables stand in for the missing slip faces; a face the
// system has is left alone.
TEST(WindowsSlipFaces, MissingFacesAreServedByTheShippedOnes) {
    const QString shipped = QCoreApplication::applicationDirPath() + "/fonts";
    ASSERT_TRUE(QFileInfo::exists(shipped + "/arial black")) << shipped.toStdString();
    const QStringList missing = {QStringLiteral("arial black"), QStringLiteral("times new roman")};
    for (const QString& face : missing) {
        if (QFontDatabase::hasFamily(face)) {
            GTEST_SKIP() << face.toStdString() << " is installed on this system";
        }
    }
    QTemporaryDir folder;
    const QString present = QFontDatabase::families().value(0);
    ASSERT_FALSE(present.isEmpty());
    ASSERT_TRUE(QDir(folder.path()).mkpath(present));
    QFile::copy(shipped + "/arial black/DejaVuSans.ttf",
                QDir(folder.filePath(present)).filePath("DejaVuSans.ttf"));
    EXPECT_TRUE(provideMissingFaces(folder.path()).isEmpty());
    EXPECT_EQ(QFontInfo(QFont(present)).family(), present);

    EXPECT_EQ(provideMissingFaces(shipped), missing);
    EXPECT_EQ(QFontInfo(QFont("arial black")).family(), QStringLiteral("DejaVu Sans"));
    QFont serif("times new roman");
    EXPECT_EQ(QFontInfo(serif).family(), QStringLiteral("Liberation Serif"));
    serif.setBold(true);
    EXPECT_TRUE(QFontInfo(serif).bold());
}

} // namespace
