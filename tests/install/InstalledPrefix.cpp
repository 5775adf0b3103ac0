#include "tests/install/InstalledPrefix.h"

#include "core/files/GameFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

InstalledPrefix::InstalledPrefix(Layout layout) : layout_(layout) {
    QDir().mkpath(executableFolder());
    const QString data = layout_ == Layout::Installed ? sharedDataFolder() : executableFolder();
    QDir().mkpath(data);
    const QDir shipped(QStringLiteral(SLIP_DATA_DIR));
    for (const QString& name : shipped.entryList(QDir::Files)) {
        QFile::copy(shipped.filePath(name), QDir(data).filePath(name));
    }
}

ProgramLocations InstalledPrefix::locations() const {
    return ProgramLocations{executableFolder(), userFolder(), documentsFolder()};
}

QString InstalledPrefix::executableFolder() const {
    return root_.filePath(QStringLiteral("usr/bin"));
}

QString InstalledPrefix::sharedDataFolder() const {
    return root_.filePath(QStringLiteral("usr/share/") + ProgramLocations::applicationName());
}

QString InstalledPrefix::userFolder() const {
    return root_.filePath(QStringLiteral("home/.local/share/") +
                          ProgramLocations::applicationName());
}

QString InstalledPrefix::documentsFolder() const {
    return root_.filePath(QStringLiteral("home/Dokumentumok"));
}

QStringList InstalledPrefix::installedFiles() const {
    QStringList files;
    QDirIterator it(root_.filePath(QStringLiteral("usr")), QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        files << file.filePath() + QLatin1Char(' ') + QString::number(file.size());
    }
    files.sort();
    return files;
}

QString InstalledPrefix::sharedFolder() const {
    return layout_ == Layout::Installed ? userFolder() : executableFolder();
}

QString InstalledPrefix::gameFolder(int game) const {
    return QDir(sharedFolder()).filePath(gameFolderName(game));
}
