#include "core/files/ArchivePathFile.h"

#include "core/base/FieldReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QString> readArchivePathFile(const QString& path) {
    QFile file(path);
    if (!openRegularFile(file)) {
        return std::nullopt;
    }
    // Only a path is expected: a line of a few hundred characters at most.
    const QString line = QString::fromUtf8(file.readLine(4096)).trimmed();
    if (line.isEmpty()) {
        return std::nullopt;
    }
    return line;
}

bool writeArchivePathFile(const QString& path, const QString& archivePath) {
    if (QFileInfo(path).isDir()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray line = archivePath.toUtf8() + "\r\n";
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
