#include "core/files/LastFolderFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(LastFolderFile, SplitsAtTheLastSeparator) {
    const LastFolder windows = splitKeyPath(QStringLiteral("C:\\KULCS\\hatos.txt"));
    EXPECT_EQ(windows.folder, QStringLiteral("C:\\KULCS\\"));
    EXPECT_EQ(windows.presetName, QStringLiteral("hatos.txt"));
    const LastFolder nameOnly = splitKeyPath(QStringLiteral("hatos.txt"));
    EXPECT_FALSE(nameOnly.folder.has_value());
    EXPECT_EQ(nameOnly.presetName, QStringLiteral("hatos.txt"));
    const LastFolder trailing = splitKeyPath(QStringLiteral("C:\\KULCS\\"));
    EXPECT_EQ(trailing.folder, QStringLiteral("C:\\KULCS\\"));
    EXPECT_EQ(trailing.presetName, QString());
#ifndef Q_OS_WIN
    const LastFolder posix = splitKeyPath(QStringLiteral("/home/jatek/kulcs\\hat.txt"));
    EXPECT_EQ(posix.folder, QStringLiteral("/home/jatek/kulcs\\"));
    EXPECT_EQ(splitKeyPath(QStringLiteral("C:\\A/b.txt")).folder, QStringLiteral("C:\\A/"));
#endif
}

TEST(LastFolderFile, ReadsTheFirstField) {
    QTemporaryDir folder;
    const QString path = folder.filePath(lastFolderFileName);
    EXPECT_FALSE(readLastFolderFile(path).has_value());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("  \"C:\\KULCS,UJ\\hatos.txt\",egyeb\r\nmasodik\r\n");
    file.close();
    const std::optional<LastFolder> last = readLastFolderFile(path);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->folder, QStringLiteral("C:\\KULCS,UJ\\"));
    EXPECT_EQ(last->presetName, QStringLiteral("hatos.txt"));
}
