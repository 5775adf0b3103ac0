#include "core/base/GameProfile.h"

namespace {

GameProfile makeProfile(int game, int k, int n) {
    const QString digit = QString::number(game);
    GameProfile profile;
    profile.game = game;
    profile.numbersPerRow = k;
    profile.highestNumber = n;
    profile.keyTitle = QStringLiteral("LOTTO-") + digit;
    profile.listingTitle = QStringLiteral("LOTTO ") + digit;
    profile.keyMissingMessage =
        QStringLiteral("Először egy elmentett %1-s LOTTO kulcsot válasszon !").arg(digit);
    profile.combiMissingMessage =
        QStringLiteral("Először egy elmentett kombinációs %1-s LOTTO kulcsot válasszon !")
            .arg(digit);
    profile.drawNames = {QStringLiteral("Húzás")};
    return profile;
}

GameProfile fiveOfNinety() {
    GameProfile profile = makeProfile(5, 5, 90);
    profile.widthCaptionAsStr = true;
    profile.baseSetSize = 12;
    profile.baseSystemIndex = 6;
    profile.fewestWinningHits = 2;
    profile.entryVariants = {false, std::nullopt, {}};
    return profile;
}

GameProfile sixOfFortyFive() {
    GameProfile profile = makeProfile(6, 6, 45);
    profile.ejectBeforeSetUp = true;
    profile.fewestWinningHits = 3;
    // " " plays the base set, "9" the 9 highest chosen numbers, "8" the 8 highest; any other
    // character names no row.
    profile.entryVariants = {
        true, QLatin1Char(' '), {{QLatin1Char('9'), 9, true}, {QLatin1Char('8'), 8, true}}};
    return profile;
}

GameProfile sevenOfThirtyFive() {
    GameProfile profile = makeProfile(7, 7, 35);
    profile.keepsRowCaptionOnLoad = true;
    profile.fewestWinningHits = 4;
    // A machine draw and a hand draw every week.
    profile.drawNames = {QStringLiteral("Gépi húzás"), QStringLiteral("Kézi húzás")};
    // "*" plays the 10 lowest chosen numbers, any other character the base set.
    profile.entryVariants = {true, std::nullopt, {{QLatin1Char('*'), 10, false}}};
    return profile;
}

} // namespace

const GameProfile& gameProfile(int game) {
    static const GameProfile five = fiveOfNinety();
    static const GameProfile six = sixOfFortyFive();
    static const GameProfile seven = sevenOfThirtyFive();
    return forGame(game, five, six, seven);
}
