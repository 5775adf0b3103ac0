#include "QtProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

QtProgramInfo::QtProgramInfo(QString programName) : programName_(std::move(programName)) {}

QString QtProgramInfo::programFolder() const {
    QString folder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    return folder;
}

QString QtProgramInfo::dataFolder() const {
    return programFolder();
}

QString QtProgramInfo::executableName() const {
    if (!QCoreApplication::instance()) {
        return programName_;
    }
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? programName_ : name;
}
