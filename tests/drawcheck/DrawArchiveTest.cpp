// Results files of the three games as players keep them, made up line by line: what is read from
// each layout, encoding and line end, which lines are skipped, and which files are refused; the
// archive held by the result check as its file changes.
#include "core/results/DrawArchive.h"
#include "core/results/DrawArchiveFile.h"
#include "tests/support/FakeServices.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

// One line of a file from its fields.
QByteArray line(const QList<QByteArray>& fields) {
    return fields.join(';');
}

QList<QByteArray> numbers(std::initializer_list<int> list) {
    QList<QByteArray> fields;
    for (int n : list) {
        fields << QByteArray::number(n);
    }
    return fields;
}

// Winners and prize per winner of every class, the same for each: 2 winners of 1 000 Ft.
QList<QByteArray> prizes(int classes) {
    QList<QByteArray> fields;
    for (int c = 0; c < classes; ++c) {
        fields << "2"
               << "1 000 Ft";
    }
    return fields;
}

const QByteArray nbsp = "\xC2\xA0";

struct Case {
    const char* what;
    int game;
    std::optional<QByteArray> bytes; // nothing: no file at all
    int read;                        // lines read; -1: the file is refused
    const char* refusalWord;         // what the refusal must say besides the file's name
    int skipped;
    int firstSkipped;
    // The first line read: its year, week, weekday, whether it has a date, one class's prize
    // per winner (-1 unknown) and its first draw's lowest and highest number.
    int year, week, weekday;
    bool dated;
    int hits;
    long long prize;
    int lowest, highest;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class ArchiveFiles : public ::testing::TestWithParam<Case> {};

TEST_P(ArchiveFiles, ReadEveryLayoutSkipTheUnreadableLinesRefuseWhatIsNoArchive) {
    const Case& c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("huzasok.csv"));
    if (c.bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*c.bytes);
    }
    const GameProfile& profile = gameProfile(c.game);
    const ArchiveReading reading = loadDrawArchive(path, profile);
    const DrawArchive& archive = reading.archive;
    if (c.read < 0) {
        ASSERT_FALSE(reading.ok());
        EXPECT_TRUE(reading.refusal->contains(path)) << reading.refusal->toStdString();
        EXPECT_TRUE(reading.refusal->contains(QString::fromUtf8(c.refusalWord)))
            << reading.refusal->toStdString();
        EXPECT_TRUE(archive.lines.empty());
        return;
    }
    ASSERT_TRUE(reading.ok()) << reading.refusal->toStdString();
    ASSERT_EQ(int(archive.lines.size()), c.read);
    EXPECT_EQ(archive.skipped, c.skipped);
    EXPECT_EQ(archive.firstSkippedLine, c.firstSkipped);
    EXPECT_EQ(archive.firstSkippedText.isEmpty(), c.skipped == 0);
    const ArchiveLine& first = archive.lines.front();
    EXPECT_EQ(first.identity.year, c.year);
    EXPECT_EQ(first.identity.week, c.week);
    EXPECT_EQ(first.identity.weekday, c.weekday);
    EXPECT_EQ(first.identity.date.isValid(), c.dated);
    EXPECT_EQ(first.prizes.prize(c.hits).value_or(-1), c.prize);
    if (c.weekday > 0) {
        EXPECT_TRUE(first.identity.text().contains(weekdayName(c.weekday)));
    }
    for (const ArchiveLine& read : archive.lines) {
        EXPECT_EQ(read.drawCount, profile.drawNames.size());
        for (int d = 0; d < read.drawCount; ++d) {
            EXPECT_EQ(read.draws[std::size_t(d)].count(), profile.numbersPerRow);
        }
    }
    const std::vector<int> drawn = first.draws[0].numbers();
    EXPECT_EQ(drawn.front(), c.lowest);
    EXPECT_EQ(drawn.back(), c.highest);
}

