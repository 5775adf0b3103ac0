#include "core/results/DrawArchive.h"

#include "core/results/DrawCheckTexts.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Where the fields of a line are in each layout.
struct Layout {
    int fields;              // without the bonus number
    bool bonus;              // one more field may follow: the bonus number
    int weekdayField;        // -1: none
    int dateField;           //
    int prizeField;          // winners, prize per winner, class after class
    std::array<int, 5> hits; // the hits of each class in the file's order; 0: not attributed
    int classes;             //
    int numbersField;        // the first winning number
    int sets;                // sets of K numbers: the week's draws
};

constexpr Layout fiveLayout{16, false, -1, 2, 3, {5, 4, 3, 2, 0}, 4, 11, 1};
constexpr Layout sixLayoutByWeek{19, true, -1, 2, 3, {6, 0, 5, 4, 3}, 5, 13, 1}; // 0: "5+1"
constexpr Layout sixLayoutByDay{20, true, 2, 3, 6, {6, 5, 4, 3, 0}, 4, 14, 1};
constexpr Layout sevenLayout{25, false, -1, 2, 3, {7, 6, 5, 4, 0}, 4, 11, 2};
constexpr int mostFields = 26; // more fields than any layout has: the line is none of them

// ISO-8859-2 from 0xA0 up; below that it agrees with Unicode.
constexpr char16_t latin2High[96] = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164,
    0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170,
    0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, up to U+10FFFF).
bool isUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Plain ASCII eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        unsigned lowest = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            lowest = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (end - p < length) {
            return false;
        }
        unsigned code = c & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        p += length;
    }
    return true;
}

// A piece of text: UTF-8 when it is well-formed UTF-8, ISO-8859-2 otherwise (the older copies of
// the files; a line of one encoding never mixes with the other in practice).
QString decode(QByteArrayView bytes) {
    if (isUtf8(bytes)) {
        return QString::fromUtf8(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte < 0xA0 ? char16_t(byte) : latin2High[byte - 0xA0];
    }
    return text;
}

// Text holds no NUL byte, and few control characters besides tab, line ends and form feed.
bool looksBinary(QByteArrayView bytes) {
    if (!bytes.isEmpty() && std::memchr(bytes.data(), 0, std::size_t(bytes.size()))) {
        return true;
    }
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
    qsizetype controls = 0;
    for (char ch : head) {
        const auto c = static_cast<unsigned char>(ch);
        controls += c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' ? 1 : 0;
    }
    return controls * 20 > head.size();
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A piece of text without the blanks around it and the quotes a spreadsheet may put round it.
QByteArrayView trimmed(QByteArrayView field) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!field.isEmpty() && blank(field.front())) {
        field = field.sliced(1);
    }
    while (!field.isEmpty() && blank(field.back())) {
        field.chop(1);
    }
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = field.sliced(1, field.size() - 2);
    }
    return field;
}

// What the digits of a field make: the whole number with the blanks between them left out and
// a closing "Ft" allowed. Blanks are the bytes of blanks, tabs, line ends, quotes, no-break spaces
// (A0 in ISO-8859-2, C2 A0 in UTF-8) and narrow no-break spaces (E2 80 AF), each byte on its own.
struct Digits {
    long long value = 0;
    int count = 0;
    bool gap = false;     // a blank or another character between two digits
    bool foreign = false; // a character that belongs in no number, or more than 18 digits
    bool forints = false; // "Ft" after the digits

    // A winning number, a year or a week: digits only.
    int number() const {
        return !foreign && !forints && !gap && count >= 1 && count <= 9 ? int(value) : -1;
    }
    // An amount or a count of winners; unknown when it is not one.
    long long amount() const { return !foreign && count >= 1 ? value : ClassPrizes::unknown; }
};

constexpr bool isBlankByte(unsigned c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '"' || c == 0xA0 || c == 0xC2 || c == 0xE2 ||
           c == 0x80 || c == 0xAF;
}

