#include "core/results/KeyRowMasks.h"

#include "core/base/RowText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
NumberMask readAnyRow(const char16_t* text, qsizetype size, int numbersPerRow, int highestNumber) {
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

// The mask of each two-digit value 0..99 (the table has 128 places, so that any value taken
// modulo 128 finds one): the number's bit when it is from 1 to N, a bit no such number has (the
// poison) otherwise.
class ValueBits {
public:
    explicit ValueBits(int highestNumber) {
        poison_ = highestNumber < 64 ? NumberMask{std::uint64_t{1} << 63, 0}
                                     : NumberMask{0, std::uint64_t{1} << 63};
        for (int value = 0; value < 128; ++value) {
            NumberMask& bits = table_[std::size_t(value)];
            if (value >= 1 && value <= highestNumber) {
                bits.add(value);
            } else {
                bits = poison_;
            }
        }
    }
    const NumberMask& operator[](unsigned value) const { return table_[value & 127]; }
    const NumberMask& poison() const { return poison_; }

private:
    std::array<NumberMask, 128> table_{};
    NumberMask poison_;
};

// The mask of K values looked up, when they are K different numbers from 1 to N. Different
// numbers have different bits, so their sum has no carry: a number written twice makes the sum
// differ from the union, and a value out of range brings the poison.
template <bool TwoWords, std::size_t... k>
bool unionOfValues(const unsigned (&values)[sizeof...(k)], const ValueBits& bits, NumberMask& mask,
                   std::index_sequence<k...>) {
    mask.low = (bits[values[k]].low | ...);
    bool ok = (bits[values[k]].low + ...) == mask.low && (mask.low & bits.poison().low) == 0;
    if constexpr (TwoWords) {
        mask.high = (bits[values[k]].high | ...);
        ok = ok && (bits[values[k]].high + ...) == mask.high &&
             (mask.high & bits.poison().high) == 0;
    }
    return ok;
}

// A plain row: K different two-digit numbers from 1 to N, each followed by a character that is
// not a digit (or by the end of the row), as keys are written. Its width is then at least K and
// rowValue reads each number as its two digits, so the row is read in one pass without a
// branch: every check is gathered and tested once at the end. Nothing for any other row, which
// readAnyRow reads.
#if defined(__SSE2__)
// The row's first 3K - 1 characters are taken eight at a time (the last eight overlapping the
// ones before, so that nothing after the row is read), the digits checked all at once, and
// every pair of neighbouring digits made into a two-digit value by one multiply-add.
template <int K> struct PlainRowLayout {
    static constexpr int length = 3 * K - 1; // up to the last digit of the last number
    static constexpr int loads = (length + 7) / 8;
    static constexpr int offset(int j) { return 8 * j < length - 8 ? 8 * j : length - 8; }
    // The load that holds both digits of number k, and where its first digit is in it.
    static constexpr int loadOf(int k) {
        int j = 0;
        while (!(offset(j) <= 3 * k && 3 * k + 1 <= offset(j) + 7)) {
            ++j;
        }
        return j;
    }
    static constexpr int placeOf(int k) { return 3 * k - offset(loadOf(k)); }
    // movemask of a load's digits: two bits per character, set where a digit belongs.
    static constexpr int digitPattern(int j) {
        int pattern = 0;
        for (int c = 0; c < 8; ++c) {
            pattern |= (offset(j) + c) % 3 != 2 ? 3 << (2 * c) : 0;
        }
        return pattern;
    }
};

template <int K, bool TwoWords, std::size_t... j, std::size_t... k>
std::optional<NumberMask> readPlainRow(const char16_t* text, qsizetype size, const ValueBits& bits,
                                       std::index_sequence<j...>, std::index_sequence<k...>) {
    using Layout = PlainRowLayout<K>;
    static_assert(Layout::length >= 8);
    if (size < Layout::length) {
        return std::nullopt;
    }
    const __m128i zero = _mm_set1_epi16(u'0');
    const __m128i digits[Layout::loads] = {_mm_sub_epi16(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + Layout::offset(int(j)))), zero)...};
    const __m128i belowZero = _mm_set1_epi16(-1);
    const __m128i ten = _mm_set1_epi16(10);
    const bool pattern = ((_mm_movemask_epi8(_mm_and_si128(_mm_cmpgt_epi16(digits[j], belowZero),
                                                           _mm_cmplt_epi16(digits[j], ten))) ==
                           Layout::digitPattern(int(j))) &&
                          ...);
    // Lane i: ten times character 2i plus character 2i + 1; moved by one character, ten times
    // character 2i + 1 plus character 2i + 2.
    const __m128i weights = _mm_set1_epi32(0x0001000A);
    const __m128i even[Layout::loads] = {_mm_madd_epi16(digits[j], weights)...};
    const __m128i odd[Layout::loads] = {_mm_madd_epi16(_mm_srli_si128(digits[j], 2), weights)...};
    const auto value = [&](auto number) -> unsigned {
        constexpr int load = Layout::loadOf(decltype(number)::value);
        constexpr int place = Layout::placeOf(decltype(number)::value);
        if constexpr (place % 2 == 0) {
            return unsigned(_mm_extract_epi16(even[load], place));
        } else {
            return unsigned(_mm_extract_epi16(odd[load], place - 1));
        }
    };
    const unsigned values[K] = {value(std::integral_constant<int, int(k)>{})...};
    NumberMask mask;
    bool ok = unionOfValues<TwoWords>(values, bits, mask, std::make_index_sequence<K>{});
    // A digit right after the last number would make it a number of three digits.
    if (Layout::length < size) {
        ok = ok && digitValue(text[Layout::length]) > 9;
    }
    if (!(pattern && ok)) {
        return std::nullopt;
    }
    return mask;
}

