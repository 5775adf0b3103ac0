#include "Titles.h"

#include "GameProfile.h"

QString windowTitle(const GameProfile& profile) {
    const QString digit = QString::number(profile.game);
    const QString title =
        QStringLiteral("Kombinációs %1-s lottószelvény kitöltő - álló").arg(digit);
    if (profile.game == 5) {
        return QString(6, QLatin1Char(' ')) + title + QString(65, QLatin1Char(' ')) +
               QStringLiteral("Kelvadata/2010");
    }
    return QString(3, QLatin1Char(' ')) + title + QString(57, QLatin1Char(' ')) +
           QStringLiteral("Kelvadata/2010");
}