constexpr bool isForints(const unsigned char* at) {
    return (at[0] == 'F' || at[0] == 'f') && (at[1] == 't' || at[1] == 'T');
}

// The digits of a field read byte by byte.
Digits scanDigits(const unsigned char* p, const unsigned char* end) {
    Digits digits;
    unsigned long long value = 0;
    bool apart = false; // something other than a digit since the last digit
    for (; p < end; ++p) {
        const unsigned c = *p;
        if (c - '0' <= 9) {
            digits.gap = digits.gap || apart;
            digits.foreign = digits.foreign || digits.forints;
            value = value * 10 + (c - '0'); // wraps beyond 18 digits, which are foreign
            ++digits.count;
            apart = false;
            continue;
        }
        apart = digits.count > 0;
        if (isBlankByte(c)) {
            continue;
        }
        if (end - p >= 2 && isForints(p) && digits.count > 0 && !digits.forints) {
            digits.forints = true;
            ++p;
            continue;
        }
        digits.foreign = true;
    }
    digits.foreign = digits.foreign || digits.count > 18;
    digits.value = digits.foreign ? 0 : static_cast<long long>(value);
    return digits;
}

// Whether the bytes hold anything but blanks.
bool hasContent(const unsigned char* p, const unsigned char* end) {
    return std::any_of(p, end, [](unsigned char c) { return !isBlankByte(c); });
}

#if defined(__SSE2__)
// Lines up to this long are classified sixteen bytes at a time into bit masks (64 bytes a word),
// and their fields read off the masks; longer lines byte by byte.
constexpr qsizetype maskedLine = 512;
constexpr qsizetype maskWords = maskedLine / 64 + 1; // a last word of zeros

struct LineMasks {
    std::uint64_t semicolon[maskWords];
    std::uint64_t digit[maskWords];
    std::uint64_t other[maskWords]; // neither a digit, nor a blank, nor a semicolon
};

void classify(const unsigned char* text, qsizetype size, LineMasks& masks) {
    const __m128i zero = _mm_set1_epi8('0');
    const __m128i nine = _mm_set1_epi8(9);
    const auto is = [](__m128i x, unsigned char c) {
        return _mm_cmpeq_epi8(x, _mm_set1_epi8(static_cast<char>(c)));
    };
    for (qsizetype w = 0; w < maskWords; ++w) {
        masks.semicolon[w] = masks.digit[w] = masks.other[w] = 0;
    }
    for (qsizetype at = 0; at < size; at += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i fromZero = _mm_sub_epi8(x, zero);
        const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(fromZero, nine), fromZero);
        const __m128i semicolon = is(x, ';');
        __m128i blank = _mm_or_si128(_mm_or_si128(is(x, ' '), is(x, '\t')),
                                     _mm_or_si128(is(x, '\r'), is(x, '"')));
        blank = _mm_or_si128(blank, _mm_or_si128(_mm_or_si128(is(x, 0xA0), is(x, 0xC2)),
                                                 _mm_or_si128(is(x, 0xE2), is(x, 0x80))));
        blank = _mm_or_si128(blank, is(x, 0xAF));
        const auto bits = [](__m128i m) { return std::uint64_t(unsigned(_mm_movemask_epi8(m))); };
        const int shift = int(at & 63);
        const qsizetype w = at >> 6;
        masks.semicolon[w] |= bits(semicolon) << shift;
        masks.digit[w] |= bits(digit) << shift;
        masks.other[w] |= bits(_mm_or_si128(_mm_or_si128(digit, semicolon), blank)) << shift;
    }
    // The bytes past the line's end are no part of it.
    for (qsizetype w = 0; w < maskWords; ++w) {
        const qsizetype from = w * 64;
        const std::uint64_t inLine = size >= from + 64 ? ~std::uint64_t{0}
                                     : size <= from    ? 0
                                                       : (std::uint64_t{1} << (size - from)) - 1;
        masks.semicolon[w] &= inLine;
        masks.digit[w] &= inLine;
        masks.other[w] = ~masks.other[w] & inLine;
    }
}

