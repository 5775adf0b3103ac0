#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/results/DrawArchive.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

// The draw archive of the result check: the file last read in either program of the game,
// remembered in the game folder (huzasok.txt), read when the dialog opens and again whenever
// the file has changed since. Only the remembered path is ever written.
class DrawArchiveFile {
public:
    DrawArchiveFile(const GameProfile& profile, ProgramInfo& program);

    // Reads the remembered archive, if one is remembered. A problem is only told by
    // statusLine().
    void openRemembered();
    // Reads the chosen file. Read: it is the archive from now on and is remembered; nothing is
    // returned. Refused: the message, and the archive held stays.
    std::optional<QString> load(const QString& path);
    // Reads the file again when it changed since it was read; when it is gone or no longer
    // readable the archive is dropped and statusLine() says why. True when the archive changed.
    bool refresh();

    // The archive read; nothing when none is held. Shared, so that a check of every draw may go
    // on reading it while a newer one is read.
    const std::shared_ptr<const DrawArchive>& archive() const { return archive_; }
    // The file, its draws and the lines skipped; or why the remembered file is not read; empty
    // when no archive was ever read.
    const QString& statusLine() const { return status_; }
    QString path() const { return path_; }

private:
    // Reads path_; true when read.
    bool read(std::optional<QString>* refusal);

    const GameProfile& profile_;
    ProgramInfo& program_;
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    std::shared_ptr<const DrawArchive> archive_;
    QString status_;
};
