#include "core/base/GameProfile.h"
#include "core/base/RowText.h"
#include "core/files/KeyFile.h"
#include "core/files/PlainSlipFile.h"
#include "core/fullcombination/FullCombinationConversion.h"
#include "core/fullcombination/FullCombinationTemplate.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <climits>

namespace {

std::vector<bool> marksOf(int highest, std::initializer_list<int> numbers) {
    std::vector<bool> marks(std::size_t(highest) + 1, false);
    for (int n : numbers) {
        marks[std::size_t(n)] = true;
    }
    return marks;
}

std::vector<bool> firstRanks(int highest, int count) {
    std::vector<bool> marks(std::size_t(highest) + 1, false);
    for (int r = 1; r <= count; ++r) {
        marks[std::size_t(r)] = true;
    }
    return marks;
}

const std::initializer_list<int> exampleNumbers = {2, 5, 7, 10, 12, 15, 18, 20, 23, 26, 29, 31, 34};

TEST(FullCombinationConversion, ExampleOfThirteenNumbersInGameSeven) {
    const FullCombinationTemplate tmpl({QStringLiteral("00"), QStringLiteral("02*11 13 "),
                                        QStringLiteral("Sima szelvény"),
                                        QStringLiteral("00 01 03 05 07 09 12 13 ")});
    const auto result = convertFullCombination(gameProfile(7), tmpl, tmpl.templateMarks(35),
                                               marksOf(35, exampleNumbers), 1716);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.convertedLines,
              QStringList({"00", "02*29 34 ", "Sima szelvény", "00 02 07 12 18 23 31 34 "}));
    EXPECT_EQ(result.handOver.entries, QStringList({"00", "02*29 34 "}));
    EXPECT_EQ(result.handOver.baseSetRow, QStringLiteral("02 05 07 10 12 15 18 20 23 26 29 "));
    EXPECT_EQ(result.handOver.shortSetRows,
              QStringList{QStringLiteral("02 05 07 10 12 15 18 20 23 26")});
    EXPECT_TRUE(result.hasPlainRows);
    EXPECT_EQ(result.plainLines, QStringList{QStringLiteral("02 07 12 18 23 31 34 ")});
    EXPECT_EQ(result.handOver.plainSlipCount, 1);
    EXPECT_EQ(result.handOver.expectedTotal, 1716);
}

TEST(FullCombinationConversion, GameSixShortSetsAreTheHighestNineAndEight) {
    const std::vector<bool> chosen = firstRanks(45, 13);
    EXPECT_EQ(baseSetRowOf(gameProfile(6), chosen),
              QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 "));
    EXPECT_EQ(shortSetRowsOf(gameProfile(6), chosen),
              QStringList({"05 06 07 08 09 10 11 12 13", "06 07 08 09 10 11 12 13"}));
}

TEST(FullCombinationConversion, GameFiveBaseSetIsTwelveWithoutShortSets) {
    const std::vector<bool> chosen =
        marksOf(90, {3, 9, 17, 22, 30, 41, 48, 55, 60, 66, 71, 80, 88});
    EXPECT_EQ(baseSetRowOf(gameProfile(5), chosen),
              QStringLiteral("03 09 17 22 30 41 48 55 60 66 71 80 "));
    EXPECT_TRUE(shortSetRowsOf(gameProfile(5), chosen).isEmpty());
}

TEST(FullCombinationConversion, FortyLinesWithMarkerAtThirtyGiveThirtyEntriesAndNinePlainRows) {
    QStringList items{QStringLiteral("00")};
    for (int p = 1; p < 30; ++p) {
        items << QStringLiteral("01 13 ");
    }
    items << QStringLiteral("Sima szelvény");
    for (int p = 31; p < 40; ++p) {
        items << QStringLiteral("00 01 02 03 04 05 13 ");
    }
    const FullCombinationTemplate tmpl(items);
    EXPECT_EQ(tmpl.markerPosition(), 30);
    EXPECT_EQ(tmpl.plainRowCount(), 9);
    const auto result = convertFullCombination(gameProfile(6), tmpl, tmpl.templateMarks(45),
                                               firstRanks(45, 13), 1716);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.handOver.entries.size(), 30);
    EXPECT_EQ(result.plainLines.size(), 9);
    EXPECT_EQ(result.handOver.plainSlipCount, 9);
}

TEST(FullCombinationConversion, TemplateWithoutMarkerHasNoPlainRows) {
    const FullCombinationTemplate tmpl({QStringLiteral("00"), QStringLiteral("01 12 ")});
    EXPECT_EQ(tmpl.markerPosition(), 2);
    EXPECT_EQ(tmpl.plainRowCount(), 0);
    const auto result = convertFullCombination(gameProfile(6), tmpl, tmpl.templateMarks(45),
                                               firstRanks(45, 13), 1716);
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.hasPlainRows);
    EXPECT_EQ(result.handOver.plainSlipCount, 0);
    EXPECT_EQ(result.handOver.entries, QStringList({"00", "01 12 "}));
}

