#include "core/results/DrawArchiveFile.h"

#include "core/files/ArchivePathFile.h"
#include "core/results/DrawCheckTexts.h"

#include <QFileInfo>

#include <utility>

DrawArchiveFile::DrawArchiveFile(const GameProfile& profile, ProgramInfo& program)
    : profile_(profile), program_(program) {}

void DrawArchiveFile::openRemembered() {
    const std::optional<QString> remembered =
        readArchivePathFile(program_.readPath(archivePathFileName));
    if (!remembered) {
        return;
    }
    path_ = *remembered;
    read(nullptr);
}

std::optional<QString> DrawArchiveFile::load(const QString& path) {
    const QString previousPath = path_;
    const QString previousStatus = status_;
    path_ = path;
    std::optional<QString> refusal;
    if (!read(&refusal)) {
        path_ = previousPath;
        status_ = previousStatus;
        return refusal;
    }
    writeArchivePathFile(program_.programFolder() + QLatin1Char('/') + archivePathFileName, path);
    return std::nullopt;
}

bool DrawArchiveFile::refresh() {
    if (path_.isEmpty()) {
        return false;
    }
    const QFileInfo file(path_);
    if (archive_ && file.exists() && file.lastModified() == modified_ && file.size() == size_) {
        return false;
    }
    const bool held = archive_ != nullptr;
    return read(nullptr) || held;
}

bool DrawArchiveFile::read(std::optional<QString>* refusal) {
    const QFileInfo file(path_);
    const QDateTime modified = file.lastModified();
    const qint64 size = file.size();
    ArchiveReading reading = loadDrawArchive(path_, profile_);
    if (!reading.ok()) {
        if (refusal) {
            *refusal = reading.refusal;
            return false;
        }
        archive_.reset();
        status_ = DrawCheckText::rememberedArchiveProblem(*reading.refusal);
        return false;
    }
    modified_ = modified;
    size_ = size;
    const DrawArchive& read = reading.archive;
    status_ =
        DrawCheckText::archiveLoaded(file.fileName(), read.drawCount(), read.weekCount(),
                                     read.skipped, read.firstSkippedLine, read.firstSkippedText);
    archive_ = std::make_shared<const DrawArchive>(std::move(reading.archive));
    return true;
}
