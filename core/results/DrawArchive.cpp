#include "core/results/DrawArchive.h"

#include "core/results/DrawCheckTexts.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>

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

enum class Encoding { Utf8, Latin2 };

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

QString decode(QByteArrayView bytes, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
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

// Text files hold no NUL byte and few control characters besides tab, line ends and form feed.
bool looksBinary(QByteArrayView bytes) {
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 65536));
    qsizetype controls = 0;
    for (char ch : head) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) {
            return true;
        }
        controls += c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' ? 1 : 0;
    }
    return controls * 20 > head.size();
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A field without the blanks around it and the quotes a spreadsheet may put round it.
QByteArrayView trimmed(QByteArrayView field) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
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

// A whole number of at most nine digits; -1 for anything else.
int smallNumber(QByteArrayView field) {
    field = trimmed(field);
    if (field.isEmpty() || field.size() > 9) {
        return -1;
    }
    int value = 0;
    for (char c : field) {
        if (!isDigit(c)) {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// An amount or a count: digits with blanks, no-break spaces (either encoding) or narrow no-break
// spaces between them, and "Ft" after them. unknown for anything else, or beyond 64 bits.
long long amount(QByteArrayView field) {
    field = trimmed(field);
    if (field.size() >= 2 &&
        (field.endsWith("Ft") || field.endsWith("ft") || field.endsWith("FT"))) {
        field.chop(2);
    }
    long long value = 0;
    bool digits = false;
    const auto* p = reinterpret_cast<const unsigned char*>(field.data());
    const auto* end = p + field.size();
    while (p < end) {
        const unsigned c = *p;
        if (c >= '0' && c <= '9') {
            if (value > (std::numeric_limits<long long>::max() - 9) / 10) {
                return ClassPrizes::unknown;
            }
            value = value * 10 + (c - '0');
            digits = true;
            ++p;
        } else if (c == ' ' || c == '\t' || c == 0xA0) {
            ++p;
        } else if (c == 0xC2 && end - p >= 2 && p[1] == 0xA0) {
            p += 2;
        } else if (c == 0xE2 && end - p >= 3 && p[1] == 0x80 && p[2] == 0xAF) {
            p += 3;
        } else {
            return ClassPrizes::unknown;
        }
    }
    return digits ? value : ClassPrizes::unknown;
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

// The weekday a field names, 1 to 7; 0 when it names none. Only a field that does not begin
// with a digit is decoded.
int weekdayOf(QByteArrayView field, Encoding encoding) {
    field = trimmed(field);
    if (field.isEmpty() || isDigit(field.front()) || field.size() > 24) {
        return 0;
    }
    const QString name = decode(field, encoding);
    for (int d = 0; d < 7; ++d) {
        if (name.compare(weekdays[d], Qt::CaseInsensitive) == 0) {
            return d + 1;
        }
    }
    return 0;
}

// The fields of one line (at most mostFields; a line with more gives mostFields + 1), without
// one empty field after a closing semicolon.
int splitFields(QByteArrayView line, std::array<QByteArrayView, mostFields + 1>& fields) {
    int count = 0;
    const char* p = line.data();
    const char* end = p + line.size();
    while (true) {
        const char* semicolon = static_cast<const char*>(std::memchr(p, ';', std::size_t(end - p)));
        const char* fieldEnd = semicolon ? semicolon : end;
        if (count > mostFields) {
            return count;
        }
        fields[std::size_t(count++)] = QByteArrayView(p, fieldEnd - p);
        if (!semicolon) {
            break;
        }
        p = semicolon + 1;
    }
    if (count > 1 && trimmed(fields[std::size_t(count - 1)]).isEmpty()) {
        --count;
    }
    return count;
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
bool readLine(const std::array<QByteArrayView, mostFields + 1>& fields, int fieldCount,
              const GameProfile& profile, Encoding encoding, ArchiveLine& line) {
    const int weekday = profile.game == 5 || profile.game == 7 || fieldCount < 3
                            ? 0
                            : weekdayOf(fields[2], encoding);
    const Layout* layout = layoutOf(profile.game, fieldCount, weekday);
    if (!layout) {
        return false;
    }
    DrawIdentity& id = line.identity;
    id.year = smallNumber(fields[0]);
    id.week = smallNumber(fields[1]);
    id.weekday = weekday;
    if (id.year < 1 || id.year > 9999 || id.week < 1 || id.week > 53 ||
        !readDate(fields[std::size_t(layout->dateField)], id.date)) {
        return false;
    }
    const int k = profile.numbersPerRow;
    line.drawCount = layout->sets;
    for (int set = 0; set < layout->sets; ++set) {
        NumberMask mask;
        for (int i = 0; i < k; ++i) {
            const int number = smallNumber(fields[std::size_t(layout->numbersField + set * k + i)]);
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
        const std::size_t field = std::size_t(layout->prizeField + 2 * c);
        line.prizes.winners[std::size_t(hits)] = amount(fields[field]);
        line.prizes.perWinner[std::size_t(hits)] = amount(fields[field + 1]);
    }
    return true;
}

// Calls visit(lineNumber, line) for every line that is not blank, without its line end.
template <typename Visit> void forEachLine(QByteArrayView bytes, Visit&& visit) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    int number = 0;
    while (p < end) {
        ++number;
        const char* newline = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const char* lineEnd = newline ? newline : end;
        QByteArrayView line(p, lineEnd - p);
        while (!line.isEmpty() && (line.back() == '\r' || line.back() == ' ')) {
            line.chop(1);
        }
        if (!trimmed(line).isEmpty()) {
            visit(number, line);
        }
        p = newline ? newline + 1 : end;
    }
}

// The game whose layout every line that is not blank has, when it is another than the profile's
// and the profile's own reads none; 0 otherwise.
int otherGameOfEveryLine(QByteArrayView bytes, int ownGame, Encoding encoding) {
    for (int game : {5, 6, 7}) {
        if (game == ownGame) {
            continue;
        }
        const GameProfile& other = gameProfile(game);
        bool every = true;
        bool any = false;
        std::array<QByteArrayView, mostFields + 1> fields;
        forEachLine(bytes, [&](int, QByteArrayView text) {
            ArchiveLine line;
            const bool read = readLine(fields, splitFields(text, fields), other, encoding, line);
            every = every && read;
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
    Encoding encoding = Encoding::Utf8;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    } else if (!isUtf8(bytes)) {
        encoding = Encoding::Latin2;
    }
    if (looksBinary(bytes)) {
        reading.refusal = DrawCheckText::archiveNotText(path);
        return reading;
    }
    archive.lines.reserve(std::size_t(bytes.count('\n') + 1));
    std::array<QByteArrayView, mostFields + 1> fields;
    bool anyLine = false;
    forEachLine(bytes, [&](int number, QByteArrayView text) {
        anyLine = true;
        ArchiveLine& line = archive.lines.emplace_back();
        if (readLine(fields, splitFields(text, fields), profile, encoding, line)) {
            line.lineNumber = number;
            return;
        }
        archive.lines.pop_back();
        if (archive.skipped++ == 0) {
            archive.firstSkippedLine = number;
            archive.firstSkippedText = decode(text, encoding);
        }
    });
    if (!anyLine) {
        reading.refusal = DrawCheckText::archiveEmpty(path);
    } else if (archive.lines.empty()) {
        const int other = otherGameOfEveryLine(bytes, profile.game, encoding);
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
