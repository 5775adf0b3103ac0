#include "services/QtProgramInfo.h"

#include "core/files/GameFolder.h"

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

#ifdef Q_OS_WIN
// On Windows the executable's folder tells nothing: Qt reads only the read-only attribute, so
// Program Files looks writable, and a per-user installation under AppData is writable. A copy
// is portable when it says so with the marker file beside its executables.
bool isPortableCopy(const QString& executableFolder) {
    return QFileInfo::exists(QDir(executableFolder).filePath(QStringLiteral("portable.txt")));
}
#endif

} // namespace

QtProgramInfo::QtProgramInfo(QString programName)
    : QtProgramInfo(std::move(programName), ProgramLocations::ofRunningProgram()) {}

QtProgramInfo::QtProgramInfo(QString programName, const ProgramLocations& locations)
    : programName_(std::move(programName)) {
#ifdef Q_OS_WIN
    installed_ = !isPortableCopy(locations.executableFolder);
#else
    installed_ = isInstalledLayout(isWritableFolder(locations.executableFolder),
                                   holdsProgramData(locations.executableFolder),
                                   holdsProgramData(locations.installedDataFolder()));
#endif
    if (installed_) {
        useUserFolders(locations);
    } else {
        useExecutableFolder(locations);
    }
}

int QtProgramInfo::gameOf(const QString& programName) {
    const int digit = programName.isEmpty() ? -1 : programName.back().digitValue();
    return digit == 5 || digit == 7 ? digit : 6;
}

bool QtProgramInfo::isInstalledLayout(bool executableFolderWritable, bool executableFolderHoldsData,
                                      bool installedFolderHoldsData) {
    return !executableFolderWritable || (!executableFolderHoldsData && installedFolderHoldsData);
}

void QtProgramInfo::useExecutableFolder(const ProgramLocations& locations) {
    const QString executableFolder = QDir::cleanPath(locations.executableFolder);
    const int game = gameOf(programName_);
    programFolder_ = QDir(executableFolder).filePath(gameFolderName(game));
    makeGameFolder(programFolder_, executableFolder, game);
    dataFolder_ = executableFolder;
    pdfFolder_ = executableFolder;
}

// The user's game folder is made now, so that the first save and the key dialog find it. A
// read-only copy that carries its data beside the executable (a write-protected stick) still
// reads it from there, and reads the settings and filenev.txt it carries until the user's folder
// has its own.
void QtProgramInfo::useUserFolders(const ProgramLocations& locations) {
    const QString userFolder = QDir::cleanPath(locations.userDataFolder);
    const int game = gameOf(programName_);
    programFolder_ = QDir(userFolder).filePath(gameFolderName(game));
    makeGameFolder(programFolder_, userFolder, game);
    const QString installedData = locations.installedDataFolder();
    const QString executableFolder = QDir::cleanPath(locations.executableFolder);
    const bool dataBesideExecutable =
        !holdsProgramData(installedData) && holdsProgramData(executableFolder);
    dataFolder_ = dataBesideExecutable ? executableFolder : installedData;
    if (dataBesideExecutable) {
        readFallbacks_ = {QDir(executableFolder).filePath(gameFolderName(game)), executableFolder};
    }
    const bool documentsUsable = !locations.documentsFolder.isEmpty() &&
                                 QDir().mkpath(locations.documentsFolder) &&
                                 isWritableFolder(locations.documentsFolder);
    pdfFolder_ = documentsUsable ? QDir::cleanPath(locations.documentsFolder) : programFolder_;
}

QString QtProgramInfo::programFolder() const {
    return programFolder_;
}

QString QtProgramInfo::readPath(const QString& fileName) const {
    const QString own = QDir(programFolder_).filePath(fileName);
    if (QFileInfo::exists(own)) {
        return own;
    }
    for (const QString& folder : readFallbacks_) {
        const QString copy = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(copy)) {
            return copy;
        }
    }
    return own;
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