// The bits of `length` (at most 64) bytes from `start`.
std::uint64_t bitsOf(const std::uint64_t* words, qsizetype start, qsizetype length) {
    const qsizetype w = start >> 6;
    const int shift = int(start & 63);
    std::uint64_t bits = words[w] >> shift;
    if (shift != 0) {
        bits |= words[w + 1] << (64 - shift);
    }
    return length >= 64 ? bits : bits & ((std::uint64_t{1} << length) - 1);
}
#endif

// The fields of one line, split at its semicolons when the line is scanned; each field's text,
// digits and content read when they are asked for, so that a field the layout does not use costs
// nothing more.
class LineFields {
public:
    // Splits the line from `line` to `end` (its line end left out).
    void scan(const unsigned char* line, const unsigned char* end);

    // The fields (more than mostFields for a line with more than any layout), without one empty
    // field after a closing semicolon.
    int count() const { return count_; }
    QByteArrayView text(int field) const {
        const auto [start, end] = bounds_[std::size_t(field)];
        return QByteArrayView(reinterpret_cast<const char*>(line_ + start), end - start);
    }
    Digits digits(int field) const;
    bool content(int field) const;

private:
    const unsigned char* line_ = nullptr;
    int count_ = 0;
    std::array<std::pair<qsizetype, qsizetype>, mostFields + 1> bounds_{};
#if defined(__SSE2__)
    bool masked_ = false;
    alignas(16) unsigned char copy_[maskedLine + 16];
    LineMasks masks_;
#endif
};

void LineFields::scan(const unsigned char* line, const unsigned char* end) {
    line_ = line;
    count_ = 0;
    const auto add = [this](qsizetype start, qsizetype stop) {
        if (count_ <= mostFields) {
            bounds_[std::size_t(count_)] = {start, stop};
        }
        ++count_;
    };
    const qsizetype size = end - line;
#if defined(__SSE2__)
    masked_ = size <= maskedLine;
    if (masked_) {
        std::memcpy(copy_, line, std::size_t(size));
        classify(copy_, size, masks_);
        qsizetype start = 0;
        for (qsizetype w = 0; w * 64 < size; ++w) {
            for (std::uint64_t rest = masks_.semicolon[w]; rest != 0; rest &= rest - 1) {
                const qsizetype at = w * 64 + std::countr_zero(rest);
                add(start, at);
                start = at + 1;
            }
        }
        add(start, size);
    }
#endif
    if (count_ == 0) {
        qsizetype start = 0;
        while (true) {
            const auto* semicolon = static_cast<const unsigned char*>(
                std::memchr(line + start, ';', std::size_t(size - start)));
            const qsizetype stop = semicolon ? semicolon - line : size;
            add(start, stop);
            if (!semicolon) {
                break;
            }
            start = stop + 1;
        }
    }
    if (count_ > 1 && count_ <= mostFields + 1 && !content(count_ - 1)) {
        --count_;
    }
}

Digits LineFields::digits(int field) const {
    const auto [start, end] = bounds_[std::size_t(field)];
    const qsizetype length = end - start;
#if defined(__SSE2__)
    if (masked_ && length <= 64) {
        const std::uint64_t digitBits = bitsOf(masks_.digit, start, length);
        const std::uint64_t other = bitsOf(masks_.other, start, length);
        Digits digits;
        unsigned long long value = 0;
        if (digitBits != 0) {
            const std::uint64_t run = digitBits >> std::countr_zero(digitBits);
            digits.gap = (run & (run + 1)) != 0;
            for (std::uint64_t rest = digitBits; rest != 0; rest &= rest - 1) {
                value = value * 10 + (copy_[start + std::countr_zero(rest)] - '0');
                ++digits.count;
            }
        }
        digits.foreign = digits.count > 18;
        if (other != 0) {
            // Only "Ft" after the last digit may stand among the digits and blanks.
            const int at = std::countr_zero(other);
            digits.forints = other == (std::uint64_t{3} << at) && isForints(copy_ + start + at) &&
                             digitBits != 0 && (digitBits >> at) == 0;
            digits.foreign = digits.foreign || !digits.forints;
        }
        digits.value = digits.foreign ? 0 : static_cast<long long>(value);
        return digits;
    }
#endif
    return scanDigits(line_ + start, line_ + end);
}