template <int K, bool TwoWords>
std::optional<NumberMask> readPlainRow(const char16_t* text, qsizetype size,
                                       const ValueBits& bits) {
    return readPlainRow<K, TwoWords>(text, size, bits,
                                     std::make_index_sequence<PlainRowLayout<K>::loads>{},
                                     std::make_index_sequence<K>{});
}
#else
template <int K, bool TwoWords, std::size_t... k>
std::optional<NumberMask> readPlainRow(const char16_t* text, qsizetype size, const ValueBits& bits,
                                       std::index_sequence<k...>) {
    if (size < 3 * K - 1) {
        return std::nullopt;
    }
    const unsigned tens[K] = {unsigned(text[3 * k])...};
    const unsigned ones[K] = {unsigned(text[3 * k + 1])...};
    const unsigned values[K] = {(tens[k] * 10 + ones[k] - u'0' * 11)...};
    // For a digit c, both c - '0' and c - '0' + 6 are below 16; for any other character one of
    // them is 16 or more (or wrapped round).
    const auto digitBits = [](unsigned c) { return (c - u'0') | (c - (u'0' - 6)); };
    const unsigned digits = ((digitBits(tens[k]) | digitBits(ones[k])) | ...);
    // A digit right after a number would make it a number of three digits.
    bool digitAfter = ((k + 1 < K && digitValue(text[3 * k + 2]) <= 9) || ...);
    if (3 * K - 1 < size) {
        digitAfter = digitAfter || digitValue(text[3 * K - 1]) <= 9;
    }
    NumberMask mask;
    const bool ok = unionOfValues<TwoWords>(values, bits, mask, std::make_index_sequence<K>{});
    if ((digits >> 4) != 0 || digitAfter || !ok) {
        return std::nullopt;
    }
    return mask;
}

template <int K, bool TwoWords>
std::optional<NumberMask> readPlainRow(const char16_t* text, qsizetype size,
                                       const ValueBits& bits) {
    return readPlainRow<K, TwoWords>(text, size, bits, std::make_index_sequence<K>{});
}
#endif

// Writes the mask of every row, or 0 for a row that is not a valid play (noted in
// uncheckable). K is a constant here, so that reading a plain row unrolls.
template <int K, bool TwoWords>
void readRows(const QStringList& rows, int highestNumber, std::uint64_t* low, std::uint64_t* high,
              std::vector<int>& uncheckable) {
    const ValueBits bits(highestNumber);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString& row = rows[i];
        const char16_t* text = reinterpret_cast<const char16_t*>(row.constData());
        std::optional<NumberMask> mask = readPlainRow<K, TwoWords>(text, row.size(), bits);
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
        if constexpr (TwoWords) {
            high[i] = mask->high;
        }
    }
}

