#include "printing/QtPrintDevice.h"

#include "tests/support/DeviceSurface.h"
#include "tests/support/PdfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr double tolerance = 0.1; // millimetres

class QtPrintDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("job.pdf"));
        surface = DeviceSurface::toPdfFile(path);
    }

    void slipFont() {
        surface->setFontName(QStringLiteral("arial black"));
        surface->setUnits(PrintSurface::Units::Millimetres);
        surface->setBold(true);
        surface->setFontSize(9);
    }

    bool printAt(double x, double y, const QString& text) {
        return surface->setPosX(x) & surface->setPosY(y) & surface->printText(text);
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<DeviceSurface> surface;
};

TEST_F(QtPrintDeviceTest, JobOfOnlyNewPageGivesOneBlankPage) {
    EXPECT_TRUE(surface->newPage());
    EXPECT_TRUE(surface->endJob().delivered());
    const PdfReader pdf(path);
    ASSERT_TRUE(pdf.ok());
    EXPECT_EQ(pdf.pageCount(), 1);
    EXPECT_TRUE(pdf.words().empty());
    EXPECT_EQ(surface->lastJobFile(), path);
}

TEST_F(QtPrintDeviceTest, DuplexLastsOnlyForItsJob) {
    EXPECT_TRUE(surface->setDuplex());
    slipFont();
    printAt(10, 10, QStringLiteral("a"));
    EXPECT_TRUE(surface->endJob().delivered());
    // The next job (slips, say) must not inherit two-sided printing.
    printAt(10, 10, QStringLiteral("b"));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_TRUE(surface->recording().job(0).duplex);
    EXPECT_FALSE(surface->recording().job(1).duplex);
}

TEST_F(QtPrintDeviceTest, PageCountFollowsThePagesUsed) {
    slipFont();
    // Two ejects before anything is printed: two blank slips, then the printed one.
    surface->newPage();
    surface->newPage();
    printAt(10, 10, QStringLiteral("a"));
    // A trailing eject adds no empty page.
    surface->newPage();
    ASSERT_TRUE(surface->endJob().delivered());
    const PdfReader pdf(path);
    ASSERT_TRUE(pdf.ok());
    ASSERT_EQ(pdf.pageCount(), 3);
    ASSERT_EQ(pdf.words().size(), 1u);
    EXPECT_EQ(pdf.words()[0].page, 3);
}

TEST_F(QtPrintDeviceTest, OrientationAfterInitialEjectReachesFirstSlip) {
    surface->newPage(); // the run's blank slip
    ASSERT_TRUE(surface->setOrientation(PrintSurface::Orientation::Landscape));
    slipFont();
    printAt(20, 30, QStringLiteral("x"));
    surface->newPage();
    printAt(20, 30, QStringLiteral("y"));
    ASSERT_TRUE(surface->endJob().delivered());
    const PdfReader pdf(path);
    ASSERT_TRUE(pdf.ok());
    ASSERT_EQ(pdf.pageCount(), 3);
    for (int page = 2; page <= 3; ++page) {
        const QSizeF size = pdf.pageSize(page);
        EXPECT_NEAR(size.width(), 297, 0.5) << "page " << page;
        EXPECT_NEAR(size.height(), 210, 0.5) << "page " << page;
        ASSERT_EQ(pdf.wordsOnPage(page).size(), 1u);
        EXPECT_NEAR(pdf.wordsOnPage(page)[0].left, 20, tolerance);
    }
}

TEST_F(QtPrintDeviceTest, OrientationChangedAfterPrintingAppliesFromTheNextPage) {
    slipFont();
    printAt(20, 30, QStringLiteral("p"));
    surface->setOrientation(PrintSurface::Orientation::Landscape);
    surface->newPage();
    printAt(20, 30, QStringLiteral("l"));
    ASSERT_TRUE(surface->endJob().delivered());
    const PdfReader pdf(path);
    ASSERT_EQ(pdf.pageCount(), 2);
    EXPECT_LT(pdf.pageSize(1).width(), pdf.pageSize(1).height());
    EXPECT_GT(pdf.pageSize(2).width(), pdf.pageSize(2).height());
}

