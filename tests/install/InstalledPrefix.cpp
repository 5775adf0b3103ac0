#include "InstalledPrefix.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

InstalledPrefix::InstalledPrefix() {
    QDir().mkpath(executableFolder());
    QDir().mkpath(sharedDataFolder());
    const QDir shipped(QStringLiteral(SLIP_DATA_DIR));
    for (const QString& name : shipped.entryList(QDir::Files)) {
        QFile::copy(shipped.filePath(name), QDir(sharedDataFolder()).filePath(name));
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
