#include "core/files/SettingsFile.h"
#include "core/base/NumberText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString keyPath() const { return folder.filePath(settingsFileName(PrinterFamily::Key, 6)); }
    QString combiPath() const {
        return folder.filePath(settingsFileName(PrinterFamily::Combination, 7));
    }
};

TEST(SettingsFileName, OnePerProgram) {
    EXPECT_EQ(settingsFileName(PrinterFamily::Key, 5), "beall56.txt");
    EXPECT_EQ(settingsFileName(PrinterFamily::Key, 6), "beall6a.txt");
    EXPECT_EQ(settingsFileName(PrinterFamily::Key, 7), "beall7a.txt");
    EXPECT_EQ(settingsFileName(PrinterFamily::Combination, 5), "beall5k.txt");
    EXPECT_EQ(settingsFileName(PrinterFamily::Combination, 6), "beall6k.txt");
    EXPECT_EQ(settingsFileName(PrinterFamily::Combination, 7), "beall7k.txt");
}

TEST_F(SettingsFileTest, KeyPrinterWritesOneLineAndOverwrites) {
    ASSERT_TRUE(saveKeyPrinterSettings(keyPath(), {"3", "-2", "60", 2, 1}));
    EXPECT_EQ(contentOf(keyPath()), "3,-2,60,2,1\r\n");
    ASSERT_TRUE(saveKeyPrinterSettings(keyPath(), {" 0,25 ", "abc", "45x", -1, -1}));
    EXPECT_EQ(contentOf(keyPath()), "0.25,0,45,0,0\r\n");
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"beall6a.txt"}));
}

TEST_F(SettingsFileTest, KeyPrinterRoundTrip) {
    ASSERT_TRUE(saveKeyPrinterSettings(keyPath(), {"1,5", "-2", "60", 2, 1}));
    EXPECT_EQ(contentOf(keyPath()), "1.5,-2,60,2,1\r\n");
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(keyPath(), KeyPrinterSettings{});
    EXPECT_EQ(loaded.offsetDown, "1.5");
    EXPECT_FLOAT_EQ(offsetNumber(loaded.offsetDown), 1.5f);
    EXPECT_EQ(loaded.offsetRight, "-2");
    EXPECT_EQ(loaded.rowsPerColumn, "60");
    EXPECT_EQ(loaded.markIndex, 2);
    EXPECT_EQ(loaded.orientationIndex, 1);
}

TEST_F(SettingsFileTest, KeyPrinterMissingAndZeroValues) {
    const KeyPrinterSettings current{"7", "8", "30", 2, 1};
    // Four values: the orientation reads as 0 ("álló"), not the current one.
    writeFile(keyPath(), "3,-2,40,0\r\n");
    KeyPrinterSettings loaded = loadKeyPrinterSettings(keyPath(), current);
    EXPECT_EQ(loaded.rowsPerColumn, "40");
    EXPECT_EQ(loaded.markIndex, 0);
    EXPECT_EQ(loaded.orientationIndex, 0);
    // A third value of 0 gives 60.
    writeFile(keyPath(), "3,-2,0,1,0\r\n");
    EXPECT_EQ(loadKeyPrinterSettings(keyPath(), current).rowsPerColumn, "60");
    // A file that ends after the first value: empty boxes and 60.
    writeFile(keyPath(), "2.5");
    loaded = loadKeyPrinterSettings(keyPath(), current);
    EXPECT_EQ(loaded.offsetDown, "2.5");
    EXPECT_EQ(loaded.offsetRight, "");
    EXPECT_EQ(loaded.rowsPerColumn, "60");
}

TEST_F(SettingsFileTest, KeyPrinterOutOfRangeIndicesKeepTheSelection) {
    const KeyPrinterSettings current{"0", "0", "60", 1, 1};
    writeFile(keyPath(), "0,0,60,3,2\r\n");
    KeyPrinterSettings loaded = loadKeyPrinterSettings(keyPath(), current);
    EXPECT_EQ(loaded.markIndex, 1);
    EXPECT_EQ(loaded.orientationIndex, 1);
    writeFile(keyPath(), "0,0,60,-1,99999999999999999999\r\n");
    loaded = loadKeyPrinterSettings(keyPath(), current);
    EXPECT_EQ(loaded.markIndex, 1);
    EXPECT_EQ(loaded.orientationIndex, 1);
}

TEST_F(SettingsFileTest, KeyPrinterFieldsFollowTheReadingRule) {
    writeFile(keyPath(), "  \"3\"\n-2\r60 , 1\r\n0");
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(keyPath(), {"x", "y", "z", 2, 1});
    EXPECT_EQ(loaded.offsetDown, "3");
    EXPECT_EQ(loaded.offsetRight, "-2");
    EXPECT_EQ(loaded.rowsPerColumn, "60");
    EXPECT_EQ(loaded.markIndex, 1);
    EXPECT_EQ(loaded.orientationIndex, 0);
}

TEST_F(SettingsFileTest, KeyPrinterWithoutFileKeepsTheWindowValues) {
    const KeyPrinterSettings current{"1", "2", "33", 2, 1};
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(keyPath(), current);
    EXPECT_EQ(loaded.offsetDown, "1");
    EXPECT_EQ(loaded.rowsPerColumn, "33");
    EXPECT_EQ(loaded.markIndex, 2);
    const KeyPrinterSettings defaults = loadKeyPrinterSettings(keyPath(), KeyPrinterSettings{});
    EXPECT_EQ(defaults.offsetDown, "0");
    EXPECT_EQ(defaults.offsetRight, "0");
    EXPECT_EQ(defaults.rowsPerColumn, "60");
    EXPECT_EQ(defaults.markIndex, 1);
    EXPECT_EQ(defaults.orientationIndex, 0);
}

