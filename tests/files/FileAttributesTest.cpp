#include "core/files/FileAttributes.h"
#include "core/files/SettingsFile.h"

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
// An ordinary user saves over its write-protected settings file: in a folder it may write the
// file is replaced; in a write-protected folder the save fails and the old file stays whole and
// write-protected. Root passes every permission check, so the save runs in a child process as an
// ordinary user (nobody) who owns the file and the folder.
struct ProtectedSaveCase {
    bool folderWritable;
    bool saved;
};

class ProtectedSettingsSaveTest : public ::testing::TestWithParam<ProtectedSaveCase> {};

TEST_P(ProtectedSettingsSaveTest, OrdinaryUserSavesOverItsWriteProtectedSettingsFile) {
    const ProtectedSaveCase c = GetParam();
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
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    if (!c.folderWritable) {
        ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    }

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = geteuid() != 0 || (setgid(gid) == 0 && setuid(uid) == 0);
        const bool saved = dropped && saveKeyPrinterSettings(path, {"3", "-2", "60", 2, 1});
        _exit(!dropped ? 2 : saved ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 2) << "could not become an ordinary user";
    EXPECT_EQ(WEXITSTATUS(status), c.saved ? 0 : 1);
    EXPECT_EQ(contentOf(path), c.saved ? "3,-2,60,2,1\r\n" : "1,1,1,1,1\r\n");
    if (!c.saved) {
        EXPECT_FALSE(QFile::permissions(path).testFlag(QFile::WriteOwner))
            << "the old file keeps its write protection";
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"beall6a.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Folders, ProtectedSettingsSaveTest,
                         ::testing::Values(ProtectedSaveCase{true, true},
                                           ProtectedSaveCase{false, false}),
                         [](const ::testing::TestParamInfo<ProtectedSaveCase>& info) {
                             return info.param.folderWritable ? "WritableFolder"
                                                              : "WriteProtectedFolder";
                         });
#endif
