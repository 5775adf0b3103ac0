#pragma once

#include <QString>
#include <QStringList>

// Writes a file of rows (the plain-row file, a generated key): each line followed by carriage
// return and line feed. The file is written beside the target and renamed over it only when
// complete, so a failure leaves any older file untouched and no partial file behind. Returns false
// on failure.
bool writePlainSlipFile(const QString& path, const QStringList& lines);
