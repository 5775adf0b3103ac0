#pragma once

#include "services/ProgramLocations.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary installation laid out like a package installs it: <prefix>/bin without any data,
// <prefix>/share/<app> holding the shipped data, and a home whose data and documents folders do
// not exist yet. Nothing outside the temporary folder is touched. A portable copy instead holds
// the data beside the executables, as the build folder does.
class InstalledPrefix {
public:
    enum class Layout { Installed, Portable };

    explicit InstalledPrefix(Layout layout = Layout::Installed);

    ProgramLocations locations() const;
    QString executableFolder() const;
    QString sharedDataFolder() const;
    QString userFolder() const;
    // The game's folder, shared by the game's two programs: in the user folder, or beside the
    // executables of a portable copy.
    QString gameFolder(int game) const;
    // The folder the six programs used to share: the user folder, or the executables' folder.
    QString sharedFolder() const;
    QString documentsFolder() const;

    // Every file below <prefix>/bin and <prefix>/share with its size, to show that running the
    // programs wrote nothing there.
    QStringList installedFiles() const;

private:
    Layout layout_;
    QTemporaryDir root_;
};
