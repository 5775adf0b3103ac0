#include "FileAttributes.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#endif

bool setFileHidden(const QString& path, bool hidden) {
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL;
    return SetFileAttributesW(native.c_str(), attributes) != 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(hidden);
    return true;
#endif
}
