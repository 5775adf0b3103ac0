#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/slip/SystemTable.h"

#include <gtest/gtest.h>

TEST(LeadingNumber, ReadsLikeTheWindowBoxes) {
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("60")), 60.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral(" 1 2 ")), 12.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("-2")), -2.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1.5x")), 1.5);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1,5")), 1.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QString()), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("2e3")), 2000.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("2e")), 2.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1e999")), 0.0);
}

TEST(OffsetNumber, AcceptsCommaOrPointAndSign) {
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("  -2,5 ")), -2.5f);
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("1.5")), 1.5f);
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("1,5,7")), 1.5f);
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("abc")), 0.0f);
}

TEST(StrForm, BlankOrMinusBeforeDigits) {
    EXPECT_EQ(strForm(6), QStringLiteral(" 6"));
    EXPECT_EQ(strForm(0), QStringLiteral(" 0"));
    EXPECT_EQ(strForm(-3), QStringLiteral("-3"));
}

TEST(PlainDecimal, ShortestFullStopText) {
    EXPECT_EQ(plainDecimal(1.5f), QStringLiteral("1.5"));
    EXPECT_EQ(plainDecimal(-2), QStringLiteral("-2"));
    EXPECT_EQ(plainDecimal(60), QStringLiteral("60"));
    EXPECT_EQ(plainDecimal(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(plainDecimal(-0.0), QStringLiteral("0"));
}

TEST(RowText, WidthAndValues) {
    const QString row = QStringLiteral("01 02 03 04 05 06");
    EXPECT_EQ(rowWidth(row), 6);
    EXPECT_EQ(rowWidth(QString()), 0);
    EXPECT_EQ(rowWidth(QStringLiteral("03 12 25 ")), 3);
    EXPECT_EQ(rowValue(row, 6), 6);
    EXPECT_EQ(rowValue(QStringLiteral("07 01 45"), 3), 45);
    // One-digit numbers: "1 2 3 4 5 6" reads as 12, 3, 45 and 6.
    const QString loose = QStringLiteral("1 2 3 4 5 6");
    EXPECT_EQ(rowWidth(loose), 4);
    EXPECT_EQ(rowValue(loose, 1), 12);
    EXPECT_EQ(rowValue(loose, 2), 3);
    EXPECT_EQ(rowValue(loose, 3), 45);
    EXPECT_EQ(rowValue(loose, 4), 6);
    EXPECT_EQ(rowValue(row, 7), 0);
    EXPECT_EQ(rowValue(QStringLiteral("ab 12"), 1), 0);
}

class SystemTableTest : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(SystemTableTest, CountsAndCombinations) {
    const auto [game, systems, perColumn] = GetParam();
    const SystemTable& table = systemTable(game);
    ASSERT_EQ(table.codes.size(), systems);
    EXPECT_EQ(table.boxesPerColumn, perColumn);
    for (const QString& code : table.codes) {
        ASSERT_EQ(code.size(), 4) << code.toStdString();
        EXPECT_GT(binomial(systemCombinationCount(code), game - systemFixCount(code)), 0)
            << code.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Games, SystemTableTest,
                         ::testing::Values(std::make_tuple(5, 36, 12), std::make_tuple(6, 48, 12),
                                           std::make_tuple(7, 60, 15)));

TEST(SystemTable, WorkedExamples) {
    EXPECT_EQ(systemTable(7).codes[38], QStringLiteral("5 10"));
    EXPECT_EQ(binomial(11, 7), 330);
    EXPECT_EQ(binomial(30, 2), 435);
    EXPECT_EQ(systemTable(6).codes[47], QStringLiteral("5 40"));
    EXPECT_EQ(systemTable(5).codes[15], QStringLiteral("1 14"));
    EXPECT_EQ(binomial(14, 4), 1001);
}

TEST(PlainDecimal, OffsetsKeepTheirTypedDigits) {
    // A single-precision offset is written as the text the user typed, not as its binary
    // expansion (123.45f is 123.4499969...).
    EXPECT_EQ(plainDecimal(offsetNumber(QStringLiteral("123,45"))), QStringLiteral("123.45"));
    EXPECT_EQ(plainDecimal(offsetNumber(QStringLiteral("-0.3"))), QStringLiteral("-0.3"));
    EXPECT_EQ(plainDecimal(offsetNumber(QStringLiteral("1,1"))), QStringLiteral("1.1"));
    // Small values are not cut off to zero, large ones get no exponent.
    EXPECT_EQ(plainDecimal(0.0000001), QStringLiteral("0.0000001"));
    EXPECT_EQ(plainDecimal(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(plainDecimal(leadingNumber(QStringLiteral("60.25"))), QStringLiteral("60.25"));
}

TEST(RowText, OnlyBlanksArePadding) {
    // A no-break space or form feed is part of the row; only blanks are padding.
    EXPECT_EQ(rowWidth(QStringLiteral("01 02 03 04 05 ") + QChar(0xA0) + QChar(0xA0)), 6);
    EXPECT_EQ(rowWidth(QStringLiteral("\t01 02 03 04 05\t ")), 5); // 16 characters left
    EXPECT_EQ(rowValue(QStringLiteral("0\t7"), 1), 0);             // the tab ends the number
    EXPECT_EQ(rowValue(QStringLiteral("-5 06"), 1), 0);
    EXPECT_EQ(rowValue(QStringLiteral("01 02"), 0), 0);
}

TEST(RowText, TabsAreOrdinaryCharacters) {
    // Three tabs after a six-number row make it seven numbers wide.
    EXPECT_EQ(rowWidth(QStringLiteral("01 02 03 04 05 06\t\t\t")), 7);
    EXPECT_EQ(rowWidth(QStringLiteral("\t\t\t01 02 03 04 05 06   ")), 7);
    EXPECT_EQ(rowWidth(QStringLiteral("\t")), 0);
    EXPECT_EQ(rowWidth(QStringLiteral("\t\t")), 1);
    // Blanks inside a number's three characters are skipped, a tab stops the reading.
    EXPECT_EQ(rowValue(QStringLiteral("01 0 7"), 2), 7);
    EXPECT_EQ(rowValue(QStringLiteral("01 \t7"), 2), 0);
    EXPECT_EQ(rowValue(QStringLiteral("01 2\t"), 2), 2);
}

TEST(LeadingNumber, OnlyBlanksAreSkipped) {
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral(" - 1 . 5 e 1 ")), -15.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("\t5")), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1\t2")), 1.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("2e\t3")), 2.0);
    // Offsets drop the blanks around the text only.
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("  1,5  ")), 1.5f);
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("\t1,5")), 0.0f);
    EXPECT_FLOAT_EQ(offsetNumber(QStringLiteral("\n2")), 0.0f);
}
