#pragma once

#include "core/base/NumberMask.h"

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// A row holds at most 7 numbers (the 7-number game), so hits run from 0 to 7.
inline constexpr int maxNumbersPerRow = 7;

// Rows or combinations by their hits: element h counts those with exactly h hits.
using HitCounts = std::array<long long, maxNumbersPerRow + 1>;

// What a result check looks at.
enum class CheckedSubject {
    Key,             // the rows of a key printer as "Szelv. kitölt" prints them
    CombinationRows, // "A betöltött sorok": each row of List1 one slip with the FIX numbers
    FullCombination, // "A teljes kombináció": every entry of List2 and the plain rows
};

// What a winning or unchecked item is, and what its number counts (always 1-based).
enum class CheckedItem {
    KeyRow,          // the row of the key, as the A4 listing numbers it
    CombinationSlip, // the row of List1, which is also the slip number printed on it
    Entry,           // the position of the entry in List2
    PlainRow,        // the line of the plain-row file
};

struct Winner {
    CheckedItem item = CheckedItem::KeyRow;
    int number = 0;
    long long slip = 0;       // the slip number printed on it: the slip of the all-rows run (key
                              // rows), the row position (combination slips), 1 (every entry of a
                              // full combination); 0 for a plain row, which a key printer prints
    int field = 0;            // the field of that slip (key rows); 0 otherwise
    QString row;              // the row as its list holds it; a slip's combination numbers
    NumberMask fixHits;       // the drawn FIX numbers (slips and entries)
    NumberMask rowHits;       // the drawn numbers of the row
    HitCounts combinations{}; // combinations with h hits; a key or plain row is one, in its class

    NumberMask hits() const { return fixHits | rowHits; }
};

// An item that is not counted, and why.
struct Unchecked {
    CheckedItem item;
    int number;
    QString reason;
};

// The prize per winner and the winners of each class as a draw archive gives them, by hits.
struct ClassPrizes {
    static constexpr long long unknown = -1;
    // Prize per winner in forints; unknown when the file gives 0 (nobody won) or an amount that
    // cannot be read, and for a class the line does not list.
    std::array<long long, maxNumbersPerRow + 1> perWinner;
    std::array<long long, maxNumbersPerRow + 1> winners; // unknown when not readable
    ClassPrizes() {
        perWinner.fill(unknown);
        winners.fill(unknown);
    }
    std::optional<long long> prize(int hits) const {
        const long long p = perWinner[std::size_t(hits)];
        return p > 0 ? std::optional<long long>(p) : std::nullopt;
    }
};

// Everything checked against one draw.
struct DrawResult {
    QString name;                      // the draw's name
    std::vector<int> drawn;            // ascending
    HitCounts combinations{};          // rows or combinations with h hits, over everything checked
    std::vector<Winner> winners;       // best first
    std::optional<ClassPrizes> prizes; // when the draw was picked from an archive: its prizes
};

struct DrawCheckResult {
    CheckedSubject subject = CheckedSubject::Key;
    int numbersPerRow = 6;            // K
    int fewestWinningHits = 3;        // the lowest winning class
    std::vector<DrawResult> draws;    // one per draw checked, in the order typed
    std::vector<Unchecked> unchecked; // the same for every draw

    // The winning classes of a draw, best first: (hits, rows or combinations) for hits from K
    // down to the fewest that win.
    std::vector<std::pair<int, long long>> winningClasses(const DrawResult& draw) const;
};

// A check that may be refused as a whole (the combination printers' checks).
struct DrawCheckOutcome {
    std::optional<QString> refusal; // the message to show; nothing was checked
    DrawCheckResult result;
    bool ok() const { return !refusal.has_value(); }
};

// Best first: the one with more combinations in the highest class where two differ, then in
// the order they were listed (entries before plain rows, each by number).
void sortBestFirst(std::vector<Winner>& winners);