const QByteArray fiveGame =
    line(QList<QByteArray>{"2019", "8", "2019.02.23.", "0", "0 Ft", "35",
                           "1" + nbsp + "396" + nbsp + "675 Ft"} +
         prizes(2) + numbers({11, 24, 46, 60, 73})) +
    "\n" +
    line(QList<QByteArray>{"2019", "7", "2019.02.16."} + prizes(4) + numbers({3, 9, 90, 33, 2})) +
    "\n" + line(QList<QByteArray>{"1957", "10", ""} + prizes(4) + numbers({1, 2, 3, 4, 91})) +
    "\n" +
    line(QList<QByteArray>{"1957", "9", ""} + prizes(3) + QList<QByteArray>{"5", "0"} +
         numbers({5, 6, 7, 8, 9})) +
    "\n\n";

// Layout (a): 5+1 is the second class; 20 fields when the bonus number follows.
const QByteArray sixByWeek =
    "\xEF\xBB\xBF" +
    line(QList<QByteArray>{"2003", "12", "2003.03.20.", "0", "0", "1", "4 000 000 Ft", "9",
                           "250 000 Ft"} +
         prizes(2) + numbers({4, 8, 15, 16, 23, 42}) + QList<QByteArray>{"44"}) +
    "\r\n" +
    line(QList<QByteArray>{"2003", "11", "2003.03.13."} + prizes(5) + numbers({1, 2, 3, 4, 5, 5})) +
    "\r\n" +
    line(QList<QByteArray>{"2003", "10", "2003.03.06."} + prizes(5) + numbers({1, 2, 3, 4, 5, 6})) +
    "\r\n";

// Layout (b), ISO-8859-2: the weekday, the jackpot flag and amount, four classes; one amount
// broken; the line after it (a) again, each by its third field and both of 20 fields.
const QByteArray sixByDay =
    line(QList<QByteArray>{"2021", "12", "Cs\xFCt\xF6rt\xF6k", "2021.03.25.", "1",
                           "1\xA0"
                           "200\xA0"
                           "000\xA0"
                           "000 Ft",
                           "0", "0 Ft", "3", "1 9x0 000 Ft"} +
         prizes(2) + numbers({45, 1, 30, 12, 7, 19}) + QList<QByteArray>{"2"}) +
    "\n" +
    line(QList<QByteArray>{"2021", "11", "Vas\xE1rnap", "2021.03.21.", "0", "0"} + prizes(4) +
         numbers({1, 2, 3, 4, 5, 6})) +
    "\n" +
    line(QList<QByteArray>{"1999", "3", ""} + prizes(5) + numbers({1, 2, 3, 4, 5, 6}) +
         QList<QByteArray>{"7"}) +
    "\n";