bool LineFields::content(int field) const {
    const auto [start, end] = bounds_[std::size_t(field)];
#if defined(__SSE2__)
    if (masked_) {
        for (qsizetype at = start; at < end; at += 64) {
            const qsizetype length = std::min<qsizetype>(64, end - at);
            if ((bitsOf(masks_.digit, at, length) | bitsOf(masks_.other, at, length)) != 0) {
                return true;
            }
        }
        return false;
    }
#endif
    return hasContent(line_ + start, line_ + end);
}

// "2019.02.23." (the last dot may be missing; hyphens instead of the dots are taken too). Empty:
// an invalid date and true; anything else not a date: false.
bool readDate(QByteArrayView field, QDate& date) {
    field = trimmed(field);
    date = QDate();
    if (field.isEmpty()) {
        return true;
    }
    if (field.back() == '.') {
        field.chop(1);
    }
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (char c : field) {
        if (isDigit(c)) {
            parts[part] = parts[part] * 10 + (c - '0');
            if (++digits > 4) {
                return false;
            }
        } else if ((c == '.' || c == '-') && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else {
            return false;
        }
    }
    if (part != 2 || digits == 0) {
        return false;
    }
    date = QDate(parts[0], parts[1], parts[2]);
    return date.isValid();
}

const QString weekdays[7] = {QStringLiteral("hétfő"),   QStringLiteral("kedd"),
                             QStringLiteral("szerda"),  QStringLiteral("csütörtök"),
                             QStringLiteral("péntek"),  QStringLiteral("szombat"),
                             QStringLiteral("vasárnap")};

// The weekday names in both encodings, lower case.
struct EncodedWeekdays {
    std::array<QByteArray, 14> names; // UTF-8 from 0, ISO-8859-2 from 7
    EncodedWeekdays() {
        for (std::size_t d = 0; d < 7; ++d) {
            names[d] = weekdays[d].toUtf8();
            for (QChar c : weekdays[d]) {
                const auto found =
                    std::find(std::begin(latin2High), std::end(latin2High), c.unicode());
                names[d + 7] += c.unicode() < 0xA0 ? char(c.unicode())
                                                   : char(0xA0 + (found - std::begin(latin2High)));
            }
        }
    }
};

// The weekday a field names, 1 to 7; 0 when it names none. The bytes are compared with the
// names in either encoding, ASCII letters in any case; a field of other letters is decoded and
// compared in any case.
int weekdayOf(QByteArrayView field) {
    field = trimmed(field);
    constexpr qsizetype longest = 24;
    if (field.isEmpty() || isDigit(field.front()) || field.size() > longest) {
        return 0;
    }
    static const EncodedWeekdays encoded;
    char lower[longest];
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        lower[i] = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    const QByteArrayView folded(lower, field.size());
    for (std::size_t n = 0; n < encoded.names.size(); ++n) {
        if (folded == encoded.names[n]) {
            return int(n % 7) + 1;
        }
    }
    const QString name = decode(field);
    for (int d = 0; d < 7; ++d) {
        if (name.compare(weekdays[d], Qt::CaseInsensitive) == 0) {
            return d + 1;
        }
    }
    return 0;
}

const Layout* layoutOf(int game, int fieldCount, int weekday) {
    const auto fits = [fieldCount](const Layout& layout) {
        return fieldCount == layout.fields || (layout.bonus && fieldCount == layout.fields + 1);
    };
    switch (game) {
    case 5:
        return fits(fiveLayout) ? &fiveLayout : nullptr;
    case 7:
        return fits(sevenLayout) ? &sevenLayout : nullptr;
    default: {
        const Layout& layout = weekday > 0 ? sixLayoutByDay : sixLayoutByWeek;
        return fits(layout) ? &layout : nullptr;
    }
    }
}

// The draw of a line for a game, or false when the line is not one.
bool readLine(const LineFields& fields, const GameProfile& profile, ArchiveLine& line) {
    const int fieldCount = fields.count();
    const int weekday =
        profile.game == 5 || profile.game == 7 || fieldCount < 3 ? 0 : weekdayOf(fields.text(2));
    const Layout* layout = layoutOf(profile.game, fieldCount, weekday);
    if (!layout) {
        return false;
    }
    DrawIdentity& id = line.identity;
    id.year = fields.digits(0).number();
    id.week = fields.digits(1).number();
    id.weekday = weekday;
    if (id.year < 1 || id.year > 9999 || id.week < 1 || id.week > 53 ||
        !readDate(fields.text(layout->dateField), id.date)) {
        return false;
    }
    const int k = profile.numbersPerRow;
    line.drawCount = layout->sets;
    for (int set = 0; set < layout->sets; ++set) {
        NumberMask mask;
        for (int i = 0; i < k; ++i) {
            const int number = fields.digits(layout->numbersField + set * k + i).number();
            if (number < 1 || number > profile.highestNumber || mask.contains(number)) {
                return false;
            }
            mask.add(number);
        }
        const int box = layout->sets == 1 ? 0 : set == machineDrawSet ? 0 : 1;
        line.draws[std::size_t(box)] = mask;
    }
    line.prizes = ClassPrizes();
    for (int c = 0; c < layout->classes; ++c) {
        const int hits = layout->hits[std::size_t(c)];
        if (hits == 0) {
            continue;
        }
        const int field = layout->prizeField + 2 * c;
        line.prizes.winners[std::size_t(hits)] = fields.digits(field).amount();
        line.prizes.perWinner[std::size_t(hits)] = fields.digits(field + 1).amount();
    }
    return true;
}

// Calls visit(lineNumber, line text, fields) for every line that is not blank.
template <typename Visit> void forEachLine(QByteArrayView bytes, Visit&& visit) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    LineFields fields;
    int number = 0;
    while (p < end) {
        ++number;
        const auto* newline =
            static_cast<const unsigned char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const unsigned char* lineEnd = newline ? newline : end;
        fields.scan(p, lineEnd);
        if (fields.count() > 1 || fields.content(0)) {
            visit(number, QByteArrayView(reinterpret_cast<const char*>(p), lineEnd - p), fields);
        }
        p = newline ? newline + 1 : end;
    }
}

