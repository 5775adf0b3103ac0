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

// The combination slip of one game, written out independently of the layout tables.
struct CombinationGame {
    int game;
    int highest;
    int columns;
    double fixX; // XB
    double gridStart;
    int boxesPerColumn;
    double boxTop;
    double boxPitch;
    MmPoint jokerYes;
    MmPoint jokerNo;
    double slipNumberDy;
    int rowNumbers; // numbers of a row printed at most
};

const CombinationGame games[] = {
    {5, 90, 15, 82.5, 13.5, 12, 88.9, 21.0, {1.2, 30.3}, {1.2, 38.7}, 15, 15},
    {6, 45, 7, 82.5, 13.5, 12, 59.7, 25.2, {1.2, 30.3}, {1.2, 38.7}, 15, 40},
    {7, 35, 5, 78.5, 18.5, 15, 56.7, 25.2, {2.5, 31.3}, {2.5, 39.7}, 10, 40},
};

void PrintTo(const CombinationGame& g, std::ostream* os) {
    *os << "combiprint" << g.game;
}

std::vector<Text> withFace(const PrintedOperations& surface, const QString& face) {
    std::vector<Text> found;
    for (const Text& t : surface.texts) {
        if (t.face == face) {
            found.push_back(t);
        }
    }
    return found;
}

std::vector<Text> marks(const PrintedOperations& surface) {
    return withFace(surface, QStringLiteral("arial black"));
}

std::vector<Text> header(const PrintedOperations& surface) {
    return withFace(surface, QStringLiteral("times new roman"));
}

QString rowOf(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers) {
        parts << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return parts.join(QLatin1Char(' '));
}

void compose(TestPrinter& surface, int game, const std::vector<CombinationSlipRow>& rows,
             const std::vector<int>& fix, int systemIndex, SlipOrigin origin,
             MarkStyle style = {QStringLiteral("•"), false}) {
    setUpSlipSurface(surface);
    composeCombinationSlips(surface, combinationSlip(game), gameProfile(game).highestNumber, rows,
                            fix, systemIndex, style, origin);
    surface.surface().endJob();
}

class CombinationSlipGeometry : public ::testing::TestWithParam<CombinationGame> {};

TEST_P(CombinationSlipGeometry, HeaderJokerRowFixAndSystemBoxInOrder) {
    const CombinationGame& g = GetParam();
    TestPrinter surface;
    const SlipOrigin origin{1.5, 2.5};
    const int system = g.boxesPerColumn + 2; // second column of boxes, third box
    // FIX numbers unsorted, with a duplicate and two numbers outside 1..N.
    compose(surface, g.game, {{rowOf({1, g.columns, g.highest}), 17}},
            {g.highest - 1, 0, 2, g.highest + 1, 2}, system, origin, {QStringLiteral("•"), true});

    const std::vector<Text> h = header(surface);
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0].text, QStringLiteral(" Kelvadata/2010"));
    EXPECT_NEAR(h[0].x, 1.5, tolerance);
    EXPECT_NEAR(h[0].y, 2.5, tolerance);
    EXPECT_EQ(h[1].text, Maker::telephoneLine);
    EXPECT_NEAR(h[1].x, 6.5, tolerance);
    EXPECT_NEAR(h[1].y, 5.5, tolerance);
    EXPECT_EQ(h[2].text, QStringLiteral("17"));
    EXPECT_NEAR(h[2].x, 16.5, tolerance);
    EXPECT_NEAR(h[2].y, 2.5 + g.slipNumberDy, tolerance);

    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 1u + 3u + 2u + 1u);
    EXPECT_NEAR(m[0].x, 1.5 + g.jokerYes.x, tolerance);
    EXPECT_NEAR(m[0].y, 2.5 + g.jokerYes.y, tolerance);

    const double cx = 1.5 + g.fixX - 33.5;
    const double gy = 2.5 + g.gridStart;
    const int lastRow = (g.highest - 1) / g.columns;
    const int lastColumn = (g.highest - 1) % g.columns + 1;
    EXPECT_NEAR(m[1].x, cx, tolerance);
    EXPECT_NEAR(m[1].y, gy + 4.2, tolerance);
    EXPECT_NEAR(m[2].x, cx, tolerance);
    EXPECT_NEAR(m[2].y, gy + 4.2 * g.columns, tolerance);
    EXPECT_NEAR(m[3].x, cx - 4.2 * lastRow, tolerance);
    EXPECT_NEAR(m[3].y, gy + 4.2 * lastColumn, tolerance);

    const double fx = 1.5 + g.fixX;
    EXPECT_NEAR(m[4].x, fx, tolerance); // 2 comes first
    EXPECT_NEAR(m[4].y, gy + 4.2 * 2, tolerance);
    const int beforeLast = g.highest - 1;
    EXPECT_NEAR(m[5].x, fx - 4.2 * ((beforeLast - 1) / g.columns), tolerance);
    EXPECT_NEAR(m[5].y, gy + 4.2 * ((beforeLast - 1) % g.columns + 1), tolerance);

    EXPECT_NEAR(m[6].x, 1.5 + 82.5 - 4.2 * 3, tolerance);
    EXPECT_NEAR(m[6].y, 2.5 + g.boxTop + g.boxPitch, tolerance);
}

