#include "services/QtServices.h"

#include "core/print/RecordingPrintSurface.h"
#include "services/QtSingleInstance.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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
    WindowServices services = qt.services();
    EXPECT_EQ(services.program.programFolder(),
              QCoreApplication::applicationDirPath() + QStringLiteral("/lotto6"));
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
    RecordingPrintSurface surface(services.printer.metrics(), &services.printer);
    surface.printText(QStringLiteral("x"));
    const PrintJobOutcome outcome = surface.endJob();
    ASSERT_TRUE(outcome.delivered());
    const QFileInfo job(outcome.pdfFile);
    EXPECT_TRUE(job.exists());
    EXPECT_EQ(job.absolutePath(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(job.fileName().startsWith(QStringLiteral("keyprint6-")));
    QFile::remove(job.filePath());
}

} // namespace

#ifdef Q_OS_UNIX
namespace {

// Runs `acquire` in a child process as `uid` with its own runtime folder and reports through the
// pipe what QtSingleInstance::acquire gave; the child then holds its lock until it is killed.
pid_t startInstanceAs(uid_t uid, gid_t gid, const QString& runtimeFolder, int report) {
    const QByteArray folder = QFile::encodeName(runtimeFolder);
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = geteuid() == uid || (setgid(gid) == 0 && setuid(uid) == 0);
        setenv("XDG_RUNTIME_DIR", folder.constData(), 1);
        QtSingleInstance instance(QStringLiteral("keyprint6"));
        const char result = !dropped ? '2' : instance.acquire() ? '1' : '0';
        [[maybe_unused]] const ssize_t written = write(report, &result, 1);
        pause();
        _exit(0);
    }
    return child;
}

char readReport(int report) {
    char result = 0;
    return read(report, &result, 1) == 1 ? result : 'x';
}

} // namespace

// User A runs keyprint6; user B starts it too and is not refused; A's program dies, and A
// starts it again over the lock it left.
TEST(QtSingleInstanceTest, EachUserHasItsOwnInstanceAndADeadOnesLockIsTakenOver) {
    const passwd* other = getpwnam("nobody");
    if (geteuid() != 0 || other == nullptr) {
        GTEST_SKIP() << "needs root to run a second user (nobody)";
    }
    QTemporaryDir userA;
    QTemporaryDir userB;
    const QByteArray folderA = QFile::encodeName(userA.path());
    ASSERT_EQ(chown(folderA.constData(), other->pw_uid, other->pw_gid), 0);
    for (const QTemporaryDir* dir : {&userA, &userB}) {
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t a = startInstanceAs(other->pw_uid, other->pw_gid, userA.path(), pipeEnds[1]);
    ASSERT_GT(a, 0);
    EXPECT_EQ(readReport(pipeEnds[0]), '1') << "user A starts";

    const pid_t b = startInstanceAs(geteuid(), getegid(), userB.path(), pipeEnds[1]);
    EXPECT_EQ(readReport(pipeEnds[0]), '1') << "user B is not refused while A runs";

    kill(a, SIGKILL);
    waitpid(a, nullptr, 0);
    const pid_t again = startInstanceAs(other->pw_uid, other->pw_gid, userA.path(), pipeEnds[1]);
    EXPECT_EQ(readReport(pipeEnds[0]), '1') << "user A starts again after a crash";

    for (const pid_t child : {b, again}) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}
#endif
