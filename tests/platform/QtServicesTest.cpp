#include "QtServices.h"

#include "QtSingleInstance.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QtSingleInstanceTest, SecondHolderIsRefused) {
    QTemporaryDir dir;
    QtSingleInstance first(QStringLiteral("keyprint6"), dir.path());
    QtSingleInstance second(QStringLiteral("keyprint6"), dir.path());
    QtSingleInstance otherProgram(QStringLiteral("keyprint7"), dir.path());
    EXPECT_TRUE(first.acquire());
    EXPECT_TRUE(first.acquire()); // asking again keeps it
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(otherProgram.acquire());
}

TEST(QtSingleInstanceTest, LockOfACrashedInstanceIsTakenOver) {
    QTemporaryDir dir;
    // A process that has ended stands for a crashed instance that left its lock behind.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForFinished());
    const qint64 deadPid = ended.processId() ? ended.processId() : 999999;
    QtSingleInstance instance(QStringLiteral("combiprint5"), dir.path());
    QFile lock(instance.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\n" + QCoreApplication::applicationName().toUtf8() +
               "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_TRUE(instance.acquire());
}

TEST(QtSingleInstanceTest, UnusableLockFolderDoesNotBlockTheProgram) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSingleInstance instance(QStringLiteral("keyprint5"), blocker.fileName() + "/sub");
    EXPECT_TRUE(instance.acquire());
}

TEST(QtServicesTest, BundleReportsTheProgramAndPrintsIntoItsFolder) {
    QtServices qt(QStringLiteral("keyprint6"));
    Services services = qt.services();
    EXPECT_EQ(services.program.programFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(services.program.executableName(), QStringLiteral("platform_tests"));
    EXPECT_FALSE(services.screen.screenSize().isEmpty());
    EXPECT_EQ(services.clock.today(), QDate::currentDate());
    services.busyPointer.setBusy(true);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    services.busyPointer.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a default printer would get the job";
    }
    services.printer.printText(QStringLiteral("x"));
    ASSERT_TRUE(services.printer.endJob().delivered());
    const QFileInfo job(services.printReport.lastJobFile());
    EXPECT_TRUE(job.exists());
    EXPECT_EQ(job.absolutePath(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(job.fileName().startsWith(QStringLiteral("keyprint6-")));
    QFile::remove(job.filePath());
}

} // namespace