// Any other K: every row read as rowValue reads it.
void readRowsOfAnyWidth(const QStringList& rows, int numbersPerRow, int highestNumber,
                        std::uint64_t* low, std::uint64_t* high, std::vector<int>& uncheckable) {
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString& row = rows[i];
        NumberMask mask = readAnyRow(reinterpret_cast<const char16_t*>(row.constData()), row.size(),
                                     numbersPerRow, highestNumber);
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
[[gnu::always_inline]] inline void tallyRows(const std::uint64_t* low, const std::uint64_t* high,
                                             std::size_t rows, const NumberMask& draw,
                                             int fewestWinningHits, KeyRowMasks::Tally& tally) {
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

// Counts the rows by hits as tallyRows does, and keeps the first row with the most hits: a row
// replaces it only with more hits, without a branch.
template <bool TwoWords>
[[gnu::always_inline]] inline void classifyRows(const std::uint64_t* low, const std::uint64_t* high,
                                                std::size_t rows, const NumberMask& draw,
                                                KeyRowMasks::Classes& classes) {
    constexpr std::size_t block = 255;
    const std::uint64_t drawLow = draw.low;
    const std::uint64_t drawHigh = draw.high;
    int bestRow = -1;
    int bestHits = 0;
    for (std::size_t start = 0; start < rows; start += block) {
        const std::size_t end = std::min(rows, start + block);
        std::uint64_t lanes = 0;
        for (std::size_t i = start; i < end; ++i) {
            int hits = std::popcount(low[i] & drawLow);
            if constexpr (TwoWords) {
                hits += std::popcount(high[i] & drawHigh);
            }
            lanes += std::uint64_t{1} << (8 * hits);
            const bool more = hits > bestHits;
            bestRow = more ? int(i) : bestRow;
            bestHits = more ? hits : bestHits;
        }
        for (std::size_t h = 0; h < classes.rows.size(); ++h) {
            classes.rows[h] += static_cast<long long>((lanes >> (8 * h)) & 0xff);
        }
    }
    classes.bestRow = bestRow;
    classes.bestHits = bestHits;
}

// The two counts over all rows, each built with and without the popcount instruction.
SLIP_POPCOUNT_CLONES void tallyAll(const std::uint64_t* low, const std::uint64_t* high,
                                   std::size_t rows, const NumberMask& draw, int fewestWinningHits,
                                   KeyRowMasks::Tally& tally) {
    if (high) {
        tallyRows<true>(low, high, rows, draw, fewestWinningHits, tally);
    } else {
        tallyRows<false>(low, nullptr, rows, draw, fewestWinningHits, tally);
    }
}

SLIP_POPCOUNT_CLONES void classifyAll(const std::uint64_t* low, const std::uint64_t* high,
                                      std::size_t rows, const NumberMask& draw,
                                      KeyRowMasks::Classes& classes) {
    if (high) {
        classifyRows<true>(low, high, rows, draw, classes);
    } else {
        classifyRows<false>(low, nullptr, rows, draw, classes);
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
    // Plain rows are read at once for the games' K, up to N = 99 (two digits).
    const bool twoWords = high != nullptr;
    switch (highestNumber_ <= 99 ? numbersPerRow * 2 + (twoWords ? 1 : 0) : 0) {
    case 5 * 2:
        readRows<5, false>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 5 * 2 + 1:
        readRows<5, true>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 6 * 2:
        readRows<6, false>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 6 * 2 + 1:
        readRows<6, true>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 7 * 2:
        readRows<7, false>(rows, highestNumber_, low, high, uncheckable_);
        break;
    case 7 * 2 + 1:
        readRows<7, true>(rows, highestNumber_, low, high, uncheckable_);
        break;
    default:
        readRowsOfAnyWidth(rows, numbersPerRow, highestNumber_, low, high, uncheckable_);
        break;
    }
}

NumberMask KeyRowMasks::printedNumbers(const QString& row, int numbersPerRow, int highestNumber) {
    return readAnyRow(reinterpret_cast<const char16_t*>(row.constData()), row.size(), numbersPerRow,
                      highestNumber);
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
    tallyAll(low_.data(), high_.empty() ? nullptr : high_.data(), low_.size(), draw,
             fewestWinningHits, tally);
    // The unchecked rows were counted among those without a hit.
    tally.rows[0] -= qsizetype(uncheckable_.size());
    return tally;
}

KeyRowMasks::Classes KeyRowMasks::classes(const NumberMask& draw) const {
    Classes classes;
    classifyAll(low_.data(), high_.empty() ? nullptr : high_.data(), low_.size(), draw, classes);
    // The unchecked rows were counted among those without a hit.
    classes.rows[0] -= qsizetype(uncheckable_.size());
    return classes;
}
