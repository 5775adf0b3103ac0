#include "core/base/GameProfile.h"
#include "core/base/Maker.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

namespace {

constexpr double tolerance = 1e-4;

using Text = PrintedOperations::Text;

// The key slip of one game, written out independently of the layout tables.
struct KeyGame {
    int game;
    int columns;       // C
    int fieldsPerBand; // F
    int maxFields;
    double bandPitch;
    double fieldPitch;
    double gridStart;
    double yAdjust;
    double landscapeShift;
    MmPoint jokerYes;
    MmPoint jokerNo;
    bool makerLines;
    MmPoint slipNumber;    // offset from (X0, base)
    bool slipNumberFromH;  // base H instead of Y0
    QString slipNumberOne; // slip number 1 as printed
};

const KeyGame games[] = {
    {5,
     10,
     3,
     6,
     41.0,
     46.5,
     8.5,
     5.2,
     49.5,
     {1.2, 67.0},
     {1.2, 75.5},
     true,
     {12, 8},
     false,
     QStringLiteral("  1")},
    {6,
     7,
     4,
     8,
     33.5,
     33.5,
     13.5,
     0.0,
     0.0,
     {1.5, 30.3},
     {1.5, 38.7},
     false,
     {12, 10},
     true,
     QStringLiteral("1")},
    {7,
     5,
     5,
     10,
     33.5,
     25.2,
     13.5,
     5.2,
     49.5,
     {1.5, 30.3},
     {1.5, 38.7},
     true,
     {7, 14},
     false,
     QStringLiteral("  1")},
};

void PrintTo(const KeyGame& g, std::ostream* os) {
    *os << "keyprint" << g.game;
}

std::vector<Text> marks(const PrintedOperations& surface) {
    std::vector<Text> found;
    for (const Text& t : surface.texts) {
        if (t.face == QStringLiteral("arial black")) {
            found.push_back(t);
        }
    }
    return found;
}

std::vector<Text> headerTexts(const PrintedOperations& surface) {
    std::vector<Text> found;
    for (const Text& t : surface.texts) {
        if (t.face == QStringLiteral("times new roman")) {
            found.push_back(t);
        }
    }
    return found;
}

std::vector<KeyRow> keyRows(const QStringList& texts, int firstPosition = 0) {
    std::vector<KeyRow> rows;
    for (int i = 0; i < texts.size(); ++i) {
        rows.push_back({firstPosition + i, texts[i]});
    }
    return rows;
}

QStringList repeated(const QString& row, int count) {
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        rows << row;
    }
    return rows;
}

void compose(TestPrinter& surface, int game, const std::vector<KeyRow>& rows, int fields,
             KeyRunMode mode = KeyRunMode::AllRows, SlipOrigin origin = {},
             MarkStyle style = {QStringLiteral("x"), false}) {
    const GameProfile& profile = gameProfile(game);
    setUpSlipSurface(surface);
    composeKeySlips(surface, keySlip(game), profile.numbersPerRow, profile.highestNumber, rows,
                    fields, mode, style, origin);
    surface.surface().endJob();
}

class KeySlipGeometry : public ::testing::TestWithParam<KeyGame> {};