TEST(FullCombinationConversion, RankWithoutChosenNumberRefusesTheConversion) {
    // Rank 14 occurs only in a plain row, so it has no place in the template's rank list.
    const FullCombinationTemplate tmpl({QStringLiteral("00"), QStringLiteral("01 13 "),
                                        QStringLiteral("Sima szelvény"),
                                        QStringLiteral("00 01 02 03 04 05 14 ")});
    const auto result = convertFullCombination(gameProfile(6), tmpl, tmpl.templateMarks(45),
                                               firstRanks(45, 14), 3003);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.handOver.entries.isEmpty());
}

TEST(FullCombinationTemplate, TemplateMarksHoldRanksOneToTwelveAndEntryRanksOnly) {
    const FullCombinationTemplate tmpl({QStringLiteral("00"), QStringLiteral("02 15 40 "),
                                        QStringLiteral("Sima szelvény"),
                                        QStringLiteral("00 01 02 03 04 05 17 ")});
    const std::vector<bool> marks = tmpl.templateMarks(35);
    for (int r = 1; r <= 35; ++r) {
        EXPECT_EQ(marks[std::size_t(r)], r <= 12 || r == 15) << r; // 40 above N skipped, 17 plain
    }
}

TEST(FullCombinationTemplate, ReadsFieldsByTheKeyReadingRule) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Leading blanks dropped, CR LF ends, a comma splits, quotes keep commas, empty line skipped,
    // "Sima szelvény" with a single-byte é.
    file.write("  00\r\n01 12,02 12 13 \r\n\"03 1,2\"\r\n\r\nSima szelv\xe9ny\r\n");
    file.close();
    const auto tmpl = FullCombinationTemplate::load(path);
    ASSERT_TRUE(tmpl.has_value());
    EXPECT_EQ(tmpl->items(), QStringList({"00", "01 12", "02 12 13 ", "03 1,2", "Sima szelvény"}));
    EXPECT_EQ(tmpl->markerPosition(), 4);
    EXPECT_FALSE(FullCombinationTemplate::load(dir.filePath(QStringLiteral("none.txt"))));
}

