// The result as copied text and as printed pages: the heading, one section per draw, every
// cell of every table, pages that hold their lines, and column titles again on a new page.
#include "core/base/GameProfile.h"
#include "core/results/DrawCheckReport.h"
#include "core/results/KeyDrawCheck.h"
#include "tests/drawcheck/RandomRows.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(DrawCheckReport, TextAndPagesHoldEveryCellOfBothDrawsOfTheWeek) {
    const GameProfile& profile = gameProfile(7);
    std::mt19937 random(3);
    // The machine draw apart from the numbers 1..20 of the other rows: exactly its own rows win.
    const std::vector<int> machine = pick({21, 22, 23, 24, 25, 26, 27, 28, 29, 30}, 7, random);
    QStringList rows;
    for (int r = 0; r < 150; ++r) {
        rows << rowText(r % 3 == 0 ? machine : pick(numbersUpTo(20), 7, random));
    }
    rows << QStringLiteral("01 01 02 03 04 05 06"); // not a valid play
    const DrawEntry entry =
        readDraws(profile, {drawText(machine), drawText(pick(numbersUpTo(20), 7, random))});
    ASSERT_TRUE(entry.ok());
    const DrawCheckResult result =
        checkKey(profile, rows, KeyRowMasks(rows, 7, profile.highestNumber), QStringLiteral("10"),
                 entry.draws);
    FakeClock clock;
    const DrawCheckReport report =
        drawCheckReport(result, {QStringLiteral("keyprint7"),
                                 keyCheckSubject(QStringLiteral("nagy.txt")), clock.today()});

    // The text: the heading, then per draw its name, and tab-separated rows as wide as their
    // column titles.
    const QStringList lines = reportText(report).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("keyprint7")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("nagy.txt")));
    EXPECT_TRUE(lines[2].contains(clock.today().toString(Qt::ISODate)));
    ASSERT_EQ(report.sections.size(), 3u); // both draws, then the unchecked row
    for (std::size_t d = 0; d < 2; ++d) {
        EXPECT_TRUE(report.sections[d].title.startsWith(profile.drawNames[qsizetype(d)]));
        EXPECT_TRUE(lines.contains(report.sections[d].title));
        const ReportTable& winners = report.sections[d].tables.back();
        EXPECT_EQ(winners.rows.size(), result.draws[d].winners.size());
        for (const QStringList& row : winners.rows) {
            ASSERT_EQ(row.size(), winners.columns.size());
            EXPECT_TRUE(lines.contains(row.join(QLatin1Char('\t'))));
        }
    }
    EXPECT_EQ(report.sections[0].tables.back().rows.size(), 50u);

    // The pages: within A4, the heading on each, every cell printed, and the winners' column
    // titles again at the top of each page the table goes on to.
    TestPrinter surface;
    FakeBusyPointer pointer;
    EXPECT_TRUE(printReport(report, surface, pointer).delivered());
    EXPECT_EQ(pointer.changes, (std::vector<bool>{true, false}));
    ASSERT_GT(surface.pagesInJob, 1);
    std::map<int, int> headings;
    std::map<QString, int> printed;
    for (const PrintedOperations::Text& t : surface.texts) {
        EXPECT_TRUE(t.x >= 0 && t.x < 11906 && t.y >= 0 && t.y + 240 <= 16838) << t.y;
        headings[t.page] += t.text == report.heading[0] ? 1 : 0;
        ++printed[t.text];
    }
    for (int page = 0; page < surface.pagesInJob; ++page) {
        EXPECT_EQ(headings[page], 1) << page;
    }
    const QString lastTitle = report.sections[0].tables.back().columns.back();
    EXPECT_GE(printed[lastTitle], surface.pagesInJob);
    for (const ReportSection& section : report.sections) {
        for (const ReportTable& table : section.tables) {
            for (const QStringList& row : table.rows) {
                for (const QString& cell : row) {
                    EXPECT_GT(printed[cell]--, 0) << cell.toStdString();
                }
            }
        }
    }
}

} // namespace
