// The Qt print surface against a real spooler: a private cupsd whose only queue is the default
// printer and stores every job it prints. Qt hands a job over without looking at the answer, so
// these tests show what the surface itself finds out.

#include "printing/QtPrintDevice.h"
#include "tests/services/PrivateCupsServer.h"
#include "tests/support/DeviceSurface.h"
#include "tests/support/PdfReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

using Problem = PrintJobOutcome::Problem;

class CupsDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateCupsServer::installed()) {
            GTEST_SKIP() << "cupsd is not installed (Debian packages cups-daemon and cups-client): "
                            "the print surface is not tried against a real spooler";
        }
        server = std::make_unique<PrivateCupsServer>();
        ASSERT_TRUE(server->start()) << server->error().toStdString();
        ASSERT_TRUE(pdfFolder.isValid());
        options.target = QtPrintDevice::Target::DefaultPrinter;
        options.programName = QStringLiteral("keyprint6");
        options.pdfFolder = pdfFolder.path();
        surface = std::make_unique<DeviceSurface>(std::make_unique<QtPrintDevice>(options));
    }

    // The start of a slip: every operation of it reports whether it could be done.
    bool beginSlip() {
        return surface->setUnits(PrintSurface::Units::Millimetres) &
               surface->setFontName(QStringLiteral("arial black")) & surface->setFontSize(9) &
               surface->setPosX(20) & surface->setPosY(30);
    }

    bool printSlip(const QString& mark) { return beginSlip() & surface->printText(mark); }

    QStringList pdfsWritten() const {
        return QDir(pdfFolder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

    static bool isPdf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }

    std::string log() const { return server ? server->log().toStdString() : std::string(); }

    std::unique_ptr<PrivateCupsServer> server;
    QtPrintDevice::Options options;
    QTemporaryDir pdfFolder;
    std::unique_ptr<DeviceSurface> surface;
};

TEST_F(CupsDeliveryTest, AcceptedJobIsDeliveredAndStored) {
    EXPECT_TRUE(printSlip(QStringLiteral("x")));
    const PrintJobOutcome outcome = surface->endJob();
    EXPECT_TRUE(outcome.delivered()) << outcome.detail.toStdString();
    ASSERT_TRUE(server->waitForStoredJobs(1)) << log();
    EXPECT_TRUE(isPdf(server->storedJobs().front()));
    // A job that went to a printer names no file and writes no PDF.
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
    EXPECT_TRUE(pdfsWritten().isEmpty());
}

// The spooler is asked to print every job as drawn, not fitted to the paper.
TEST_F(CupsDeliveryTest, JobAsksForNoScaling) {
    EXPECT_TRUE(printSlip(QStringLiteral("x")));
    ASSERT_TRUE(surface->endJob().delivered());
    ASSERT_TRUE(server->waitForStoredJobs(1)) << log();
    const QStringList options = server->storedJobOptions().front().split(QLatin1Char(' '));
    EXPECT_TRUE(options.contains(QStringLiteral("print-scaling=none")))
        << options.join(' ').toStdString();
}

// A landscape slip job, then a job that sets no orientation (the listing): the printer gets the
// second one portrait.
TEST_F(CupsDeliveryTest, AJobAfterALandscapeJobIsPortrait) {
    surface->setOrientation(PrintSurface::Orientation::Landscape);
    EXPECT_TRUE(printSlip(QStringLiteral("x")));
    ASSERT_TRUE(surface->endJob().delivered());
    surface->setPosY(1440);
    EXPECT_TRUE(surface->printText(QStringLiteral("1.")));
    ASSERT_TRUE(surface->endJob().delivered());
    ASSERT_TRUE(server->waitForStoredJobs(2)) << log();
    const QStringList jobs = server->storedJobs();
    const PdfReader slips(jobs[0]);
    const PdfReader listing(jobs[1]);
    ASSERT_TRUE(slips.ok() && listing.ok());
    EXPECT_GT(slips.pageSize(1).width(), slips.pageSize(1).height());
    EXPECT_LT(listing.pageSize(1).width(), listing.pageSize(1).height());
}

