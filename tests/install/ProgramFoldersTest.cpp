// Where a portable and an installed copy keep their files, decided by QtProgramInfo from the
// folders it is given.
#include "core/print/RecordingPrintSurface.h"
#include "services/QtProgramInfo.h"
#include "services/QtServices.h"
#include "tests/install/InstalledPrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct LayoutCase {
    bool writable;
    bool dataBesideExecutable;
    bool dataInShare;
    bool installed;
};

class FolderDecisionTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FolderDecisionTest, InstalledWhenReadOnlyOrWhenOnlyTheShareFolderHoldsTheData) {
    const LayoutCase c = GetParam();
    EXPECT_EQ(QtProgramInfo::isInstalledLayout(c.writable, c.dataBesideExecutable, c.dataInShare),
              c.installed);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FolderDecisionTest,
    ::testing::Values(LayoutCase{true, true, false, false},   // build folder, USB stick
                      LayoutCase{true, true, true, false},    // portable copy inside a prefix
                      LayoutCase{true, false, false, false},  // bare writable folder
                      LayoutCase{true, false, true, true},    // /usr/bin run by root
                      LayoutCase{false, false, true, true},   // /usr/bin run by a user
                      LayoutCase{false, true, false, true},   // write-protected stick
                      LayoutCase{false, true, true, true},    // read-only copy in a prefix
                      LayoutCase{false, false, false, true}), // broken install
    [](const ::testing::TestParamInfo<LayoutCase>& info) {
        const LayoutCase& c = info.param;
        return std::string(c.writable ? "Writable" : "ReadOnly") +
               (c.dataBesideExecutable ? "DataBeside" : "NoDataBeside") +
               (c.dataInShare ? "DataInShare" : "NoDataInShare");
    });

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(ProgramFoldersTest, PortableCopyKeepsEverythingBesideTheExecutable) {
    QTemporaryDir home;
    QTemporaryDir copy;
    touch(copy.filePath(QStringLiteral("XX.BMP")));
    const ProgramLocations locations{copy.path() + QLatin1Char('/'),
                                     home.filePath(QStringLiteral("data")),
                                     home.filePath(QStringLiteral("docs"))};
    const QtProgramInfo program(QStringLiteral("keyprint6"), locations);
    EXPECT_FALSE(program.isInstalled());
    EXPECT_EQ(program.programFolder(), copy.filePath(QStringLiteral("lotto6")));
    EXPECT_TRUE(QFileInfo(program.programFolder()).isDir()) << "made at start";
    EXPECT_EQ(program.dataFolder(), copy.path());
    EXPECT_EQ(program.pdfFolder(), copy.path());
    EXPECT_TRUE(QDir(home.path()).isEmpty()) << "a portable copy makes no user folders";
}

TEST(ProgramFoldersTest, InstalledCopyWritesIntoTheUserFoldersAndReadsTheShareFolder) {
    InstalledPrefix prefix;
    const QStringList installed = prefix.installedFiles();
    const QtProgramInfo program(QStringLiteral("combiprint7"), prefix.locations());
    EXPECT_TRUE(program.isInstalled());
    EXPECT_EQ(program.programFolder(), prefix.gameFolder(7));
    EXPECT_TRUE(QFileInfo(prefix.gameFolder(7)).isDir()) << "made at start";
    EXPECT_EQ(program.dataFolder(), prefix.sharedDataFolder()) << "without bin/..";
    EXPECT_TRUE(QFileInfo::exists(program.dataFolder() + QStringLiteral("/tkombi7_13.txt")));
    EXPECT_EQ(program.pdfFolder(), prefix.documentsFolder());
    EXPECT_TRUE(QFileInfo(prefix.documentsFolder()).isDir());
    EXPECT_EQ(prefix.installedFiles(), installed);
}

TEST(ProgramFoldersTest, PdfJobsGoToTheUserFolderWhenTheDocumentsFolderCannotBeMade) {
    InstalledPrefix prefix;
    QTemporaryDir elsewhere;
    const QString blocker = elsewhere.filePath(QStringLiteral("file"));
    touch(blocker);
    ProgramLocations locations = prefix.locations();
    locations.documentsFolder = blocker + QStringLiteral("/Dokumentumok");
    const QtProgramInfo program(QStringLiteral("keyprint5"), locations);
    EXPECT_EQ(program.pdfFolder(), prefix.gameFolder(5));
}

// Root may write into any folder, so only an ordinary user can see a read-only folder.
TEST(ProgramFoldersTest, ReadOnlyCopyWithItsDataKeepsReadingItBesideTheExecutable) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root can write into a read-only folder";
    }
    QTemporaryDir home;
    QTemporaryDir copy;
    touch(copy.filePath(QStringLiteral("XX.BMP")));
    ASSERT_TRUE(QFile::setPermissions(copy.path(), QFile::ReadOwner | QFile::ExeOwner));
    const ProgramLocations locations{copy.path(), home.filePath(QStringLiteral("data")),
                                     home.filePath(QStringLiteral("docs"))};
    const QtProgramInfo program(QStringLiteral("keyprint6"), locations);
    QFile::setPermissions(copy.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(program.isInstalled());
    EXPECT_EQ(program.programFolder(), home.filePath(QStringLiteral("data/lotto6")));
    EXPECT_EQ(program.dataFolder(), copy.path());
}

TEST(ProgramFoldersTest, InstalledServicesWritePdfJobsIntoTheDocumentsFolder) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a default printer would get the job";
    }
    InstalledPrefix prefix;
    QtServices qt(QStringLiteral("keyprint6"), prefix.locations());
    WindowServices services = qt.services();
    RecordingPrintSurface surface(services.printer.metrics(), &services.printer);
    surface.printText(QStringLiteral("x"));
    const PrintJobOutcome outcome = surface.endJob();
    ASSERT_TRUE(outcome.delivered());
    const QFileInfo job(outcome.pdfFile);
    EXPECT_TRUE(job.exists());
    EXPECT_EQ(job.absolutePath(), prefix.documentsFolder());
    EXPECT_TRUE(job.fileName().startsWith(QStringLiteral("keyprint6-")));
}

} // namespace
