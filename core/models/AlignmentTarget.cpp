#include "core/models/AlignmentTarget.h"

QString offsetsSavedNote(const QString& fileName, const QString& offsetDown,
                         const QString& offsetRight) {
    const auto withComma = [](QString text) { return text.replace(QLatin1Char('.'), u','); };
    return QStringLiteral("Eltolás mentve (%1): lefelé %2, jobbra %3")
        .arg(fileName, withComma(offsetDown), withComma(offsetRight));
}
