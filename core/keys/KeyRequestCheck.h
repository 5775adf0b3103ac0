#pragma once

#include "core/base/GameProfile.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// The checks and texts of "Kulcs készítés": what the user asked for, in the user's words when
// something is wrong. Every text of key making is here.

// The numbers a key may be made for in one game.
struct KeyNumberLimits {
    int highestNumber = 45; // numbers run from 1 to this
    int rowLength = 6;      // numbers per row (K)
    int fewestPlayed = 7;   // K + 1
    int mostPlayed = 30;    // at most 30, and at most the game's numbers
};

KeyNumberLimits keyNumberLimits(const GameProfile& profile);

// What is wrong with the played numbers (each as the number-text parser read it: its value, or
// nothing for a word that is not a number), the guaranteed hits and the drawn numbers among
// the played ones; an empty text when nothing is. The first problem found is told: a word that
// is not a number, a number out of range, a repeated number, too few or too many numbers, then
// the guarantee.
QString keyRequestProblem(const QList<std::optional<int>>& numbers, const KeyNumberLimits& limits,
                          int guaranteed, int drawnAmong);

// The refusal of a key that cannot fit into a key's rows: how many rows it would need at least
// (when a lower bound above the limit is known; pass KeyResult::lowerBound) and how many a key
// can hold.
QString keyTooLargeMessage(std::optional<std::int64_t> atLeast);

// The result line: "Sorok száma: 15 (alsó korlát: 14)", the bound only when known.
QString keyRowCountLine(std::int64_t rows, std::optional<std::int64_t> lowerBound);

// What a key with this guarantee promises, in one sentence; empty when the guarantee asks for more
// hits than drawn numbers.
QString keyGuaranteeLine(int guaranteed, int drawnAmong);

// The question after a made key was loaded, and the refusal when its file cannot be written.
QString keySaveQuestion();
QString keySaveFailedMessage(const QString& fileName);

// A search that ended without a key and without being stopped (the machine ran out of memory or
// threads).
QString keySearchFailedMessage();

// A count with its digits grouped by threes with a blank from five digits on ("32 736").
QString groupedCount(std::int64_t count);