// The machine draw and the hand draw on one line; a line with 8 numbers after it.
const QByteArray seven = line(QList<QByteArray>{"2019", "8", "2019.02.20."} + prizes(4) +
                              numbers({3, 7, 12, 20, 28, 33, 35, 1, 2, 4, 5, 6, 8, 9})) +
                         "\r\n" +
                         line(QList<QByteArray>{"2019", "7", "2019.02.13."} + prizes(4) +
                              numbers({3, 7, 12, 20, 28, 33, 35, 1, 2, 4, 5, 6, 8, 9, 10})) +
                         "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Layouts, ArchiveFiles,
    ::testing::Values(
        // Blanks and no-break spaces in amounts, "0 Ft" and a bare 0 (nobody won: the prize is
        // unknown), an empty date; the line with 91 is skipped.
        Case{"5/90 UTF-8 LF", 5, fiveGame, 3, "", 1, 3, 2019, 8, 0, true, 4, 1396675, 11, 73},
        Case{"5/90 last line's bare 0", 5, fiveGame.mid(fiveGame.indexOf("1957;9")), 1, "", 0, 0,
             1957, 9, 0, false, 2, -1, 5, 9},
        // The bonus number is no winning number; the 5 class is paid the "5" prize, not "5+1".
        Case{"6/45 (a) BOM CRLF", 6, sixByWeek, 2, "", 1, 2, 2003, 12, 0, true, 5, 250000, 4, 42},
        Case{"6/45 (b) ISO-8859-2", 6, sixByDay, 3, "", 0, 0, 2021, 12, 4, true, 5, -1, 1, 45},
        Case{"6/45 (b) the broken amount only", 6, sixByDay, 3, "", 0, 0, 2021, 12, 4, true, 4,
             1000, 1, 45},
        Case{"7/35 CRLF", 7, seven, 1, "", 1, 2, 2019, 8, 0, true, 6, 1000, 3, 35},
        Case{"no file", 6, std::nullopt, -1, "nem található", 0, 0, 0, 0, 0, false, 0, 0, 0, 0},
        Case{"empty", 5, QByteArray(), -1, "üres", 0, 0, 0, 0, 0, false, 0, 0, 0, 0},
        Case{"blank lines", 7, QByteArray(" \r\n\r\n\n"), -1, "üres", 0, 0, 0, 0, 0, false, 0, 0, 0,
             0},
        Case{"binary", 6, QByteArray("PK\x03\x04\x00\x00\x08\x00", 8) + sixByWeek, -1,
             "nem szöveges", 0, 0, 0, 0, 0, false, 0, 0, 0, 0},
        Case{"another game's", 6, fiveGame.left(fiveGame.indexOf("1957;10")), -1, "ötös lottó", 0,
             0, 0, 0, 0, false, 0, 0, 0, 0},
        Case{"no readable line", 7, QByteArray("Év;Hét;Húzásdátum\nsemmi\n"), -1,
             "Év;Hét;Húzásdátum", 0, 0, 0, 0, 0, false, 0, 0, 0, 0}));

// The machine draw is the set the one named place says; the hand draw the other.
TEST(ArchiveFiles, TheSevenGamesMachineDrawIsTheNamedSet) {
    const DrawArchive archive = readDrawArchive(seven, gameProfile(7), QString()).archive;
    ASSERT_EQ(archive.lines.size(), 1u);
    const std::vector<int> machine = archive.lines[0].draws[0].numbers();
    EXPECT_EQ(machine.front(), machineDrawSet == 0 ? 3 : 1);
    EXPECT_EQ(archive.lines[0].draws[1].numbers().front(), machineDrawSet == 0 ? 1 : 3);
}

} // namespace

// The archive the dialog holds follows its file: read when chosen and remembered, read again
// after the file changed, dropped with a line that says why when the file is gone; a refused
// choice leaves the archive held.
TEST(ArchiveFiles, TheRememberedFileIsReadAgainWhenItChangesAndDroppedWhenGone) {
    QTemporaryDir folder;
    FakeProgramInfo program;
    program.folder = folder.path();
    const QString path = folder.filePath(QStringLiteral("otos.csv"));
    const auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    const QByteArray lines = fiveGame.left(fiveGame.indexOf("1957;10"));
    write(lines);
    DrawArchiveFile held(gameProfile(5), program);
    ASSERT_FALSE(held.load(path).has_value());
    ASSERT_EQ(held.archive()->lines.size(), 2u);
    EXPECT_FALSE(held.refresh());
    EXPECT_TRUE(held.load(folder.filePath(QStringLiteral("nincs.csv"))).has_value());
    EXPECT_EQ(held.archive()->path, path);

    DrawArchiveFile opened(gameProfile(5), program);
    opened.openRemembered();
    ASSERT_NE(opened.archive(), nullptr);
    write(lines + fiveGame.mid(fiveGame.indexOf("1957;9")));
    EXPECT_TRUE(opened.refresh());
    EXPECT_EQ(opened.archive()->lines.size(), 3u);
    QFile::remove(path);
    EXPECT_TRUE(opened.refresh());
    EXPECT_EQ(opened.archive(), nullptr);
    EXPECT_TRUE(opened.statusLine().contains(path));
}