TEST_P(KeySlipGeometry, EveryFieldOfAFullSlipLiesInItsBandAndPlace) {
    const KeyGame& g = GetParam();
    const int n = gameProfile(g.game).highestNumber;
    // Number 1, the last of the first grid column and N in every field.
    const QString row = QStringLiteral("01 %1 %2").arg(g.columns, 2, 10, QLatin1Char('0')).arg(n);
    TestPrinter surface;
    const SlipOrigin origin{3.0, 2.0};
    compose(surface, g.game, keyRows(repeated(row, g.maxFields)), g.maxFields, KeyRunMode::AllRows,
            origin);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), size_t(1 + 3 * g.maxFields)); // Joker, then three per field
    const int lastRow = (n - 1) / g.columns;
    const int lastColumn = (n - 1) % g.columns + 1;
    for (int f = 1; f <= g.maxFields; ++f) {
        const int band = f <= g.fieldsPerBand ? 0 : 1;
        const int place = f - g.fieldsPerBand * band;
        const double gx = 3.0 + 83 - g.bandPitch * band;
        const double gy = 2.0 + g.gridStart + g.fieldPitch * (place - 1);
        const Text& one = m[1 + 3 * (f - 1)];
        const Text& columnEnd = m[2 + 3 * (f - 1)];
        const Text& last = m[3 + 3 * (f - 1)];
        SCOPED_TRACE(f);
        EXPECT_NEAR(one.x, gx, tolerance);
        EXPECT_NEAR(one.y, gy + 4.2, tolerance);
        EXPECT_NEAR(columnEnd.x, gx, tolerance);
        EXPECT_NEAR(columnEnd.y, gy + 4.2 * g.columns, tolerance);
        EXPECT_NEAR(last.x, gx - 4.2 * lastRow, tolerance);
        EXPECT_NEAR(last.y, gy + 4.2 * lastColumn, tolerance);
        EXPECT_EQ(one.page, 0);
    }
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 0);
}

TEST_P(KeySlipGeometry, OriginTakesTheGameShiftAndLandscapeShift) {
    const KeyGame& g = GetParam();
    const SlipOrigin portrait =
        keySlipOrigin(keySlip(g.game), QStringLiteral("4"), QStringLiteral("1,5"), false);
    EXPECT_NEAR(portrait.x0, 1.5, tolerance);
    EXPECT_NEAR(portrait.y0, 4 + g.yAdjust, tolerance);
    const SlipOrigin landscape =
        keySlipOrigin(keySlip(g.game), QStringLiteral("4"), QStringLiteral("1.5"), true);
    EXPECT_NEAR(landscape.x0, 1.5, tolerance);
    EXPECT_NEAR(landscape.y0, 4 + g.yAdjust + g.landscapeShift, tolerance);
}

TEST_P(KeySlipGeometry, HeaderJokerAndSlipNumberWithPositiveOffset) {
    const KeyGame& g = GetParam();
    TestPrinter surface;
    const SlipOrigin origin{2.0, 6.0};
    compose(surface, g.game, keyRows({QStringLiteral("01")}), g.maxFields, KeyRunMode::AllRows,
            origin, {QStringLiteral("*"), true});
    const std::vector<Text> header = headerTexts(surface);
    ASSERT_EQ(header.size(), g.makerLines ? 3u : 1u);
    if (g.makerLines) {
        EXPECT_EQ(header[0].text, QStringLiteral("   Kelvadata/2010"));
        EXPECT_NEAR(header[0].x, 9.0, tolerance);
        EXPECT_NEAR(header[0].y, 6.0, tolerance);
        EXPECT_TRUE(header[1].text.contains(Maker::telephoneLine));
        EXPECT_TRUE(header[1].text.trimmed().startsWith(QStringLiteral("Tel: ")));
        EXPECT_NEAR(header[1].x, 9.0, tolerance);
        EXPECT_NEAR(header[1].y, 10.0, tolerance);
    }
    const Text& number = header.back();
    EXPECT_EQ(number.text, g.slipNumberOne);
    EXPECT_NEAR(number.x, 2.0 + g.slipNumber.x, tolerance);
    EXPECT_NEAR(number.y, 6.0 + g.slipNumber.y, tolerance);
    EXPECT_TRUE(number.bold);
    EXPECT_DOUBLE_EQ(number.size, 9.0);

    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, QStringLiteral("*"));
    EXPECT_NEAR(m[0].x, 2.0 + g.jokerYes.x, tolerance);
    EXPECT_NEAR(m[0].y, 6.0 + g.jokerYes.y, tolerance);
}

