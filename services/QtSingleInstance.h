#pragma once

#include "core/base/Services.h"

#include <QLockFile>
#include <QString>

#include <memory>

// One running instance per program and user, held as a lock file in the user's runtime folder
// (XDG_RUNTIME_DIR; on Windows %LOCALAPPDATA%\lotto-szelveny), which no other user can see or
// block. The lock records the holder's process; a lock left by a process that no longer runs (a
// crash) is recognised as stale and taken over, so it can never keep the program from starting.
class QtSingleInstance : public SingleInstance {
public:
    // lockFolder: where the lock lives; the user's runtime folder when empty.
    explicit QtSingleInstance(const QString& programName, const QString& lockFolder = {});
    ~QtSingleInstance() override;
    bool acquire() override;
    QString lockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};