TEST_F(CupsDeliveryTest, RejectingQueueRefusesTheJobAtItsStartWithItsReason) {
    const QString reason = QStringLiteral("Nincs papír a tálcában");
    ASSERT_TRUE(server->reject(reason)) << server->error().toStdString();
    printSlip(QStringLiteral("x"));
    surface->newPage();
    const PrintJobOutcome outcome = surface->endJob();
    EXPECT_EQ(outcome.problem, Problem::PrinterRefuses);
    EXPECT_EQ(outcome.detail, reason);
    // Nothing was sent, and nothing was written in place of the printer.
    EXPECT_EQ(server->heldJobCount(), 0);
    EXPECT_TRUE(server->storedJobs().isEmpty());
    EXPECT_TRUE(pdfsWritten().isEmpty());
    // Once the queue takes jobs again the next job is printed.
    ASSERT_TRUE(server->accept()) << server->error().toStdString();
    EXPECT_TRUE(printSlip(QStringLiteral("y")));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_TRUE(server->waitForStoredJobs(1)) << log();
}

TEST_F(CupsDeliveryTest, QueueThatStopsTakingJobsDuringTheJobRefusesTheHandOver) {
    ASSERT_TRUE(printSlip(QStringLiteral("x")));
    ASSERT_TRUE(server->reject(QStringLiteral("Karbantartás"))) << server->error().toStdString();
    const PrintJobOutcome outcome = surface->endJob();
    EXPECT_EQ(outcome.problem, Problem::PrinterRefuses);
    EXPECT_EQ(outcome.detail, QStringLiteral("Karbantartás"));
    EXPECT_EQ(server->heldJobCount(), 0);
}

TEST_F(CupsDeliveryTest, PausedQueueKeepsTheJobAndPrintsItLater) {
    ASSERT_TRUE(server->disable(QStringLiteral("Szünet"))) << server->error().toStdString();
    EXPECT_TRUE(printSlip(QStringLiteral("x")));
    const PrintJobOutcome outcome = surface->endJob();
    EXPECT_TRUE(outcome.delivered()) << outcome.detail.toStdString();
    EXPECT_EQ(server->heldJobCount(), 1);
    EXPECT_TRUE(server->storedJobs().isEmpty());
    ASSERT_TRUE(server->enable()) << server->error().toStdString();
    EXPECT_TRUE(server->waitForStoredJobs(1)) << log();
}

// A device on which the print system changes while a job is being printed: after its pages are
// drawn and before they are handed over.
class ChangingDevice : public QtPrintDevice {
public:
    ChangingDevice(Options options, std::function<void()> change)
        : QtPrintDevice(std::move(options)), change_(std::move(change)) {}

protected:
    void handingOver() override {
        if (change_) {
            std::exchange(change_, nullptr)();
        }
    }

private:
    std::function<void()> change_;
};

TEST_F(CupsDeliveryTest, QueueRemovedDuringTheJobIsUnreachable) {
    surface = std::make_unique<DeviceSurface>(std::make_unique<ChangingDevice>(
        options, [this] { ASSERT_TRUE(server->removeQueue()) << server->error().toStdString(); }));
    ASSERT_TRUE(printSlip(QStringLiteral("x")));
    const PrintJobOutcome outcome = surface->endJob();
    EXPECT_EQ(outcome.problem, Problem::PrinterUnreachable);
    EXPECT_FALSE(outcome.detail.isEmpty());
}

TEST_F(CupsDeliveryTest, StoppedPrintServerIsReportedAndTheNextJobFallsBackToPdf) {
    surface = std::make_unique<DeviceSurface>(
        std::make_unique<ChangingDevice>(options, [this] { server->stop(); }));
    ASSERT_TRUE(printSlip(QStringLiteral("x")));
    const PrintJobOutcome outcome = surface->endJob();
    EXPECT_EQ(outcome.problem, Problem::PrintSystemMissing);
    EXPECT_TRUE(outcome.detail.contains(server->socketPath())) << outcome.detail.toStdString();
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
    // With the server gone the machine shows no printer: the next job is written as a PDF.
    EXPECT_TRUE(printSlip(QStringLiteral("y")));
    EXPECT_TRUE(surface->endJob().delivered());
    EXPECT_EQ(pdfsWritten().size(), 1);
    EXPECT_TRUE(isPdf(surface->lastJobFile()));
}

TEST_F(CupsDeliveryTest, JobGroupOnAPrinterGivesOneSpoolerJobPerJob) {
    surface->beginJobGroup();
    for (const QString& mark : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        surface->newPage(); // each entry begins with an eject, as a slip run may
        EXPECT_TRUE(printSlip(mark));
        EXPECT_TRUE(surface->endJob().delivered());
    }
    EXPECT_TRUE(surface->endJobGroup().delivered());
    EXPECT_TRUE(server->waitForStoredJobs(3)) << log();
    EXPECT_TRUE(surface->lastJobFile().isEmpty());
    EXPECT_TRUE(pdfsWritten().isEmpty());
}

} // namespace
