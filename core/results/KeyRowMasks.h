#pragma once

#include "core/base/NumberMask.h"
#include "core/results/DrawCheckResult.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The rows of a key prepared for checking against draws: for every row the numbers a slip run
// marks for it, as a bit mask. Made when the key is loaded, then checked against any number of
// draws. The masks are kept as one array of words per half (the second only when N is above
// 64), so a check reads them in one pass. A window that keeps one object and prepares each new
// key into it reuses the memory of the previous key.
class KeyRowMasks {
public:
    KeyRowMasks() = default;
    KeyRowMasks(const QStringList& rows, int numbersPerRow, int highestNumber);
    // Prepares other rows in place of the ones held.
    void prepare(const QStringList& rows, int numbersPerRow, int highestNumber);

    // The numbers a slip run marks for a row: its first K numbers as the row text gives them
    // (rowWidth, rowValue), those from 1 to N.
    static NumberMask printedNumbers(const QString& row, int numbersPerRow, int highestNumber);

    qsizetype size() const { return qsizetype(low_.size()); }
    int numbersPerRow() const { return numbersPerRow_; }
    int highestNumber() const { return highestNumber_; }
    // The numbers of a checkable row; an empty mask for the others.
    NumberMask mask(qsizetype row) const;
    // The rows (0-based, ascending) whose marks are not K different numbers from 1 to N: a
    // slip with such a field is not a valid play, so they are not checked.
    const std::vector<int>& uncheckableRows() const { return uncheckable_; }

    struct Tally {
        HitCounts rows{};         // checkable rows with h hits
        std::vector<int> winners; // rows (0-based, ascending) with fewestWinningHits or more
    };
    Tally tally(const NumberMask& draw, int fewestWinningHits) const;

    // The checkable rows by hits and the first row with the most hits (-1 when no row has a
    // hit), without noting the winners: for counting many draws.
    struct Classes {
        HitCounts rows{};
        int bestRow = -1;
        int bestHits = 0;
    };
    Classes classes(const NumberMask& draw) const;

    // The words themselves: bit n - 1 of low for n up to 64, bit n - 65 of high above; high
    // is empty when N is 64 or less.
    const std::vector<std::uint64_t>& lowWords() const { return low_; }
    const std::vector<std::uint64_t>& highWords() const { return high_; }

private:
    int numbersPerRow_ = 0;
    int highestNumber_ = 0;
    std::vector<std::uint64_t> low_;
    std::vector<std::uint64_t> high_;
    std::vector<int> uncheckable_;
};