// The game whose layout every line that is not blank has, when it is another than the profile's
// and the profile's own reads none; 0 otherwise.
int otherGameOfEveryLine(QByteArrayView bytes, int ownGame) {
    for (int game : {5, 6, 7}) {
        if (game == ownGame) {
            continue;
        }
        const GameProfile& other = gameProfile(game);
        bool every = true;
        bool any = false;
        forEachLine(bytes, [&](int, QByteArrayView, const LineFields& fields) {
            ArchiveLine line;
            every = every && readLine(fields, other, line);
            any = true;
        });
        if (every && any) {
            return game;
        }
    }
    return 0;
}

} // namespace

QString weekdayName(int weekday) {
    return weekday >= 1 && weekday <= 7 ? weekdays[weekday - 1] : QString();
}

bool DrawIdentity::operator==(const DrawIdentity& other) const {
    return year == other.year && week == other.week && date == other.date &&
           weekday == other.weekday;
}

int DrawIdentity::dayOfWeek() const {
    return weekday > 0 ? weekday : date.isValid() ? date.dayOfWeek() : 0;
}

bool DrawIdentity::newerThan(const DrawIdentity& other) const {
    if (year != other.year) {
        return year > other.year;
    }
    if (week != other.week) {
        return week > other.week;
    }
    return dayOfWeek() > other.dayOfWeek();
}