TEST_P(CombinationSlipGeometry, NegativeOffsetHeaderAtPageTopMarksFollowY0) {
    const CombinationGame& g = GetParam();
    TestPrinter surface;
    const SlipOrigin origin = combinationSlipOrigin(QStringLiteral(" -4,5"), QStringLiteral("-1"));
    EXPECT_NEAR(origin.y0, -4.5, tolerance);
    EXPECT_NEAR(origin.x0, -1.0, tolerance);
    compose(surface, g.game, {{QStringLiteral("01"), 1}}, {}, 0, origin);
    const std::vector<Text> h = header(surface);
    ASSERT_EQ(h.size(), 3u);
    EXPECT_NEAR(h[0].y, 0.0, tolerance);
    EXPECT_NEAR(h[1].y, 3.0, tolerance);
    EXPECT_NEAR(h[2].y, g.slipNumberDy, tolerance);
    const std::vector<Text> m = marks(surface);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_NEAR(m[0].y, -4.5 + g.jokerNo.y, tolerance);
    EXPECT_NEAR(m[1].y, -4.5 + g.gridStart + 4.2, tolerance);
    EXPECT_NEAR(m[2].x, -1 + 82.5 - 4.2, tolerance); // system 0
    EXPECT_NEAR(m[2].y, -4.5 + g.boxTop, tolerance);
}

TEST_P(CombinationSlipGeometry, RowMarksStopAtTheLayoutsCount) {
    const CombinationGame& g = GetParam();
    std::vector<int> all;
    for (int n = 1; n <= g.highest; ++n) {
        all.push_back(n);
    }
    TestPrinter surface;
    compose(surface, g.game, {{rowOf(all), 1}}, {}, -1, {});
    // Joker plus the row's first numbers; no system chosen marks no box.
    EXPECT_EQ(int(marks(surface).size()), 1 + std::min(g.rowNumbers, g.highest));
}

TEST_P(CombinationSlipGeometry, EverySlipButTheFirstBeginsWithAnEject) {
    const CombinationGame& g = GetParam();
    TestPrinter surface;
    compose(surface, g.game,
            {{QStringLiteral("01"), 3}, {QStringLiteral("02"), 4}, {QStringLiteral("99 00"), 5}},
            {3}, 1, {});
    EXPECT_EQ(surface.count(QStringLiteral("newPage")), 2);
    const std::vector<Text> h = header(surface);
    ASSERT_EQ(h.size(), 9u);
    EXPECT_EQ(h[2].text, QStringLiteral("3"));
    EXPECT_EQ(h[8].text, QStringLiteral("5"));
    EXPECT_EQ(h[8].page, 2);
    // The last row holds only numbers outside 1..N: Joker, FIX and system box remain.
    int onLast = 0;
    for (const Text& t : marks(surface)) {
        onLast += t.page == 2 ? 1 : 0;
    }
    EXPECT_EQ(onLast, 3);
}

INSTANTIATE_TEST_SUITE_P(Games, CombinationSlipGeometry, ::testing::ValuesIn(games),
                         [](const auto& info) {
                             return "combiprint" + std::to_string(info.param.game);
                         });

TEST(CombinationSlipComposition, WorkedExamples) {
    TestPrinter five;
    compose(five, 5, {{QStringLiteral("90"), 1}}, {}, -1, {});
    EXPECT_NEAR(marks(five)[1].x, 82.5 - 33.5 - 21, tolerance);
    EXPECT_NEAR(marks(five)[1].y, 13.5 + 63, tolerance);
    TestPrinter seven;
    compose(seven, 7, {{QStringLiteral("01"), 1}}, {}, -1, {});
    EXPECT_NEAR(marks(seven)[1].y, 22.7, tolerance);
}

} // namespace
