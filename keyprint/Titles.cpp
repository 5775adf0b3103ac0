#include "Titles.h"

#include "GameProfile.h"

QString windowTitle(const GameProfile& profile) {
    switch (profile.game) {
    case 5:
        return QStringLiteral(" Ötös lottószelvény kitöltő - álló, fekvő    Kelvadata/2010");
    case 7:
        return QStringLiteral("  Hetes lottószelvény kitöltő.                Kelvadata/2013");
    default:
        return QStringLiteral(" Hatos lottószelvény kitöltő.") + QString(29, QLatin1Char(' ')) +
               QStringLiteral("Kelvadata/2010");
    }
}
