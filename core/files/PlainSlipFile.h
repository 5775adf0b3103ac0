#pragma once

#include <QString>
#include <QStringList>

// A full combination plays 13 to 20 numbers; its plain rows go into "sima13.txt" .. "sima20.txt".
inline constexpr int fewestFullCombinationNumbers = 13;
inline constexpr int mostFullCombinationNumbers = 20;
QString plainSlipFileName(int size);

// Writes a file of rows (the plain-row file, a generated key): each line followed by carriage
// return and line feed. The file is written beside the target and renamed over it only when
// complete, so a failure leaves any older file untouched and no partial file behind. Returns false
// on failure.
bool writePlainSlipFile(const QString& path, const QStringList& lines);
