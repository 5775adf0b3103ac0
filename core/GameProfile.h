#pragma once

#include <QString>

// The constants of one lottery game. Every program is built for exactly one game.
struct GameProfile {
    int game;                    // 5, 6 or 7: the game digit used in file names and texts
    int numbersPerRow;           // K
    int highestNumber;           // N
    QString keyTitle;            // "LOTTO-6": message boxes of the key printers' slip runs
    QString listingTitle;        // "LOTTO 6": the A4 listing of the key printers
    QString keyMissingMessage;   // key printers: no key loaded
    QString combiMissingMessage; // combination printers: no key loaded
};

// Profile of game 5, 6 or 7; any other value gives the 6-number game.
const GameProfile& gameProfile(int game);

// The maker's texts printed in slip headers and on the A4 listing.
namespace Maker {
inline const QString name = QStringLiteral("Kelvadata/2010");
inline const QString telephoneLine = QStringLiteral("Tel: 06-1-555-0142");
inline const QString messageTitle = QStringLiteral("Kelvadata/2010");
} // namespace Maker
