#pragma once

#include "core/base/PrinterFamily.h"
#include "core/base/Services.h"

#include <QByteArray>
#include <QString>

// The window values a key printer keeps in its settings file.
struct KeyPrinterSettings {
    QString offsetDown = "0";     // Text1
    QString offsetRight = "0";    // Text2
    QString rowsPerColumn = "60"; // Text5: rows per column of the A4 listing
    int markIndex = 1;
    int orientationIndex = 0;
};

// The window values a combination printer keeps in its settings file.
struct CombinationPrinterSettings {
    QString offsetDown = "0";  // Text1
    QString offsetRight = "0"; // Text2
    int markIndex = 0;
};

// File name of the settings file of a program: "beall56.txt", "beall6a.txt", "beall7a.txt",
// "beall5k.txt", "beall6k.txt", "beall7k.txt".
QString settingsFileName(PrinterFamily family, int game);

// Where a program's settings file is read at start (the program folder, or a copy beside a
// write-protected executable while that has none) and where a save writes it (the program
// folder).
struct SettingsLocation {
    QString fileName;
    QString readPath;
    QString savePath;
};
SettingsLocation settingsLocation(const ProgramInfo& program, PrinterFamily family, int game);

// Loading starts from the window's current values and returns them with the file's applied.
// An out-of-range option index keeps the current selection. A missing or unreadable file leaves
// a key printer's values unchanged and gives a combination printer "0", "0" and mark 0.
KeyPrinterSettings loadKeyPrinterSettings(const QString& path, KeyPrinterSettings current);
CombinationPrinterSettings loadCombinationPrinterSettings(const QString& path,
                                                          CombinationPrinterSettings current);

// Saving writes one line of plain decimals separated by commas, ended by CRLF. An option index
// of -1 (nothing selected) is written as 0. The new content goes to a temporary file in the same
// folder that then replaces the old file, so a failure (false) leaves the old file whole. The key
// printers' file is first given normal attributes (a write-protected file is replaced too) and
// is hidden between saves.
bool saveKeyPrinterSettings(const QString& path, const KeyPrinterSettings& values);
bool saveCombinationPrinterSettings(const QString& path, const CombinationPrinterSettings& values);

// The line a save writes for the values, CRLF included.
QByteArray keyPrinterSettingsLine(const KeyPrinterSettings& values);
QByteArray combinationPrinterSettingsLine(const CombinationPrinterSettings& values);
