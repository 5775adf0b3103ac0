#include "core/files/FileAttributes.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
bool setWindowsAttributes(const QString& path, DWORD attributes) {
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    return SetFileAttributesW(native.c_str(), attributes) != 0;
}
#endif

} // namespace

bool setFileNormal(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return true; // nothing to reset; a folder in the way makes the save itself fail
    }
#ifdef Q_OS_WIN
    return setWindowsAttributes(path, FILE_ATTRIBUTE_NORMAL);
#else
    // Write protection is the missing write bit of the owner; only the owner (or root) may
    // change it, and a file of another user stays as it is (the save then fails).
    const QFile::Permissions permissions = QFile::permissions(path);
    if (permissions.testFlag(QFile::WriteOwner)) {
        return true;
    }
    return QFile::setPermissions(path, permissions | QFile::WriteOwner);
#endif
}

bool setFileHidden(const QString& path, bool hidden) {
#ifdef Q_OS_WIN
    return setWindowsAttributes(path, hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL);
#else
    Q_UNUSED(path);
    Q_UNUSED(hidden);
    return true;
#endif
}
