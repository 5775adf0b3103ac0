#pragma once

#include <QString>

#include <optional>

// The draw archive the result check last read, remembered in the game folder for the next start
// of either program of the game: one line, the file's full path, ended by CRLF.
inline const QString archivePathFileName = QStringLiteral("huzasok.txt");

// The path the file names; nothing when it cannot be read or names none.
std::optional<QString> readArchivePathFile(const QString& path);

// Writes the path as the file's one line, replacing the file only when complete. False when it
// could not be written.
bool writeArchivePathFile(const QString& path, const QString& archivePath);
