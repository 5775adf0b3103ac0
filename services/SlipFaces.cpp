#include "services/SlipFaces.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

QStringList provideMissingFaces(const QString& fontsFolder) {
    QStringList provided;
    const QDir fonts(fontsFolder);
    for (const QString& face : fonts.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFontDatabase::hasFamily(face)) {
            continue;
        }
        const QDir faceFolder(fonts.filePath(face));
        QStringList families;
        const QStringList files = faceFolder.entryList(
            {QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc")},
            QDir::Files);
        for (const QString& file : files) {
            const int id = QFontDatabase::addApplicationFont(faceFolder.filePath(file));
            for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
                if (!families.contains(family)) {
                    families.append(family);
                }
            }
        }
        if (!families.isEmpty()) {
            QFont::insertSubstitutions(face, families);
            provided.append(face);
        }
    }
    return provided;
}
