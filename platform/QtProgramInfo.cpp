#include "QtProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

// XX.BMP is supplied to every program, so its presence marks a folder that holds the data.
bool holdsProgramData(const QString& folder) {
    return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("XX.BMP")));
}

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

QtProgramInfo::QtProgramInfo(QString programName)
    : QtProgramInfo(std::move(programName), ProgramLocations::ofRunningProgram()) {}

QtProgramInfo::QtProgramInfo(QString programName, const ProgramLocations& locations)
    : programName_(std::move(programName)) {
    installed_ = isInstalledLayout(isWritableFolder(locations.executableFolder),
                                   holdsProgramData(locations.executableFolder),
                                   holdsProgramData(locations.installedDataFolder()));
    if (installed_) {
        useUserFolders(locations);
    } else {
        useExecutableFolder(locations);
    }
}

bool QtProgramInfo::isInstalledLayout(bool executableFolderWritable, bool executableFolderHoldsData,
                                      bool installedFolderHoldsData) {
    return !executableFolderWritable || (!executableFolderHoldsData && installedFolderHoldsData);
}

void QtProgramInfo::useExecutableFolder(const ProgramLocations& locations) {
    programFolder_ = QDir::cleanPath(locations.executableFolder);
    dataFolder_ = programFolder_;
    pdfFolder_ = programFolder_;
}

// The user folder is made now, so that the first save and the key dialog find it. A read-only
// copy that carries its data beside the executable (a write-protected stick) still reads it
// from there.
void QtProgramInfo::useUserFolders(const ProgramLocations& locations) {
    programFolder_ = QDir::cleanPath(locations.userDataFolder);
    QDir().mkpath(programFolder_);
    const QString installedData = locations.installedDataFolder();
    const bool dataBesideExecutable =
        !holdsProgramData(installedData) && holdsProgramData(locations.executableFolder);
    dataFolder_ =
        dataBesideExecutable ? QDir::cleanPath(locations.executableFolder) : installedData;
    const bool documentsUsable = !locations.documentsFolder.isEmpty() &&
                                 QDir().mkpath(locations.documentsFolder) &&
                                 isWritableFolder(locations.documentsFolder);
    pdfFolder_ = documentsUsable ? QDir::cleanPath(locations.documentsFolder) : programFolder_;
}

QString QtProgramInfo::programFolder() const {
    return programFolder_;
}

QString QtProgramInfo::dataFolder() const {
    return dataFolder_;
}

QString QtProgramInfo::executableName() const {
    if (!QCoreApplication::instance()) {
        return programName_;
    }
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? programName_ : name;
}
