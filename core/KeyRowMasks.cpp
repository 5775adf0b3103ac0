#include "KeyRowMasks.h"

#include "RowText.h"

#include <algorithm>

namespace {

// rowWidth and rowValue read straight from the characters: the first `count` numbers of the
// row, each from the three characters at 3 (k - 1), blanks skipped, up to any other character.
NumberMask readRow(const QString& row, int numbersPerRow, int highestNumber) {
    const int count = std::min(rowWidth(row), numbersPerRow);
    const char16_t* text = reinterpret_cast<const char16_t*>(row.constData());
    const qsizetype size = row.size();
    NumberMask mask;
    for (int k = 0; k < count; ++k) {
        const qsizetype start = 3 * qsizetype(k);
        const qsizetype end = std::min(start + 3, size);
        int value = 0;
        for (qsizetype i = start; i < end; ++i) {
            const char16_t c = text[i];
            if (isBlank(c)) {
                continue;
            }
            if (c < u'0' || c > u'9') {
                break;
            }
            value = value * 10 + (c - u'0');
        }
        if (value >= 1 && value <= highestNumber) {
            mask.add(value);
        }
    }
    return mask;
}

// Counts the rows by hits and notes the winning rows. The rows hold at most K numbers, so
// the hits never leave 0..K.
template <bool TwoWords>
void tallyRows(const std::uint64_t* low, const std::uint64_t* high, std::size_t rows,
               const NumberMask& draw, int fewestWinningHits, KeyRowMasks::Tally& tally) {
    std::array<int, 2 * 64 + 1> byHits{};
    const std::uint64_t drawLow = draw.low;
    const std::uint64_t drawHigh = draw.high;
    for (std::size_t i = 0; i < rows; ++i) {
        int hits = std::popcount(low[i] & drawLow);
        if constexpr (TwoWords) {
            hits += std::popcount(high[i] & drawHigh);
        }
        ++byHits[std::size_t(hits)];
        if (hits >= fewestWinningHits) {
            tally.winners.push_back(int(i));
        }
    }
    for (std::size_t h = 0; h < tally.rows.size(); ++h) {
        tally.rows[h] = byHits[h];
    }
}

} // namespace

KeyRowMasks::KeyRowMasks(const QStringList& rows, int numbersPerRow, int highestNumber)
    : numbersPerRow_(numbersPerRow), highestNumber_(highestNumber) {
    const std::size_t count = std::size_t(rows.size());
    low_.resize(count);
    if (highestNumber > 64) {
        high_.resize(count);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const NumberMask mask = readRow(rows[qsizetype(i)], numbersPerRow, highestNumber);
        if (mask.count() != numbersPerRow) {
            uncheckable_.push_back(int(i));
            continue; // its words stay empty: no hits, never a winner
        }
        low_[i] = mask.low;
        if (!high_.empty()) {
            high_[i] = mask.high;
        }
    }
}

NumberMask KeyRowMasks::printedNumbers(const QString& row, int numbersPerRow, int highestNumber) {
    return readRow(row, numbersPerRow, highestNumber);
}

NumberMask KeyRowMasks::mask(qsizetype row) const {
    if (row < 0 || row >= size()) {
        return {};
    }
    return {low_[std::size_t(row)], high_.empty() ? 0 : high_[std::size_t(row)]};
}

KeyRowMasks::Tally KeyRowMasks::tally(const NumberMask& draw, int fewestWinningHits) const {
    Tally tally;
    // A winner needs at least one hit: the empty masks of unchecked rows never win.
    fewestWinningHits = std::max(fewestWinningHits, 1);
    if (high_.empty()) {
        tallyRows<false>(low_.data(), nullptr, low_.size(), draw, fewestWinningHits, tally);
    } else {
        tallyRows<true>(low_.data(), high_.data(), low_.size(), draw, fewestWinningHits, tally);
    }
    // The unchecked rows were counted among those without a hit.
    tally.rows[0] -= qsizetype(uncheckable_.size());
    return tally;
}
