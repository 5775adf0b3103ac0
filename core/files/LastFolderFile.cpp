#include "core/files/LastFolderFile.h"

#include "core/base/FieldReader.h"

#include <QFile>

namespace {

qsizetype lastSeparator(const QString& path) {
    const qsizetype backslash = path.lastIndexOf(QLatin1Char('\\'));
#ifdef Q_OS_WIN
    return backslash;
#else
    return std::max(backslash, path.lastIndexOf(QLatin1Char('/')));
#endif
}

} // namespace

LastFolder splitKeyPath(const QString& path) {
    const qsizetype separator = lastSeparator(path);
    if (separator < 0) {
        return LastFolder{std::nullopt, path};
    }
    return LastFolder{path.left(separator + 1), path.mid(separator + 1)};
}

std::optional<LastFolder> readLastFolderFile(const QString& path) {
    QFile file(path);
    if (!openRegularFile(file)) {
        return std::nullopt;
    }
    FieldReader reader(file);
    const std::optional<QString> keyPath = reader.next();
    if (!keyPath) {
        return std::nullopt;
    }
    return splitKeyPath(*keyPath);
}