TEST_F(SettingsFileTest, CombinationPrinterRoundTripAndDefaults) {
    const CombinationPrinterSettings noFile =
        loadCombinationPrinterSettings(combiPath(), CombinationPrinterSettings{"5", "6", 2});
    EXPECT_EQ(noFile.offsetDown, "0");
    EXPECT_EQ(noFile.offsetRight, "0");
    EXPECT_EQ(noFile.markIndex, 0);

    ASSERT_TRUE(saveCombinationPrinterSettings(combiPath(), {"1,5", "-2", 2}));
    EXPECT_EQ(contentOf(combiPath()), "1.5,-2,2\r\n");
    const CombinationPrinterSettings loaded =
        loadCombinationPrinterSettings(combiPath(), CombinationPrinterSettings{});
    EXPECT_EQ(loaded.offsetDown, "1.5");
    EXPECT_EQ(loaded.offsetRight, "-2");
    EXPECT_EQ(loaded.markIndex, 2);

    ASSERT_TRUE(saveCombinationPrinterSettings(combiPath(), {"0", "0", -1}));
    EXPECT_EQ(contentOf(combiPath()), "0,0,0\r\n");
    writeFile(combiPath(), "0,0,7\r\n");
    EXPECT_EQ(loadCombinationPrinterSettings(combiPath(), {"0", "0", 1}).markIndex, 1);
}

TEST_F(SettingsFileTest, SaveIntoAMissingFolderFails) {
    const QString path = folder.filePath("missing/beall6a.txt");
    EXPECT_FALSE(saveKeyPrinterSettings(path, {"3", "-2", "60", 2, 1}));
    EXPECT_FALSE(saveCombinationPrinterSettings(path, {"3", "-2", 2}));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(SettingsFileTest, UnwritableOrUnreadableFileKeepsEverything) {
    // A folder where the file should be can neither be read nor replaced.
    ASSERT_TRUE(QDir(folder.path()).mkdir(settingsFileName(PrinterFamily::Key, 6)));
    ASSERT_TRUE(QDir(folder.path()).mkdir(settingsFileName(PrinterFamily::Combination, 7)));
    ASSERT_TRUE(QDir(keyPath()).mkdir("inside"));
    EXPECT_FALSE(saveKeyPrinterSettings(keyPath(), {"3", "-2", "60", 2, 1}));
    EXPECT_FALSE(saveCombinationPrinterSettings(combiPath(), {"3", "-2", 2}));
    EXPECT_TRUE(QDir(keyPath()).exists("inside"));

    const KeyPrinterSettings key = loadKeyPrinterSettings(keyPath(), {"1", "2", "33", 2, 1});
    EXPECT_EQ(key.offsetDown, "1");
    EXPECT_EQ(key.rowsPerColumn, "33");
    EXPECT_EQ(key.markIndex, 2);
    const CombinationPrinterSettings combi =
        loadCombinationPrinterSettings(combiPath(), {"5", "6", 2});
    EXPECT_EQ(combi.offsetDown, "0");
    EXPECT_EQ(combi.markIndex, 0);
    // Nothing but the two folders is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(SettingsFileTest, FailedSaveKeepsTheOldFileWhole) {
    // The longest name the file system allows leaves no room for the temporary file's name
    // beside it, so the save fails after the old file was found.
    const QString path = folder.filePath(QString(250, QLatin1Char('b')) + ".txt");
    writeFile(path, "3,-2,60,2,1\r\n");
    ASSERT_EQ(contentOf(path), "3,-2,60,2,1\r\n");
    EXPECT_FALSE(saveKeyPrinterSettings(path, {"7", "7", "7", 0, 0}));
    EXPECT_FALSE(saveCombinationPrinterSettings(path, {"7", "7", 0}));
    EXPECT_EQ(contentOf(path), "3,-2,60,2,1\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SettingsFileTest, TabIsNoBlankInAValue) {
    // A value made of a tab is not empty: it reads as the number 0. A tab before a number
    // stops the reading, as in a text box.
    writeFile(keyPath(), "\t,\t2,60,1,0\r\n");
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(keyPath(), KeyPrinterSettings{});
    EXPECT_EQ(loaded.offsetDown, "0");
    EXPECT_EQ(loaded.offsetRight, "0");
    EXPECT_EQ(loaded.markIndex, 1);
}

TEST_F(SettingsFileTest, WriteProtectedKeyPrinterFileIsMadeWritableAndReplaced) {
    writeFile(keyPath(), "1,1,1,1,1\r\n");
    ASSERT_TRUE(QFile::setPermissions(keyPath(), QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_TRUE(saveKeyPrinterSettings(keyPath(), {"3", "-2", "60", 2, 1}));
    EXPECT_EQ(contentOf(keyPath()), "3,-2,60,2,1\r\n");
    // The new file has normal attributes: the owner may write it again.
    const QFile::Permissions after = QFile::permissions(keyPath());
    EXPECT_TRUE(after.testFlag(QFile::WriteOwner));
    EXPECT_TRUE(after.testFlag(QFile::ReadOwner));
    EXPECT_TRUE(after.testFlag(QFile::ReadGroup));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"beall6a.txt"}));
}
