#include "KeyRowMasks.h"

#include "RowText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

constexpr unsigned digitValue(char16_t c) {
    return unsigned(c) - u'0'; // above 9 for anything but a digit
}

// rowValue of the number whose three characters start at `start`: digits read with blanks
// skipped, up to any other character.
int numberAt(const char16_t* text, qsizetype size, qsizetype start) {
    int value = 0;
    for (qsizetype i = start; i < start + 3 && i < size; ++i) {
        if (isBlank(text[i])) {
            continue;
        }
        const unsigned digit = digitValue(text[i]);
        if (digit > 9) {
            break;
        }
        value = value * 10 + int(digit);
    }
    return value;
}

// rowWidth and rowValue read straight from the characters: the first min(width, K) numbers of
// the row, those from 1 to N.
NumberMask readAnyRow(const char16_t* text, qsizetype size, int numbersPerRow,
                      int highestNumber) {
    qsizetype first = 0;
    qsizetype last = size;
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const int count = int(std::min<qsizetype>((last - first + 1) / 3, numbersPerRow));
    NumberMask mask;
    for (int k = 0; k < count; ++k) {
        const int value = numberAt(text, size, 3 * qsizetype(k));
        if (value >= 1 && value <= highestNumber) {
            mask.add(value);
        }
    }
    return mask;
}

// The bit of each number 1..128 (index: the number less one) in the low and the high word.
struct NumberBits {
    std::array<std::uint64_t, 128> low{};
    std::array<std::uint64_t, 128> high{};
    constexpr NumberBits() {
        for (int i = 0; i < 64; ++i) {
            low[std::size_t(i)] = std::uint64_t{1} << i;
            high[std::size_t(i + 64)] = std::uint64_t{1} << i;
        }
    }
};
constexpr NumberBits numberBits;

// A row of K different two-digit numbers from 1 to N, each followed by a character that is not
// a digit (or by the end of the row), as keys are written. Its width is then at least K and
// rowValue reads each number as its two digits, so the row is read in one pass without a
// branch: every check is gathered and tested once at the end. Nothing for any other row, which
// readAnyRow reads.
template <int K, std::size_t... k>
std::optional<NumberMask> readPlainRow(const char16_t* text, qsizetype size, int highestNumber,
                                       std::index_sequence<k...>) {
    if (size < 3 * K - 1) {
        return std::nullopt;
    }
    const unsigned tens[K] = {unsigned(text[3 * k])...};
    const unsigned ones[K] = {unsigned(text[3 * k + 1])...};
    // The number less one; far out of range unless both characters are digits.
    const unsigned index[K] = {(tens[k] * 10 + ones[k] - (u'0' * 11 + 1))...};
    // For a digit c, both c - '0' and c - '0' + 6 are below 16; for any other character one of
    // them is 16 or more (or wrapped round).
    const auto digitBits = [](unsigned c) { return (c - u'0') | (c - (u'0' - 6)); };
    const unsigned digits = ((digitBits(tens[k]) | digitBits(ones[k])) | ...);
    const bool outOfRange = ((index[k] >= unsigned(highestNumber)) || ...);
    // A digit right after a number would make it a number of three digits.
    bool digitAfter = ((k + 1 < K && digitValue(text[3 * k + 2]) <= 9) || ...);
    if (3 * K - 1 < size) {
        digitAfter = digitAfter || digitValue(text[3 * K - 1]) <= 9;
    }
    NumberMask mask{(numberBits.low[index[k] & 127] | ...),
                    (numberBits.high[index[k] & 127] | ...)};
    // Different numbers have different bits, so their sum has no carry: a number written twice
    // makes the sum differ from the union.
    const std::uint64_t sumLow = (numberBits.low[index[k] & 127] + ...);
    const std::uint64_t sumHigh = (numberBits.high[index[k] & 127] + ...);
    if ((digits >> 4) != 0 || outOfRange || digitAfter || sumLow != mask.low ||
        sumHigh != mask.high) {
        return std::nullopt;
    }
    return mask;
}

