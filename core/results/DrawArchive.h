#pragma once

#include "core/base/GameProfile.h"
#include "core/base/NumberMask.h"
#include "core/results/DrawCheckResult.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The lottery operator's results file of one game: one draw (a week's two draws in the 7-number
// game) per line, newest first, fields separated by semicolons. Read as published: UTF-8 with or
// without a byte-order mark, or ISO-8859-2; CRLF or LF line ends; amounts such as "1 396 675 Ft"
// (blanks or no-break spaces between the thousands) or a bare "0"; the date "2019.02.23.",
// empty in the oldest lines.
//
//   otos.csv    16 fields: year; week; date; winners and prize for 5, 4, 3, 2 hits; 5 numbers
//   hatos.csv   19 fields: year; week; date; winners and prize for 6, 5+1, 5, 4, 3 hits;
//               6 numbers (20 fields with the bonus number after them), or
//               20 fields: year; week; weekday; date; jackpot flag and amount; winners and prize
//               for 6, 5, 4, 3 hits; 6 numbers (21 with the bonus number)
//   skandi.csv  25 fields: year; week; date; winners and prize for 7, 6, 5, 4 hits; two draws
//               of seven numbers
//
// The two layouts of hatos.csv are told apart by their third field, a weekday name or not. The
// bonus number is not a winning number and is not kept; neither is the old "5+1" class.

// Which of the two sets of seven on a line of skandi.csv is the machine draw ("Gépi húzás"):
// 0 the first, 1 the second. The other set is the hand draw. Both are checked either way.
inline constexpr int machineDrawSet = 0;

// Weekdays as the files name them, 1 (hétfő) to 7 (vasárnap); 0 for none.
QString weekdayName(int weekday);

// Which draw a line stands for: its date, or its year and week where the date is empty, with
// the weekday when the line names one.
struct DrawIdentity {
    int year = 0;
    int week = 0;
    QDate date;      // invalid when the file leaves it empty
    int weekday = 0; // 0 when the layout has none

    bool operator==(const DrawIdentity& other) const;
    // The day of the week, 1 (Monday) to 7: the weekday named, or the date's; 0 when neither.
    int dayOfWeek() const;
    // Later in time: by year and week, then by the day of the week (0 for none).
    bool newerThan(const DrawIdentity& other) const;
    // "2019. 8. hét – 2019.02.23.", "2021. 12. hét, csütörtök – 2021.03.25.", "1988. 5. hét".
    QString text() const;
    // The date alone where there is one: "2019.02.23.", "1988. 5. hét".
    QString shortText() const;
};

// One readable line of the file.
struct ArchiveLine {
    int lineNumber = 0; // 1-based, in the file
    DrawIdentity identity;
    ClassPrizes prizes;
    int drawCount = 1;                 // 2 on a line of the 7-number game
    std::array<NumberMask, 2> draws{}; // in the order of the profile's draw names
};

struct DrawArchive {
    QString path;
    int game = 6;
    std::vector<ArchiveLine> lines; // in the order of the file: newest first
    int skipped = 0;                // lines that could not be read (blank lines not counted)
    int firstSkippedLine = 0;       // the line number of the first, 0 when none
    QString firstSkippedText;       // and its text

    long long drawCount() const;
    long long weekCount() const; // each week once: the 6-number game draws twice a week
};

// The file read, or why it is refused as a whole (a Hungarian sentence naming the file).
struct ArchiveReading {
    std::optional<QString> refusal;
    DrawArchive archive;
    bool ok() const { return !refusal.has_value(); }
};

// Reads the bytes of a results file for the profile's game; `path` names it in the messages.
// Refused when the bytes are empty or not text, when no line can be read, or when the lines are
// another game's.
ArchiveReading readDrawArchive(QByteArrayView bytes, const GameProfile& profile,
                               const QString& path);
// The same from the file; refused too when the file cannot be opened.
ArchiveReading loadDrawArchive(const QString& path, const GameProfile& profile);

// How often each number 1..N was drawn over the archive, both draws of a 7-number week; element
// 0 is unused.
std::vector<long long> numberFrequencies(const DrawArchive& archive, int highestNumber);