TEST_F(QtPrintDeviceTest, PdfIsA4WithTextCellTopLeftOnThePoint) {
    slipFont();
    EXPECT_TRUE(printAt(30, 40, QStringLiteral("x")));
    surface->setFontName(QStringLiteral("times new roman"));
    EXPECT_TRUE(printAt(12.5, 7.25, QStringLiteral("123")));
    surface->setUnits(PrintSurface::Units::Twips);
    EXPECT_TRUE(printAt(1440, 2880, QStringLiteral("T"))); // one inch, two inches
    ASSERT_TRUE(surface->endJob().delivered());
    const PdfReader pdf(path);
    ASSERT_TRUE(pdf.ok());
    EXPECT_NEAR(pdf.pageSize(1).width(), 210, 0.5);
    EXPECT_NEAR(pdf.pageSize(1).height(), 297, 0.5);
    ASSERT_EQ(pdf.words().size(), 3u);
    const PdfReader::Word mark = pdf.find(QStringLiteral("x"));
    const PdfReader::Word number = pdf.find(QStringLiteral("123"));
    const PdfReader::Word twips = pdf.find(QStringLiteral("T"));
    EXPECT_NEAR(mark.left, 30, tolerance);
    EXPECT_NEAR(mark.top, 40, tolerance);
    EXPECT_NEAR(number.left, 12.5, tolerance);
    EXPECT_NEAR(number.top, 7.25, tolerance);
    EXPECT_NEAR(twips.left, 25.4, tolerance);
    EXPECT_NEAR(twips.top, 50.8, tolerance);
}

TEST_F(QtPrintDeviceTest, LineEndingAndContinuingTextMoveThePosition) {
    slipFont();
    surface->setPosX(50);
    surface->setPosY(60);
    surface->printText(QStringLiteral("A"), false);
    const double widthOfA = surface->measureText(QStringLiteral("A"));
    EXPECT_GT(widthOfA, 1.0);
    EXPECT_NEAR(surface->posX(), 50 + widthOfA, 1e-9);
    surface->printText(QStringLiteral(" B")); // line-ending
    EXPECT_DOUBLE_EQ(surface->posX(), 0);
    surface->printText(QStringLiteral("C"));
    const double spaceWidth = surface->measureText(QStringLiteral(" "));
    ASSERT_TRUE(surface->endJob().delivered());
    const PdfReader pdf(path);
    ASSERT_EQ(pdf.words().size(), 3u);
    const PdfReader::Word b = pdf.find(QStringLiteral("B"));
    const PdfReader::Word c = pdf.find(QStringLiteral("C"));
    EXPECT_NEAR(b.left, 50 + widthOfA + spaceWidth, tolerance);
    EXPECT_NEAR(b.top, 60, tolerance);
    EXPECT_NEAR(c.left, 0, tolerance);
    // One line of a 9-point font lies between 9 and 14 points below.
    EXPECT_GT(c.top - 60, 9 * 25.4 / 72);
    EXPECT_LT(c.top - 60, 14 * 25.4 / 72);
}

TEST_F(QtPrintDeviceTest, NegativePositionsPrintWithoutError) {
    slipFont();
    EXPECT_TRUE(printAt(-3, -2, QStringLiteral("x")));
    EXPECT_TRUE(printAt(-50, 10, QStringLiteral("y")));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_EQ(PdfReader(path).pageCount(), 1);
}

TEST_F(QtPrintDeviceTest, EmptyJobWritesNothing) {
    slipFont();
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
}

TEST_F(QtPrintDeviceTest, EveryJobStartsFromTheDefaults) {
    slipFont();
    surface->setOrientation(PrintSurface::Orientation::Landscape);
    surface->setDuplex();
    printAt(10, 10, QStringLiteral("first"));
    ASSERT_TRUE(surface->endJob().delivered());
    // The second job sets nothing: portrait, twips and one-sided, the position starts at 0.
    surface->setPosX(1440);
    surface->printText(QStringLiteral("second"));
    ASSERT_TRUE(surface->endJob().delivered());
    EXPECT_FALSE(surface->recording().job(1).duplex);
    const PdfReader pdf(path);
    ASSERT_EQ(pdf.words().size(), 1u);
    EXPECT_EQ(pdf.words()[0].text, QStringLiteral("second"));
    EXPECT_NEAR(pdf.words()[0].left, 25.4, 0.5);
    EXPECT_LT(pdf.pageSize(1).width(), pdf.pageSize(1).height());
}

QtPrintDevice::Options folderOptions(const QString& folder, const QDateTime& time) {
    QtPrintDevice::Options options;
    options.target = QtPrintDevice::Target::PdfInFolder;
    options.programName = QStringLiteral("keyprint6");
    options.pdfFolder = folder;
    options.now = [time] { return time; };
    return options;
}

