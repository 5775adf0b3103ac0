#pragma once

#include <QIODevice>
#include <QStringList>

// A key file read into rows, one row per field.
struct KeyRows {
    QStringList rows;
    bool stoppedEarly = false; // more rows than allowed, or a read error: the rows so far stay
};

// The most rows a key may have (the row list's limit).
inline constexpr int maxKeyRows = 32736;

// The most characters all rows of a key may hold together; a file beyond it (only a hostile or
// wrong file gets there) is cut off like a read error.
inline constexpr qsizetype maxKeyCharacters = 64 * 1024 * 1024;

// Reads every field of the device as one row, stopping at maxRows rows or when the rows reach
// maxCharacters characters.
KeyRows readKeyRows(QIODevice& device, int maxRows = maxKeyRows,
                    qsizetype maxCharacters = maxKeyCharacters);
