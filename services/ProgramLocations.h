#pragma once

#include <QString>

// The folders that decide where one of the programs keeps its files: the folder of its
// executable and the user's own folders. The real ones come from the running system; tests pass
// temporary folders instead.
struct ProgramLocations {
    QString executableFolder;
    QString userDataFolder;  // the user's data folder shared by the six programs
    QString documentsFolder; // the user's documents folder; may not exist yet

    // The running program's executable folder (the current folder before the application object
    // exists) and the current user's data and documents folders.
    static ProgramLocations ofRunningProgram();

    // The name shared by the user data folder and the installed data folder <prefix>/share/<name>.
    static QString applicationName();

    // Where an installed copy keeps its read-only data: <executable folder>/../share/<name>.
    QString installedDataFolder() const;
};