// Writes the mask of every row, or 0 for a row that is not a valid play (noted in
// uncheckable). K is a constant here, so that reading a plain row unrolls.
template <int K>
void readRows(const QStringList& rows, int highestNumber, std::uint64_t* low, std::uint64_t* high,
              std::vector<int>& uncheckable) {
    // The rows' characters lie apart from the list, each in its own block: asking for them a
    // few rows ahead hides the wait for memory behind the reading of the rows before.
    constexpr qsizetype ahead = 8;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i + ahead < rows.size()) {
            __builtin_prefetch(rows[i + ahead].constData());
        }
        const QString& row = rows[i];
        const char16_t* text = reinterpret_cast<const char16_t*>(row.constData());
        std::optional<NumberMask> mask =
            readPlainRow<K>(text, row.size(), highestNumber, std::make_index_sequence<K>{});
        if (!mask) {
            const NumberMask any = readAnyRow(text, row.size(), K, highestNumber);
            if (any.count() == K) {
                mask = any;
            } else {
                uncheckable.push_back(int(i));
                mask = NumberMask{}; // no hits, never a winner
            }
        }
        low[i] = mask->low;
        if (high) {
            high[i] = mask->high;
        }
    }
}

// Any other K: every row read as rowValue reads it.
void readRowsOfAnyWidth(const QStringList& rows, int numbersPerRow, int highestNumber,
                        std::uint64_t* low, std::uint64_t* high, std::vector<int>& uncheckable) {
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString& row = rows[i];
        NumberMask mask = readAnyRow(reinterpret_cast<const char16_t*>(row.constData()),
                                     row.size(), numbersPerRow, highestNumber);
        // The hits of a row are counted in one byte lane of eight (tallyRows).
        if (mask.count() != numbersPerRow || numbersPerRow > maxNumbersPerRow) {
            uncheckable.push_back(int(i));
            mask = NumberMask{};
        }
        low[i] = mask.low;
        if (high) {
            high[i] = mask.high;
        }
    }
}

// Counts the rows by hits and notes the winning rows, in blocks of 255 rows. A row holds at most
// K (at most 7) numbers, so its hits fit one byte lane of a 64-bit counter: each row adds one
// to the lane of its hits, in a register, and the lanes are added to the totals after each
// block, before a lane could overflow. The winning rows of a block are written to a buffer
// without a branch, then appended together.
template <bool TwoWords>
void tallyRows(const std::uint64_t* low, const std::uint64_t* high, std::size_t rows,
               const NumberMask& draw, int fewestWinningHits, KeyRowMasks::Tally& tally) {
    constexpr std::size_t block = 255;
    const std::uint64_t drawLow = draw.low;
    const std::uint64_t drawHigh = draw.high;
    std::array<int, block> won;
    for (std::size_t start = 0; start < rows; start += block) {
        const std::size_t end = std::min(rows, start + block);
        std::uint64_t lanes = 0;
        std::size_t winners = 0;
        for (std::size_t i = start; i < end; ++i) {
            int hits = std::popcount(low[i] & drawLow);
            if constexpr (TwoWords) {
                hits += std::popcount(high[i] & drawHigh);
            }
            lanes += std::uint64_t{1} << (8 * hits);
            won[winners] = int(i);
            winners += hits >= fewestWinningHits ? 1 : 0;
        }
        for (std::size_t h = 0; h < tally.rows.size(); ++h) {
            tally.rows[h] += static_cast<long long>((lanes >> (8 * h)) & 0xff);
        }
        tally.winners.insert(tally.winners.end(), won.begin(), won.begin() + winners);
    }
}

} // namespace

KeyRowMasks::KeyRowMasks(const QStringList& rows, int numbersPerRow, int highestNumber) {
    prepare(rows, numbersPerRow, highestNumber);
}

void KeyRowMasks::prepare(const QStringList& rows, int numbersPerRow, int highestNumber) {
    numbersPerRow_ = numbersPerRow;
    highestNumber_ = std::min(highestNumber, NumberMask::highestNumber);
    const std::size_t count = std::size_t(rows.size());
    // Every element is written below, so the words of an earlier key may stay until then.
    low_.resize(count);
    high_.resize(highestNumber_ > 64 ? count : 0);
    uncheckable_.clear();
    std::uint64_t* low = low_.data();
    std::uint64_t* high = high_.empty() ? nullptr : high_.data();
    switch (numbersPerRow) {
    case 5:
        readRows<5>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 6:
        readRows<6>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 7:
        readRows<7>(rows, highestNumber_, low, high, uncheckable_);
        break;
    default:
        readRowsOfAnyWidth(rows, numbersPerRow, highestNumber_, low, high, uncheckable_);
        break;
    }
}

NumberMask KeyRowMasks::printedNumbers(const QString& row, int numbersPerRow, int highestNumber) {
    return readAnyRow(reinterpret_cast<const char16_t*>(row.constData()), row.size(),
                      numbersPerRow, highestNumber);
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
