#include "services/ProgramLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

ProgramLocations ProgramLocations::ofRunningProgram() {
    ProgramLocations locations;
    locations.executableFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    // The generic data folder plus the shared name, so that all six programs use one folder
    // whatever application name Qt was given.
    locations.userDataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(applicationName());
    locations.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return locations;
}

QString ProgramLocations::applicationName() {
    return QStringLiteral(SLIP_APP_NAME);
}

QString ProgramLocations::installedDataFolder() const {
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/") + applicationName());
}