TEST_P(KeySlipGeometry, JokerWithoutYesMarksTheNoBox) {
    const KeyGame& g = GetParam();
    TestPrinter surface;
    compose(surface, g.game, keyRows({QStringLiteral("01")}), 1);
    const std::vector<Text> m = marks(surface);
    ASSERT_FALSE(m.empty());
    EXPECT_NEAR(m[0].x, g.jokerNo.x, tolerance);
    EXPECT_NEAR(m[0].y, g.jokerNo.y, tolerance);
}

TEST_P(KeySlipGeometry, NegativeOffsetKeepsHeaderOnThePageButMovesTheMarks) {
    const KeyGame& g = GetParam();
    TestPrinter surface;
    const SlipOrigin origin =
        keySlipOrigin(keySlip(g.game), QStringLiteral("-30"), QStringLiteral("-2"), false);
    const double y0 = -30 + g.yAdjust;
    compose(surface, g.game, keyRows({QStringLiteral("01")}), 1, KeyRunMode::AllRows, origin);
    const std::vector<Text> header = headerTexts(surface);
    if (g.makerLines) {
        EXPECT_NEAR(header[0].y, 0.0, tolerance);
        EXPECT_NEAR(header[1].y, 4.0, tolerance);
    }
    const double slipBase = g.slipNumberFromH ? 0.0 : y0;
    EXPECT_NEAR(header.back().y, slipBase + g.slipNumber.y, tolerance);
    EXPECT_NEAR(header.back().x, -2 + g.slipNumber.x, tolerance);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_NEAR(m[0].y, y0 + g.jokerNo.y, tolerance);
    EXPECT_NEAR(m[1].y, y0 + g.gridStart + 4.2, tolerance);
    EXPECT_NEAR(m[1].x, -2 + 83, tolerance);
}

TEST_P(KeySlipGeometry, OneFieldPerSlipNeverUsesTheSecondBand) {
    const KeyGame& g = GetParam();
    TestPrinter surface;
    compose(surface, g.game, keyRows(repeated(QStringLiteral("01"), 5)), 1);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 10u);
    for (int slip = 0; slip < 5; ++slip) {
        EXPECT_EQ(m[2 * slip + 1].page, slip);
        EXPECT_NEAR(m[2 * slip + 1].x, 83.0, tolerance);
        EXPECT_NEAR(m[2 * slip + 1].y, g.gridStart + 4.2, tolerance);
    }
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 4);
    const std::vector<Text> header = headerTexts(surface);
    EXPECT_EQ(header.back().text.trimmed(), QStringLiteral("5"));
}

TEST_P(KeySlipGeometry, NumbersOutsideTheGameAndBeyondKAreNotMarked) {
    const KeyGame& g = GetParam();
    const GameProfile& profile = gameProfile(g.game);
    // 0, N + 1 and 99 are outside 1..N; the row is also two numbers longer than K.
    QStringList numbers{QStringLiteral("00"), QStringLiteral("%1").arg(profile.highestNumber + 1),
                        QStringLiteral("99")};
    while (numbers.size() < profile.numbersPerRow + 2) {
        numbers << QStringLiteral("%1").arg(numbers.size(), 2, 10, QLatin1Char('0'));
    }
    TestPrinter surface;
    compose(surface, g.game, keyRows({numbers.join(QLatin1Char(' '))}), 1);
    const std::vector<Text> m = marks(surface);
    // Of the first K numbers, the three bad ones are left out; numbers K+1 and K+2 are never read.
    ASSERT_EQ(int(m.size()), 1 + profile.numbersPerRow - 3);
    for (size_t i = 1; i < m.size(); ++i) {
        const int n = int(i) + 2;
        EXPECT_NEAR(m[i].y, g.gridStart + 4.2 * ((n - 1) % g.columns + 1), tolerance);
    }
}

