#include "GameProfile.h"

namespace {

GameProfile makeProfile(int game, int k, int n) {
    const QString digit = QString::number(game);
    return GameProfile{
        game,
        k,
        n,
        QStringLiteral("LOTTO-") + digit,
        QStringLiteral("LOTTO ") + digit,
        QStringLiteral("Először egy elmentett %1-s LOTTO kulcsot válasszon !").arg(digit),
        QStringLiteral("Először egy elmentett kombinációs %1-s LOTTO kulcsot válasszon !")
            .arg(digit),
    };
}

} // namespace

const GameProfile& gameProfile(int game) {
    static const GameProfile five = makeProfile(5, 5, 90);
    static const GameProfile six = makeProfile(6, 6, 45);
    static const GameProfile seven = makeProfile(7, 7, 35);
    switch (game) {
    case 5:
        return five;
    case 7:
        return seven;
    default:
        return six;
    }
}
