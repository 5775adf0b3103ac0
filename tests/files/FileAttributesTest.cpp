#include "FileAttributes.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

TEST(FileAttributes, NormalGivesTheOwnerWriteAndKeepsTheRest) {
    QTemporaryDir folder;
    const QString path = folder.filePath("beall6a.txt");
    EXPECT_TRUE(setFileNormal(path)); // a missing file is no error
    EXPECT_FALSE(QFile::exists(path));

    ASSERT_TRUE(writeFile(path, "x"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther));
    EXPECT_TRUE(setFileNormal(path));
    EXPECT_EQ(QFile::permissions(path) &
                  (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                   QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    // Hiding is a no-op that reports success where files have no hidden attribute.
    EXPECT_TRUE(setFileHidden(path, true));
    EXPECT_EQ(contentOf(path), "x");
}

#ifdef Q_OS_UNIX
// Root passes every permission check, so the save runs in a child process as an ordinary user
// (nobody) who owns a write-protected settings file in a folder it may write.
TEST(FileAttributes, OrdinaryUserSavesOverItsWriteProtectedSettingsFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("beall6a.txt");
    ASSERT_TRUE(writeFile(path, "1,1,1,1,1\r\n"));
    uid_t uid = geteuid();
    gid_t gid = getegid();
    if (uid == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (nobody == nullptr) {
            GTEST_SKIP() << "no user 'nobody' to run the save as";
        }
        uid = nobody->pw_uid;
        gid = nobody->pw_gid;
        const QByteArray folderName = QFile::encodeName(folder.path());
        const QByteArray fileName = QFile::encodeName(path);
        ASSERT_EQ(chown(folderName.constData(), uid, gid), 0);
        ASSERT_EQ(chown(fileName.constData(), uid, gid), 0);
    }
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = geteuid() != 0 || (setgid(gid) == 0 && setuid(uid) == 0);
        const bool saved = dropped && saveKeyPrinterSettings(path, {"3", "-2", "60", 2, 1});
        _exit(!dropped ? 2 : saved ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 2) << "could not become an ordinary user";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save was refused";
    EXPECT_EQ(contentOf(path), "3,-2,60,2,1\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"beall6a.txt"}));
}
#endif
