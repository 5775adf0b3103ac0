#include "core/files/GameFolder.h"

#include "core/base/GameProfile.h"
#include "core/base/PrinterFamily.h"
#include "core/base/RowText.h"
#include "core/files/LastFolderFile.h"
#include "core/files/PlainSlipFile.h"
#include "core/files/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A plain-row file belongs to the game whose rows it holds: its first row's count of numbers.
bool holdsRowsOfWidth(const QString& path, int numbersPerRow) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString first = QString::fromLatin1(file.readLine(1024)).trimmed();
    return !first.isEmpty() && rowWidth(first) == numbersPerRow;
}

} // namespace

QString gameFolderName(int game) {
    return QStringLiteral("lotto%1").arg(gameProfile(game).game);
}

QStringList filesOfGame(const QString& sharedFolder, int game) {
    const QDir shared(sharedFolder);
    QStringList files;
    for (const QString& name :
         {settingsFileName(PrinterFamily::Key, game),
          settingsFileName(PrinterFamily::Combination, game), lastFolderFileName}) {
        if (QFileInfo(shared.filePath(name)).isFile()) {
            files << name;
        }
    }
    for (int size = fewestFullCombinationNumbers; size <= mostFullCombinationNumbers; ++size) {
        const QString name = plainSlipFileName(size);
        if (holdsRowsOfWidth(shared.filePath(name), gameProfile(game).numbersPerRow)) {
            files << name;
        }
    }
    return files;
}

bool makeGameFolder(const QString& gameFolder, const QString& sharedFolder, int game) {
    if (QFileInfo(gameFolder).isDir()) {
        return true;
    }
    if (!QDir().mkpath(gameFolder)) {
        return false;
    }
    const QDir from(sharedFolder);
    const QDir to(gameFolder);
    for (const QString& name : filesOfGame(sharedFolder, game)) {
        QFile::copy(from.filePath(name), to.filePath(name));
    }
    return true;
}