TEST(PlainSlipFile, WritesEachLineWithCarriageReturnAndLineFeed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sima13.txt"));
    ASSERT_TRUE(writePlainSlipFile(path, {"03 08 11 15 22 27 33 ", "01 02 03 04 05 06 07 "}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("03 08 11 15 22 27 33 \r\n01 02 03 04 05 06 07 \r\n"));
}

TEST(PlainSlipFile, FailureInAReadOnlyFolderLeavesTheOldFileWholeAndNoOtherFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sima13.txt"));
    ASSERT_TRUE(writePlainSlipFile(path, {"old "}));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool written = writePlainSlipFile(path, {"new "});
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (written) {
        GTEST_SKIP() << "the folder stays writable (running as root)";
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old \r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sima13.txt")});
}

TEST(PlainSlipFile, PathThatIsAFolderFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sima13.txt")));
    EXPECT_FALSE(writePlainSlipFile(dir.filePath(QStringLiteral("sima13.txt")), {"01 "}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

} // namespace

TEST(PlainSlipFile, ReadsBackAsAKeyOfTheSameRows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sima14.txt"));
    const QStringList rows{"03 08 11 15 22 27 ", "01 02 03 04 05 06 ", "40 41 42 43 44 45 "};
    ASSERT_TRUE(writePlainSlipFile(path, rows));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const KeyRows key = readKeyRows(file);
    EXPECT_FALSE(key.stoppedEarly);
    EXPECT_EQ(key.rows, rows);
    EXPECT_EQ(rowWidth(key.rows.first()), 6);
    file.seek(0);
    EXPECT_EQ(file.readAll().count("\r\n"), rows.size());
}

namespace {

std::vector<bool> firstNumbers(int highest, int count) {
    std::vector<bool> marks(std::size_t(highest) + 1, false);
    for (int n = 1; n <= count; ++n) {
        marks[std::size_t(n)] = true;
    }
    return marks;
}

FullCombinationConversion convertSeven(const QStringList& items, int chosen = 13) {
    const FullCombinationTemplate tmpl(items);
    return convertFullCombination(gameProfile(7), tmpl, tmpl.templateMarks(35),
                                  firstNumbers(35, chosen), 1716);
}

void expectRefused(const FullCombinationConversion& result, const QString& problem) {
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.problem, problem);
    EXPECT_TRUE(result.convertedLines.isEmpty());
    EXPECT_TRUE(result.handOver.entries.isEmpty());
    EXPECT_TRUE(result.plainLines.isEmpty());
    EXPECT_FALSE(result.hasPlainRows);
}

const QString marker = QStringLiteral("Sima szelvény");
const QString plainRow = QStringLiteral("00 01 02 03 04 05 06 07 ");

} // namespace

TEST(FullCombinationConversion, UsableTemplateHasNoProblem) {
    const FullCombinationConversion result = convertSeven({"00", "02*11 13 ", marker, plainRow});
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.problem.isEmpty());
    EXPECT_EQ(result.plainLines, QStringList({"01 02 03 04 05 06 07 "}));
}

TEST(FullCombinationConversion, RankWithoutChosenNumberIsNamed) {
    const QStringList badRanks{
        "02*00 13 ", // rank 0
        "02*-1 13 ", // negative
        "02*9e9 ",   // a huge value
        "02*36 ",    // above N
        "02*13 14 ", // 14 distinct ranks for 13 chosen numbers
        "02*1x ",    // a cell that reads as 1 is fine, "x1" as 0 is not
    };
    for (const QString& entry : badRanks.mid(0, 5)) {
        SCOPED_TRACE(entry.toStdString());
        expectRefused(convertSeven({"00", entry}), TemplateProblem::rankWithoutNumber);
    }
    EXPECT_TRUE(convertSeven({"00", badRanks[5]}).ok);
    expectRefused(convertSeven({"00", "02*x1 "}), TemplateProblem::rankWithoutNumber);
    // Fewer chosen numbers than the template's ranks: rank 13 has no number.
    expectRefused(convertSeven({"00", "02*11 13 "}, 12), TemplateProblem::rankWithoutNumber);
    EXPECT_EQ(TemplateProblem::rankWithoutNumber,
              "Hibás kombinációs sablon: egy sorszámhoz nem tartozik kiválasztott szám !");
}

TEST(FullCombinationConversion, UnusableStructureIsNamed) {
    expectRefused(convertSeven({}), QStringLiteral("Hibás kombinációs sablon: a sablon üres !"));
    expectRefused(convertSeven({"00", marker, plainRow, marker, plainRow}),
                  QStringLiteral("Hibás kombinációs sablon: a Sima szelvény sor többször "
                                 "szerepel !"));
    // A plain row becomes a key row, so it must hold exactly K ranks.
    for (const QString& row : {QStringLiteral("00 01 02 03 04 05 06 "),
                               QStringLiteral("00 01 02 03 04 05 06 07 08 "), QStringLiteral("")}) {
        expectRefused(convertSeven({"00", marker, plainRow, row}),
                      QStringLiteral("Hibás kombinációs sablon: egy sima sor nem 7 számból áll !"));
    }
    EXPECT_EQ(TemplateProblem::plainRowWidth(5),
              "Hibás kombinációs sablon: egy sima sor nem 5 számból áll !");
    // Item 0 is never read, so a marker there is no marker.
    EXPECT_TRUE(convertSeven({marker, marker, plainRow}).ok);
}

TEST(FullCombinationTemplate, LoadKeepsAtMostAKeysWorthOfItems) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tkombi7_13.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray lines = "00\r\n";
    for (int i = 0; i < 40000; ++i) {
        lines += "01*13 \r\n";
    }
    file.write(lines);
    file.close();
    const std::optional<FullCombinationTemplate> tmpl = FullCombinationTemplate::load(path);
    ASSERT_TRUE(tmpl.has_value());
    EXPECT_TRUE(tmpl->isCutOff());
    EXPECT_EQ(tmpl->items().size(), maxKeyRows);
    expectRefused(convertFullCombination(gameProfile(7), *tmpl, tmpl->templateMarks(35),
                                         firstNumbers(35, 13), 1716),
                  QStringLiteral("Hibás kombinációs sablon: az állomány túl nagy !"));

    // The same template within the limit is whole and converts.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.left(4 + 8 * (maxKeyRows - 1)));
    file.close();
    const std::optional<FullCombinationTemplate> whole = FullCombinationTemplate::load(path);
    ASSERT_TRUE(whole.has_value());
    EXPECT_FALSE(whole->isCutOff());
    const FullCombinationConversion result = convertFullCombination(
        gameProfile(7), *whole, whole->templateMarks(35), firstNumbers(35, 13), 1716);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.handOver.entries.size(), maxKeyRows);
}

TEST(FullCombinationTemplate, RanksOfHostileCells) {
    EXPECT_EQ(FullCombinationTemplate::rank(QStringLiteral("02*9e9 "), 1), INT_MAX);
    EXPECT_EQ(FullCombinationTemplate::rank(QStringLiteral("02*-9e9"), 1), -9);
    EXPECT_EQ(FullCombinationTemplate::rank(QStringLiteral("02* 1 2 "), 1), 1);
    EXPECT_EQ(FullCombinationTemplate::rank(QStringLiteral("02*11"), 2), 0); // past the end
    EXPECT_EQ(FullCombinationTemplate::rankCount(QStringLiteral("0")), 0);
    // A negative highest number gives only the unused flag 0 instead of a huge vector.
    EXPECT_EQ(FullCombinationTemplate({"00", "01*13 "}).templateMarks(-5).size(), 1u);
}
