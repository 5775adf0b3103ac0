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

// Reads every field of the device as one row, stopping at maxRows rows.
KeyRows readKeyRows(QIODevice& device, int maxRows = maxKeyRows);
