#pragma once

#include "ProgramLocations.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary installation laid out like a package installs it: <prefix>/bin without any data,
// <prefix>/share/<app> holding the shipped data, and a home whose data and documents folders do
// not exist yet. Nothing outside the temporary folder is touched.
class InstalledPrefix {
public:
    InstalledPrefix();

    ProgramLocations locations() const;
    QString executableFolder() const;
    QString sharedDataFolder() const;
    QString userFolder() const;
    QString documentsFolder() const;

    // Every file below <prefix>/bin and <prefix>/share with its size, to show that running the
    // programs wrote nothing there.
    QStringList installedFiles() const;

private:
    QTemporaryDir root_;
};