TEST(QtPrintDeviceFolder, JobsGetTimeStampedNamesWithNumberedRepeats) {
    QTemporaryDir dir;
    const QDateTime time(QDate(2026, 12, 7), QTime(6, 5, 9));
    DeviceSurface surface(std::make_unique<QtPrintDevice>(folderOptions(dir.path(), time)));
    QStringList files;
    for (int job = 0; job < 3; ++job) {
        surface.newPage();
        ASSERT_TRUE(surface.endJob().delivered());
        files << surface.lastJobFile();
        EXPECT_TRUE(QFileInfo::exists(files.back()));
    }
    const QString stem = dir.filePath(QStringLiteral("keyprint6-20261207-060509"));
    EXPECT_EQ(files, QStringList({stem + QStringLiteral(".pdf"), stem + QStringLiteral("-2.pdf"),
                                  stem + QStringLiteral("-3.pdf")}));
}

TEST(QtPrintDeviceFolder, FailingPrinterReturnsControlAndRecovers) {
    QTemporaryDir dir;
    // A folder that cannot exist: its parent is a plain file (fails even for root).
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtPrintDevice::Options options =
        folderOptions(dir.filePath(QStringLiteral("blocker/out")), QDateTime::currentDateTime());
    DeviceSurface surface(std::make_unique<QtPrintDevice>(options));
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.setPosX(10);
    surface.printText(QStringLiteral("x"));
    surface.newPage();
    surface.printText(QStringLiteral("y"));
    EXPECT_FALSE(surface.endJob().delivered());
    EXPECT_TRUE(surface.lastJobFile().isEmpty());
    // A job that only ejects fails the same way.
    surface.newPage();
    EXPECT_FALSE(surface.endJob().delivered());
    // Once the folder can be written the next job prints again.
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("blocker"))));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("blocker/out")));
    EXPECT_TRUE(surface.printText(QStringLiteral("z")));
    EXPECT_TRUE(surface.endJob().delivered());
    EXPECT_TRUE(QFileInfo::exists(surface.lastJobFile()));
}

TEST(QtPrintDeviceFolder, PdfFileNameStaysFreeWhenTaken) {
    QTemporaryDir dir;
    const QDateTime time(QDate(2026, 1, 2), QTime(3, 4, 5));
    const QString first =
        QtPrintDevice::pdfPathFor(dir.path(), QStringLiteral("combiprint7"), time);
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("combiprint7-20260102-030405.pdf"));
    QFile(first).open(QIODevice::WriteOnly);
    const QString second =
        QtPrintDevice::pdfPathFor(dir.path(), QStringLiteral("combiprint7"), time);
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("combiprint7-20260102-030405-2.pdf"));
}

// A PDF that cannot be written whole is reported as such and never named as the job's file.
class PdfNotWritableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    static bool printJob(PrintSurface& surface) {
        return surface.setUnits(PrintSurface::Units::Millimetres) & surface.setPosX(10) &
               surface.setPosY(10) & surface.printText(QStringLiteral("x"));
    }

    static void expectNotWritable(const PrintJobOutcome& outcome, const QString& path) {
        EXPECT_EQ(outcome.problem, PrintJobOutcome::Problem::PdfNotWritable);
        EXPECT_TRUE(outcome.detail.startsWith(path)) << outcome.detail.toStdString();
    }

    QTemporaryDir dir;
};

TEST_F(PdfNotWritableTest, FolderWhereTheFileWouldGo) {
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("job.pdf")));
    auto surface = DeviceSurface::toPdfFile(path);
    printJob(*surface);
    surface->newPage();
    expectNotWritable(surface->endJob(), path);
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(PdfNotWritableTest, MissingFolder) {
    const QString folder = dir.filePath(QStringLiteral("missing"));
    DeviceSurface surface(std::make_unique<QtPrintDevice>(
        folderOptions(folder, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)))));
    printJob(surface);
    expectNotWritable(surface.endJob(), folder);
    EXPECT_TRUE(surface.lastJobFile().isEmpty());
}

TEST_F(PdfNotWritableTest, FullDevice) {
    const QString path = QStringLiteral("/dev/full");
    if (!QFileInfo(path).isWritable()) {
        GTEST_SKIP() << "/dev/full cannot be opened for writing here";
    }
    auto surface = DeviceSurface::toPdfFile(path);
    for (int job = 0; job < 2; ++job) { // the surface stays usable: the next job fails alike
        printJob(*surface);
        const PrintJobOutcome outcome = surface->endJob();
        expectNotWritable(outcome, path);
        EXPECT_TRUE(surface->lastJobFile().isEmpty());
    }
    EXPECT_TRUE(QFileInfo(path).exists()); // a device is never removed
}

// Writes past a small file-size limit fail (EFBIG), as on a full disk: the file is cut short.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

