#pragma once

#include "core/base/NumberMask.h"
#include "core/results/DrawCheckResult.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The best item of a draw, as the check of every draw names it.
struct BestItem {
    CheckedItem item = CheckedItem::KeyRow;
    int number = 0;           // 1-based, as the single check numbers it
    long long slip = 0;       // a key row: the slip and field the all-rows run prints it on
    int field = 0;            //
    HitCounts combinations{}; // a key or plain row is one, in its class
};

// Better: more combinations in the highest class where the two differ, then listed earlier
// (entries before plain rows, each by number), as the winners of a single check are ordered.
bool betterItem(const BestItem& a, const BestItem& b);

// One draw counted without listing the winners.
struct DrawTally {
    HitCounts combinations{};     // rows or combinations with h hits
    std::optional<BestItem> best; // the best item with a winning class; nothing when none won
};

// What the result check looks at, prepared for counting many draws: a copy of everything it
// needs, made on the window's thread, then only read, so that it may be counted on another
// thread while the window stays as it is.
class PreparedSubject {
public:
    virtual ~PreparedSubject() = default;
    virtual DrawTally tally(const NumberMask& draw) const = 0;

    CheckedSubject subject = CheckedSubject::Key;
    int numbersPerRow = 6;
    int fewestWinningHits = 3;
    NumberMask played;                // every number it plays
    std::vector<Unchecked> unchecked; // as the single check lists them
};

// A subject prepared, or the message of the single check's refusal.
struct PreparedCheck {
    std::optional<QString> refusal;
    std::shared_ptr<const PreparedSubject> subject;
    bool ok() const { return !refusal.has_value(); }
};

// Keeps the better of the best item so far and a candidate.
inline void keepBetter(std::optional<BestItem>& best, const BestItem& candidate) {
    if (!best || betterItem(candidate, *best)) {
        best = candidate;
    }
}