TEST_P(KeySlipGeometry, FromToStartsAtFieldOneAndNumbersByPositionInTheKey) {
    const KeyGame& g = GetParam();
    TestPrinter surface;
    // Rows from position 2 on: the first opens field 1 of slip (2 div P) + 1 = 1.
    const int count = g.maxFields + 1;
    compose(surface, g.game, keyRows(repeated(QStringLiteral("01"), count), 2), g.maxFields,
            KeyRunMode::FromTo);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(int(m.size()), count + 2);
    EXPECT_NEAR(m[1].x, 83.0, tolerance);
    EXPECT_NEAR(m[1].y, g.gridStart + 4.2, tolerance);
    EXPECT_EQ(m.back().page, 1);
    EXPECT_NEAR(m.back().x, 83.0, tolerance);
    const std::vector<Text> header = headerTexts(surface);
    EXPECT_EQ(header[g.makerLines ? 2 : 0].text.trimmed(), QStringLiteral("1"));
    // The second slip begins with the row at position 2 + P.
    EXPECT_EQ(header.back().text.trimmed(), QStringLiteral("2"));
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 1);
}

INSTANTIATE_TEST_SUITE_P(Games, KeySlipGeometry, ::testing::ValuesIn(games), [](const auto& info) {
    return "keyprint" + std::to_string(info.param.game);
});

TEST(KeySlipComposition, SurfaceSetUpComesInItsOrder) {
    TestPrinter surface;
    setUpSlipSurface(surface);
    const std::vector<QString> expected{QStringLiteral("setFontName times new roman"),
                                        QStringLiteral("setUnits mm"), QStringLiteral("setBold on"),
                                        QStringLiteral("setFontSize 9")};
    EXPECT_EQ(readRecording(surface.recording(), surface.metrics()).operations, expected);
}

TEST(KeySlipComposition, SixNumberWorkedExamples) {
    TestPrinter surface;
    compose(surface, 6, keyRows({QStringLiteral("01 45")}), 8);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_NEAR(m[1].x, 83.0, tolerance);
    EXPECT_NEAR(m[1].y, 17.7, tolerance);
    EXPECT_NEAR(m[2].x, 83.0 - 25.2, tolerance);
    EXPECT_NEAR(m[2].y, 13.5 + 12.6, tolerance);
}

TEST(KeySlipComposition, FiveNumberNinetyAndLandscape) {
    TestPrinter surface;
    const SlipOrigin origin =
        keySlipOrigin(keySlip(5), QStringLiteral("0"), QStringLiteral("0"), true);
    EXPECT_NEAR(origin.y0, 54.7, tolerance);
    compose(surface, 5, keyRows({QStringLiteral("90")}), 6, KeyRunMode::AllRows, origin);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_NEAR(m[1].x, 83.0 - 33.6, tolerance);
    EXPECT_NEAR(m[1].y, 54.7 + 8.5 + 42, tolerance);
}

TEST(KeySlipComposition, SixNumberNegativeTextOneWorkedExample) {
    TestPrinter surface;
    const SlipOrigin origin =
        keySlipOrigin(keySlip(6), QStringLiteral("-10"), QStringLiteral(""), false);
    compose(surface, 6, keyRows({QStringLiteral("01")}), 8, KeyRunMode::AllRows, origin);
    EXPECT_NEAR(headerTexts(surface)[0].y, 10.0, tolerance);
    EXPECT_NEAR(marks(surface)[1].y, 7.7, tolerance);
}

TEST(KeySlipComposition, SeventeenRowsMakeThreeSlips) {
    TestPrinter surface;
    compose(surface, 6, keyRows(repeated(QStringLiteral("01"), 17)), 8);
    std::vector<QString> numbers;
    for (const Text& t : headerTexts(surface)) {
        numbers.push_back(t.text);
    }
    EXPECT_EQ(numbers, (std::vector<QString>{"1", "2", "3"}));
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 2);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 17u + 3u);
    int perPage[3] = {0, 0, 0};
    for (const Text& t : m) {
        ++perPage[t.page];
    }
    EXPECT_EQ(perPage[0], 9);
    EXPECT_EQ(perPage[1], 9);
    EXPECT_EQ(perPage[2], 2);
}