TEST_F(PdfNotWritableTest, FileCutShortIsRemoved) {
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    auto surface = DeviceSurface::toPdfFile(path);
    {
        const FileSizeLimit limit(2048); // a page with an embedded font needs far more
        printJob(*surface);
        expectNotWritable(surface->endJob(), path);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
    // Room again: the next job is written whole.
    EXPECT_TRUE(printJob(*surface));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_EQ(PdfReader(path).pageCount(), 1);
}

class JobGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        surface = std::make_unique<DeviceSurface>(
            std::make_unique<QtPrintDevice>(folderOptions(dir.path(), time)));
        surface->setUnits(PrintSurface::Units::Millimetres);
    }

    void print(const QString& text) {
        surface->setPosX(20);
        surface->setPosY(30);
        EXPECT_TRUE(surface->printText(text));
    }

    QStringList files() const {
        return QDir(dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    const QDateTime time{QDate(2026, 5, 6), QTime(7, 8, 9)};
    QTemporaryDir dir;
    std::unique_ptr<DeviceSurface> surface;
};

TEST_F(JobGroupTest, JobsOfAGroupFollowEachOtherInOneFile) {
    surface->beginJobGroup();
    print(QStringLiteral("a"));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_TRUE(surface->lastJobFile().isEmpty()); // not finished while the group runs
    // An entry that begins with a blank eject keeps it; it also turns its pages.
    surface->newPage();
    surface->setOrientation(PrintSurface::Orientation::Landscape);
    print(QStringLiteral("b"));
    EXPECT_TRUE(surface->endJob().delivered());
    surface->setOrientation(PrintSurface::Orientation::Portrait);
    print(QStringLiteral("c"));
    surface->newPage();
    print(QStringLiteral("d"));
    surface->newPage(); // a trailing eject adds no page
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_TRUE(surface->endJob().delivered()); // an empty job adds nothing
    EXPECT_TRUE(surface->endJobGroup().delivered());

    const QString file = dir.filePath(QStringLiteral("keyprint6-20260506-070809.pdf"));
    EXPECT_EQ(surface->lastJobFile(), file);
    EXPECT_EQ(files(), QStringList{QFileInfo(file).fileName()});
    const PdfReader pdf(file);
    ASSERT_TRUE(pdf.ok());
    ASSERT_EQ(pdf.pageCount(), 5);
    const QStringList onPage = {QStringLiteral("a"), QString(), QStringLiteral("b"),
                                QStringLiteral("c"), QStringLiteral("d")};
    for (int page = 1; page <= 5; ++page) {
        const auto words = pdf.wordsOnPage(page);
        const QString text = words.empty() ? QString() : words.front().text;
        EXPECT_EQ(text, onPage[page - 1]) << "page " << page;
        const bool landscape = page == 2 || page == 3;
        EXPECT_EQ(pdf.pageSize(page).width() > pdf.pageSize(page).height(), landscape)
            << "page " << page;
    }
    // After the group every job has its own file again.
    print(QStringLiteral("e"));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_EQ(QFileInfo(surface->lastJobFile()).fileName(),
              QStringLiteral("keyprint6-20260506-070809-2.pdf"));
}

TEST_F(JobGroupTest, GroupOfEmptyJobsWritesNothing) {
    surface->beginJobGroup();
    surface->setUnits(PrintSurface::Units::Millimetres);
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_TRUE(surface->endJobGroup().delivered());
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
    EXPECT_TRUE(files().isEmpty());
}

TEST(JobGroupNotWritable, EveryJobOfTheGroupFailsWhenItsFileCannotBeMade) {
    QTemporaryDir dir;
    DeviceSurface surface(std::make_unique<QtPrintDevice>(
        folderOptions(dir.filePath(QStringLiteral("missing")), QDateTime::currentDateTime())));
    surface.beginJobGroup();
    for (int job = 0; job < 2; ++job) {
        surface.printText(QStringLiteral("x"));
        EXPECT_EQ(surface.endJob().problem, PrintJobOutcome::Problem::PdfNotWritable);
    }
    EXPECT_EQ(surface.endJobGroup().problem, PrintJobOutcome::Problem::PdfNotWritable);
    EXPECT_TRUE(surface.lastJobFile().isEmpty());
}

TEST(JobGroupNotWritable, GroupOnAFullDeviceFailsWhenItEnds) {
    if (!QFileInfo(QStringLiteral("/dev/full")).isWritable()) {
        GTEST_SKIP() << "/dev/full cannot be opened for writing here";
    }
    auto surface = DeviceSurface::toPdfFile(QStringLiteral("/dev/full"));
    surface->beginJobGroup();
    surface->printText(QStringLiteral("x"));
    surface->endJob();
    const PrintJobOutcome outcome = surface->endJobGroup();
    EXPECT_EQ(outcome.problem, PrintJobOutcome::Problem::PdfNotWritable);
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
}

} // namespace
