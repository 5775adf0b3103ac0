#include "core/files/PlainSlipFile.h"

#include <QSaveFile>

bool writePlainSlipFile(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n"; // the line end of every file the programs write
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString plainSlipFileName(int size) {
    return QStringLiteral("sima%1.txt").arg(size, 2, 10, QLatin1Char('0'));
}