TEST(KeySlipComposition, FieldFiveOfFiveIsTheSecondBandFirstPlace) {
    TestPrinter surface;
    compose(surface, 6, keyRows(repeated(QStringLiteral("01"), 6)), 5);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 8u);
    EXPECT_NEAR(m[5].x, 83.0 - 33.5, tolerance); // field 5
    EXPECT_NEAR(m[5].y, 17.7, tolerance);
    EXPECT_EQ(m[5].page, 0);
    EXPECT_EQ(m[7].page, 1); // row 6 opens slip 2 in field 1
    EXPECT_NEAR(m[7].x, 83.0, tolerance);
}

TEST(KeySlipComposition, FromToFiveToTwelveIsOneSlipNumberedOne) {
    TestPrinter surface;
    compose(surface, 6, keyRows(repeated(QStringLiteral("01"), 8), 4), 8, KeyRunMode::FromTo);
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 0);
    const std::vector<Text> header = headerTexts(surface);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].text, QStringLiteral("1"));
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 9u);
    EXPECT_NEAR(m[8].x, 83.0 - 33.5, tolerance); // field 8: band 2, place 4
    EXPECT_NEAR(m[8].y, 13.5 + 3 * 33.5 + 4.2, tolerance);
}

TEST(KeySlipComposition, NumbersAreMarkedInRowOrder) {
    TestPrinter surface;
    compose(surface, 6, keyRows({QStringLiteral("07 01 45")}), 8);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 4u);
    EXPECT_NEAR(m[1].y, 13.5 + 4.2 * 7, tolerance);
    EXPECT_NEAR(m[2].y, 13.5 + 4.2, tolerance);
    EXPECT_NEAR(m[3].x, 83.0 - 25.2, tolerance);
}

TEST(KeySlipComposition, OffsetTextsWithCommaPointBlanksAndLetters) {
    const KeySlip& six = keySlip(6);
    EXPECT_NEAR(keySlipOrigin(six, QStringLiteral("  -2,5 "), QString(), false).y0, -2.5,
                tolerance);
    EXPECT_NEAR(keySlipOrigin(six, QString(), QStringLiteral("1.5"), false).x0, 1.5, tolerance);
    EXPECT_NEAR(keySlipOrigin(six, QString(), QStringLiteral("1,5"), false).x0, 1.5, tolerance);
    EXPECT_NEAR(keySlipOrigin(six, QStringLiteral("abc"), QStringLiteral("xy"), false).y0, 0.0,
                tolerance);
    EXPECT_NEAR(keySlipOrigin(keySlip(7), QStringLiteral("abc"), QString(), false).y0, 5.2,
                tolerance);
}

TEST(KeySlipComposition, GarbageRowsAndHugeFieldCountsStayInBounds) {
    TestPrinter surface;
    const QString longRow = repeated(QStringLiteral("01"), 1000).join(QLatin1Char(' '));
    compose(surface, 6,
            keyRows({QString(), QStringLiteral("ab cd"), QStringLiteral("-5 -1"), longRow}), 1000);
    // A field count beyond the layout is held to the slip's fields: one slip, header once.
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 0);
    EXPECT_EQ(headerTexts(surface).size(), 1u);
    // Only the long row's first six numbers (all 1) are marked.
    EXPECT_EQ(marks(surface).size(), 1u + 6u);
}

TEST(SlipNumberFormat, PatternsPadOrNot) {
    EXPECT_EQ(formatSlipNumber(7, SlipNumberPattern::RightAlign3), QStringLiteral("  7"));
    EXPECT_EQ(formatSlipNumber(4092, SlipNumberPattern::RightAlign3), QStringLiteral("4092"));
    EXPECT_EQ(formatSlipNumber(7, SlipNumberPattern::Plain), QStringLiteral("7"));
}

} // namespace
