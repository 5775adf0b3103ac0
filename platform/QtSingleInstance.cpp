#include "QtSingleInstance.h"

#include <QDir>

QtSingleInstance::QtSingleInstance(const QString& programName, const QString& lockFolder) {
    const QString folder = lockFolder.isEmpty() ? QDir::tempPath() : lockFolder;
    path_ = QDir(folder).filePath(programName + QStringLiteral(".instance.lock"));
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a dead holder makes the lock stale; a long-running instance keeps it however old.
    lock_->setStaleLockTime(0);
}

bool QtSingleInstance::acquire() {
    if (held_) {
        return true;
    }
    if (lock_->tryLock(0)) {
        held_ = true;
        return true;
    }
    // Another live instance holds it. Any other failure (an unwritable folder) must not keep
    // the program from running, so it lets this instance start.
    return lock_->error() != QLockFile::LockFailedError;
}
