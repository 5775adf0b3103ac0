#include "services/QtSingleInstance.h"

#include "services/ProgramLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QStandardPaths>

namespace {

// The locks this process holds, so that a lock naming this process is known to be its own.
QSet<QString>& heldByThisProcess() {
    static QSet<QString> paths;
    return paths;
}

} // namespace

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
        heldByThisProcess().insert(path_);
        return true;
    }
    // A lock that names this very process, which does not hold it, was left by a dead process
    // that had the same id: Wine hands out the same ids in every session, and Windows reuses
    // them after a restart, while the lock outlives both in %LOCALAPPDATA%.
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->error() == QLockFile::LockFailedError && !heldByThisProcess().contains(path_) &&
        lock_->getLockInfo(&pid, &host, &application) &&
        pid == QCoreApplication::applicationPid() && lock_->removeStaleLockFile() &&
        lock_->tryLock(0)) {
        held_ = true;
        heldByThisProcess().insert(path_);
        return true;
    }
    // Another live instance holds it. Any other failure (an unwritable folder) must not keep
    // the program from running, so it lets this instance start.
    return lock_->error() != QLockFile::LockFailedError;
}

QtSingleInstance::~QtSingleInstance() {
    if (held_) {
        heldByThisProcess().remove(path_);
    }
}
