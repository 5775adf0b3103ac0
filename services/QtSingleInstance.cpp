#include "QtSingleInstance.h"

#include "ProgramLocations.h"

#include <QDir>
#include <QStandardPaths>

QtSingleInstance::QtSingleInstance(const QString& programName, const QString& lockFolder) {
    QString folder = lockFolder;
    if (folder.isEmpty()) {
#ifdef Q_OS_WIN
        // Windows has no runtime folder (Qt names the home folder for it): the lock goes into
        // the user's own local data folder, %LOCALAPPDATA%\lotto-szelveny, which only that user
        // can write.
        folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                     .filePath(ProgramLocations::applicationName());
        if (!QDir().mkpath(folder)) {
            folder.clear();
        }
#else
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    }
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
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
