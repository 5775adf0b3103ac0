#pragma once

#include "core/base/Services.h"
#include "services/ProgramLocations.h"

#include <QStringList>

// The running program's folders and executable name, decided once when it is made.
//
// A portable copy (its executable's folder is writable and holds the data) keeps its files in the
// game's folder beside the executable (<folder>/lotto6/), as in a build folder or a copy on a USB
// stick, and writes PDF jobs beside the executable. An installed copy (the executable's folder is
// read-only, or it lacks the data that <prefix>/share/<app> holds, as for /usr/bin run by root)
// keeps its files in the game's folder in the user's data folder, reads its data from the share
// folder and writes PDF jobs into the user's documents folder. The game's folder is shared by the
// key printer and the combination printer of the game; made at the first start, it receives the
// game's files from the folder all six programs used to share.
//
// On Windows a copy is portable only with the marker file portable.txt beside its executables;
// any other copy is installed: its game folders are in %LOCALAPPDATA%\lotto-szelveny\, its data
// is read beside its executables and its PDF jobs go into the user's Documents folder.
class QtProgramInfo : public ProgramInfo {
public:
    // The real folders of the running program and user.
    explicit QtProgramInfo(QString programName);
    QtProgramInfo(QString programName, const ProgramLocations& locations);

    QString programFolder() const override;
    QString readPath(const QString& fileName) const override;
    QString dataFolder() const override;
    QString executableName() const override;

    bool isInstalled() const { return installed_; }
    // Where print jobs are written as PDFs when the machine has no printer.
    QString pdfFolder() const { return pdfFolder_; }

    // The decision itself: installed when the executable's folder cannot be written, or when
    // the data is missing there but present in the installed data folder.
    static bool isInstalledLayout(bool executableFolderWritable, bool executableFolderHoldsData,
                                  bool installedFolderHoldsData);
    // The game a program is built for, from its name: "keyprint6" -> 6.
    static int gameOf(const QString& programName);

private:
    void useExecutableFolder(const ProgramLocations& locations);
    void useUserFolders(const ProgramLocations& locations);

    QString programName_;
    bool installed_ = false;
    QString programFolder_;
    QStringList readFallbacks_; // folders read from while the program folder lacks a file
    QString dataFolder_;
    QString pdfFolder_;
};
