#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A short set of a full combination: an entry whose variant character is `variant` plays only
// `size` of the chosen numbers, the lowest or the highest.
struct ShortSet {
    QChar variant;
    int size;
    bool highest;
};

// How the variant character (the third character) of a full-combination entry chooses the
// combination row the entry plays.
struct EntryVariants {
    bool read = true;                 // false: every entry plays the base set
    std::optional<QChar> baseVariant; // the base set's character; nothing: any other character
    QList<ShortSet> shortSets;        // in the order the main window keeps their rows
};

// The constants of one lottery game. Every program is built for exactly one game.
struct GameProfile {
    int game = 6;                // 5, 6 or 7: the game digit used in file names and texts
    int numbersPerRow = 6;       // K
    int highestNumber = 45;      // N
    QString keyTitle;            // "LOTTO-6": message boxes of the key printers' slip runs
    QString listingTitle;        // "LOTTO 6": the A4 listing of the key printers
    QString keyMissingMessage;   // key printers: no key loaded
    QString combiMissingMessage; // combination printers: no key loaded

    // Key printers.
    bool ejectBeforeSetUp = false;      // the blank slip goes out right after the eject notice,
                                        // before the orientation (keyprint6); else after the set-up
    bool keepsRowCaptionOnLoad = false; // loading a key leaves the clicked-row caption (keyprint7)

    // Combination printers.
    bool widthCaptionAsStr = false; // a loaded key's width shown as Str (" 8") rather than "8"
    int baseSetSize = 11;           // numbers of a full combination's base-set row
    int baseSystemIndex = 5;        // system chosen before entry 0 of a full combination applies
    EntryVariants entryVariants;

    // Result checking ("Találatok").
    int fewestWinningHits = 3; // a row wins with this many hits or more, up to K
    // The draws of one week, in the order they are typed: every row is checked against each
    // on its own. Only the first must be given.
    QStringList drawNames;
};

// Profile of game 5, 6 or 7; any other value gives the 6-number game.
const GameProfile& gameProfile(int game);

// The one of three per-game values that belongs to the game: 5, 7, and the 6-number game's for
// any other value, as every per-game table of the programs is chosen.
template <typename Value>
const Value& forGame(int game, const Value& five, const Value& six, const Value& seven) {
    return game == 5 ? five : game == 7 ? seven : six;
}