QString DrawIdentity::text() const {
    QString text = DrawCheckText::archiveWeek(year, week);
    if (weekday > 0) {
        text += QStringLiteral(", ") + weekdayName(weekday);
    }
    if (date.isValid()) {
        text += QStringLiteral(" – ") + date.toString(QStringLiteral("yyyy.MM.dd."));
    }
    return text;
}

QString DrawIdentity::shortText() const {
    return date.isValid() ? date.toString(QStringLiteral("yyyy.MM.dd.")) : text();
}

long long DrawArchive::drawCount() const {
    long long draws = 0;
    for (const ArchiveLine& line : lines) {
        draws += line.drawCount;
    }
    return draws;
}

long long DrawArchive::weekCount() const {
    std::vector<int> weeks;
    weeks.reserve(lines.size());
    for (const ArchiveLine& line : lines) {
        weeks.push_back(line.identity.year * 100 + line.identity.week);
    }
    std::sort(weeks.begin(), weeks.end());
    return std::unique(weeks.begin(), weeks.end()) - weeks.begin();
}

ArchiveReading readDrawArchive(QByteArrayView bytes, const GameProfile& profile,
                               const QString& path) {
    ArchiveReading reading;
    DrawArchive& archive = reading.archive;
    archive.path = path;
    archive.game = profile.game;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    }
    if (looksBinary(bytes)) {
        reading.refusal = DrawCheckText::archiveNotText(path);
        return reading;
    }
    archive.lines.reserve(std::size_t(bytes.size() / 64 + 1)); // the lines are longer
    bool anyLine = false;
    forEachLine(bytes, [&](int number, QByteArrayView text, const LineFields& fields) {
        anyLine = true;
        ArchiveLine& line = archive.lines.emplace_back();
        if (readLine(fields, profile, line)) {
            line.lineNumber = number;
            return;
        }
        archive.lines.pop_back();
        if (archive.skipped++ == 0) {
            archive.firstSkippedLine = number;
            archive.firstSkippedText = decode(trimmed(text));
        }
    });
    if (!anyLine) {
        reading.refusal = DrawCheckText::archiveEmpty(path);
    } else if (archive.lines.empty()) {
        const int other = otherGameOfEveryLine(bytes, profile.game);
        reading.refusal = other != 0
                              ? DrawCheckText::archiveOfOtherGame(path, other, profile.game)
                              : DrawCheckText::archiveUnreadable(path, archive.firstSkippedLine,
                                                                 archive.firstSkippedText);
    }
    if (reading.refusal) {
        archive.lines.clear();
    }
    return reading;
}

ArchiveReading loadDrawArchive(const QString& path, const GameProfile& profile) {
    QFile file(path);
    if (!file.exists()) {
        ArchiveReading reading;
        reading.refusal = DrawCheckText::archiveMissing(path);
        return reading;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ArchiveReading reading;
        reading.refusal = DrawCheckText::archiveNotOpened(path);
        return reading;
    }
    const QByteArray bytes = file.readAll();
    return readDrawArchive(bytes, profile, path);
}

std::vector<long long> numberFrequencies(const DrawArchive& archive, int highestNumber) {
    std::vector<long long> counts(std::size_t(std::max(highestNumber, 0)) + 1, 0);
    for (const ArchiveLine& line : archive.lines) {
        for (int d = 0; d < line.drawCount; ++d) {
            for (int number : line.draws[std::size_t(d)].numbers()) {
                if (number <= highestNumber) {
                    ++counts[std::size_t(number)];
                }
            }
        }
    }
    return counts;
}
