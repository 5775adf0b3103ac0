#pragma once

#include <QString>

#include <optional>

// The key path named by filenev.txt, split for the file-open dialog.
struct LastFolder {
    std::optional<QString> folder; // up to and including the last separator; nothing keeps the
                                   // program folder
    QString presetName;            // the part after the last separator
};

// Splits a key path at its last backslash (on systems other than Windows also at its last
// slash): the folder keeps the separator, the rest is the file name.
LastFolder splitKeyPath(const QString& path);

// Reads the first field of the last-folder file and splits it; nothing when the file cannot be
// opened or holds no field.
std::optional<LastFolder> readLastFolderFile(const QString& path);

inline const QString lastFolderFileName = QStringLiteral("filenev.txt");
