#include "core/keys/KeyListing.h"
#include "core/base/GameProfile.h"
#include "core/base/Maker.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PrintedOperations.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

namespace {

using Text = PrintedOperations::Text;

struct ListingGame {
    int game;
    int rowLength;      // L of a full row of the game
    int columnsPerPage; // 90 div (L + 6)
    double columnPitch; // 120 * (L + 6)
    int makerBlanks;
    double makerX;
    double dateX;
    QString suffix;
};

void PrintTo(const ListingGame& g, std::ostream* os) {
    *os << "keyprint" << g.game;
}

const ListingGame games[] = {
    {5, 14, 4, 2400, 9, 1200, 7200, QStringLiteral(". ")},
    {6, 17, 3, 2760, 12, 1200, 7200, QStringLiteral(". ")},
    {7, 20, 3, 3120, 2, 600, 9000, QStringLiteral(".  ")},
};

// A full row of the game: 01 02 ... K.
QString fullRow(int game) {
    QStringList numbers;
    for (int n = 1; n <= gameProfile(game).numbersPerRow; ++n) {
        numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return numbers.join(QLatin1Char(' '));
}

QStringList rowsOf(int game, int count) {
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        rows << fullRow(game);
    }
    return rows;
}

class KeyListingTest : public ::testing::TestWithParam<ListingGame> {
protected:
    FakeServices fakes;
    TestPrinter printer;
    KeyListingControls controls;

    KeyListingTest() {
        printer.fixedMetrics.inchesPerCharacter = 120 / 1440.0; // 120 twips a character
        controls.rowsPerColumn = QStringLiteral("60");
    }
    const ListingGame& g() const { return GetParam(); }
    void print() {
        printKeyListing(
            gameProfile(g().game), controls,
            {fakes.messageBox, fakes.inputBox, fakes.busyPointer, fakes.clock, printer});
    }
    // The printed number text of row i ("  7. ") with its record.
    const Text* numberOf(int i) const {
        const QString wanted = QString::number(i).rightJustified(3, QLatin1Char(' ')) + g().suffix;
        for (const Text& t : printer.texts) {
            if (t.text == wanted) {
                return &t;
            }
        }
        return nullptr;
    }
    std::vector<Text> dates() const { return printer.textsOf(QStringLiteral("2026-12-07")); }
    QString makerText() const {
        return Maker::name + QString(g().makerBlanks, QLatin1Char(' ')) + Maker::telephoneLine;
    }
};

TEST_P(KeyListingTest, ConfirmationBoxThenOneJobWithColumnsAtTheirEdges) {
    controls.rows = rowsOf(g().game, 130);
    print();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    const auto& box = fakes.messageBox.shown[0];
    EXPECT_EQ(box.text, QStringLiteral("A betöltött kulcs A4-s lapra nyomtatása !"));
    EXPECT_EQ(box.icon, MessageBoxService::Icon::Question);
    EXPECT_EQ(box.buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(box.title, QStringLiteral("LOTTO %1").arg(g().game));
    EXPECT_EQ(printer.jobsEnded, 1);
    EXPECT_EQ(fakes.busyPointer.changes, (std::vector<bool>{true, false}));

    // Column c begins with row 60 (c - 1) + 1; its number ends 600 twips right of the edge.
    const int columns = std::min(g().columnsPerPage, 3);
    for (int c = 1; c <= columns; ++c) {
        const Text* first = numberOf(60 * (c - 1) + 1);
        ASSERT_NE(first, nullptr);
        EXPECT_DOUBLE_EQ(first->x + 3 * 120, g().columnPitch * (c - 1) + 600);
        EXPECT_DOUBLE_EQ(first->y, 1200);
        EXPECT_EQ(first->page, 0);
        EXPECT_FALSE(first->bold);
        EXPECT_DOUBLE_EQ(first->size, 12);
    }
    const Text* last = numberOf(130);
    ASSERT_NE(last, nullptr);
    EXPECT_DOUBLE_EQ(last->y, 240.0 * (10 + 4));
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 0);
}

TEST_P(KeyListingTest, RowNumbersAlignRightWhateverTheirLength) {
    controls.rows = rowsOf(g().game, 130);
    print();
    for (int i : {7, 60, 123}) {
        const Text* number = numberOf(i);
        ASSERT_NE(number, nullptr) << i;
        const double edge = g().columnPitch * ((i - 1) / 60);
        // The number without its suffix is three characters wide in this surface.
        EXPECT_DOUBLE_EQ(number->x + 3 * 120, edge + 600) << i;
    }
    // The row text follows the number on the same line.
    const std::vector<Text> rows = printer.textsOf(fullRow(g().game));
    ASSERT_EQ(rows.size(), 130u);
    EXPECT_DOUBLE_EQ(rows[6].y, numberOf(7)->y);
    EXPECT_DOUBLE_EQ(rows[6].x, numberOf(7)->x + 120 * (3 + g().suffix.size()));
}

TEST_P(KeyListingTest, FourHundredRowsPaginateWithAHeaderOnEveryPage) {
    controls.rows = rowsOf(g().game, 400);
    print();
    const int perPage = 60 * g().columnsPerPage;
    const int pages = (400 + perPage - 1) / perPage;
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), pages - 1);
    const std::vector<Text> d = dates();
    ASSERT_EQ(int(d.size()), pages);
    for (int p = 0; p < pages; ++p) {
        EXPECT_EQ(d[p].page, p);
        EXPECT_DOUBLE_EQ(d[p].x, g().dateX);
        EXPECT_TRUE(d[p].bold);
    }
    const Text* firstOfPage2 = numberOf(perPage + 1);
    ASSERT_NE(firstOfPage2, nullptr);
    EXPECT_EQ(firstOfPage2->page, 1);
    EXPECT_DOUBLE_EQ(firstOfPage2->x + 360, 600);
    EXPECT_EQ(numberOf(400)->page, pages - 1);
}

TEST_P(KeyListingTest, HeaderHoldsMakerTextAndDate) {
    controls.rows = rowsOf(g().game, 3);
    print();
    const std::vector<Text> maker = printer.textsOf(makerText());
    ASSERT_EQ(maker.size(), 1u);
    EXPECT_DOUBLE_EQ(maker[0].x, g().makerX);
    EXPECT_TRUE(maker[0].bold);
    EXPECT_EQ(maker[0].face, QStringLiteral("times new roman"));
    EXPECT_TRUE(maker[0].units == PrintSurface::Units::Twips);
    ASSERT_EQ(dates().size(), 1u);
    EXPECT_DOUBLE_EQ(dates()[0].y, maker[0].y);
}

TEST_P(KeyListingTest, CancelOrAnEmptyKeyPrintsNothing) {
    controls.rows = rowsOf(g().game, 5);
    fakes.messageBox.answers.push_back(MessageBoxService::Result::Cancel);
    print();
    EXPECT_TRUE(printer.operations.empty());
    EXPECT_TRUE(fakes.inputBox.asked.empty());
    EXPECT_TRUE(fakes.busyPointer.changes.empty());

    controls.rows.clear();
    print();
    EXPECT_EQ(fakes.messageBox.shown.size(), 1u); // only the cancelled one
    EXPECT_TRUE(printer.operations.empty());
}

TEST_P(KeyListingTest, DuplexOnlyInKeyprintSevenWithCheckThree) {
    controls.rows = rowsOf(g().game, 3);
    controls.twoSided = true;
    print();
    EXPECT_EQ(printer.duplex, g().game == 7);
    if (g().game == 7) {
        // Asked before the first page is drawn.
        const auto& ops = printer.operations;
        const auto duplexAt = std::find(ops.begin(), ops.end(), QStringLiteral("setDuplex"));
        const auto firstText = std::find_if(
            ops.begin(), ops.end(), [](const QString& op) { return op.startsWith("printText"); });
        EXPECT_LT(duplexAt, firstText);
    }
    printer.reset();
    controls.twoSided = false;
    print();
    EXPECT_FALSE(printer.duplex);
}

TEST_P(KeyListingTest, RowsPerColumnBelowOneUsesTheDesignValue) {
    controls.rows = rowsOf(g().game, 130);
    for (const QString& rowsPerColumn : {QString(), QStringLiteral("0"), QStringLiteral("-5"),
                                         QStringLiteral("0.5"), QStringLiteral("abc")}) {
        SCOPED_TRACE(rowsPerColumn.toStdString());
        printer.reset();
        printer.fixedMetrics.inchesPerCharacter = 120 / 1440.0;
        controls.rowsPerColumn = rowsPerColumn;
        print();
        EXPECT_EQ(printer.jobsEnded, 1);
        EXPECT_EQ(printer.textsOf(fullRow(g().game)).size(), 130u);
        ASSERT_NE(numberOf(61), nullptr);
        EXPECT_DOUBLE_EQ(numberOf(61)->y, 1200); // row 61 opens the second column
    }
}

TEST_P(KeyListingTest, FractionalAndHugeRowsPerColumn) {
    controls.rows = rowsOf(g().game, 7);
    controls.rowsPerColumn = QStringLiteral("2.5"); // rows while j < 3.5: three per column
    print();
    EXPECT_DOUBLE_EQ(numberOf(3)->y, 240.0 * 7);
    EXPECT_DOUBLE_EQ(numberOf(4)->y, 1200);
    EXPECT_DOUBLE_EQ(numberOf(4)->x + 360, g().columnPitch + 600);

    printer.reset();
    printer.fixedMetrics.inchesPerCharacter = 120 / 1440.0;
    controls.rowsPerColumn = QStringLiteral("1e300");
    print();
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 0);
    EXPECT_DOUBLE_EQ(numberOf(7)->y, 240.0 * 11);
    EXPECT_DOUBLE_EQ(numberOf(7)->x + 360, 600);
}

INSTANTIATE_TEST_SUITE_P(Games, KeyListingTest, ::testing::ValuesIn(games), [](const auto& info) {
    return "keyprint" + std::to_string(info.param.game);
});

class KeyListingSeven : public ::testing::Test {
protected:
    FakeServices fakes;
    TestPrinter printer;
    KeyListingControls controls;
    QString maker = Maker::name + QStringLiteral("  ") + Maker::telephoneLine;

    KeyListingSeven() {
        printer.fixedMetrics.inchesPerCharacter = 100 / 1440.0;
        controls.rowsPerColumn = QStringLiteral("60");
        controls.rows = rowsOf(7, 70);
        controls.currentKeyPath = QStringLiteral("/home/jatekos/kulcs7.txt");
    }
    void print() {
        printKeyListing(
            gameProfile(7), controls,
            {fakes.messageBox, fakes.inputBox, fakes.busyPointer, fakes.clock, printer});
    }
    double makerEnd() const { return 600 + 100.0 * maker.size(); }
};

TEST_F(KeyListingSeven, AsksForTheHeaderWithTheKeyPathAsPreset) {
    print();
    ASSERT_EQ(fakes.inputBox.asked.size(), 1u);
    EXPECT_EQ(fakes.inputBox.asked[0].prompt, QStringLiteral("Kérem adja meg a fejlécet !"));
    EXPECT_EQ(fakes.inputBox.asked[0].title, QStringLiteral("LOTTO 7"));
    EXPECT_EQ(fakes.inputBox.asked[0].preset, controls.currentKeyPath);
    const std::vector<Text> header = printer.textsOf(controls.currentKeyPath);
    ASSERT_EQ(header.size(), 1u);
    const double width = 100.0 * controls.currentKeyPath.size();
    EXPECT_DOUBLE_EQ(header[0].x, makerEnd() + (9000 - makerEnd() - width) / 2);
    EXPECT_TRUE(header[0].bold);
}

TEST_F(KeyListingSeven, LongHeaderIsCutFromItsEndAndCentredOnEveryPage) {
    const QString answer = QStringLiteral("ABCDEFGHIJ").repeated(6) + QStringLiteral("vege");
    fakes.inputBox.answers.push_back(answer);
    controls.rows = rowsOf(7, 200); // two pages
    print();
    const QString cut = answer.left(42); // 42 characters of 100 twips fit 4200
    const std::vector<Text> header = printer.textsOf(cut);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_DOUBLE_EQ(header[0].x, makerEnd() + (9000 - makerEnd() - 4200) / 2);
    EXPECT_EQ(header[1].page, 1);
    EXPECT_DOUBLE_EQ(header[1].x, header[0].x);
}

TEST_F(KeyListingSeven, VeryLongHeaderIsCutQuicklyToTheSameResult) {
    const QString answer = QStringLiteral("x").repeated(200000);
    fakes.inputBox.answers.push_back(answer);
    print();
    EXPECT_EQ(printer.textsOf(QStringLiteral("x").repeated(42)).size(), 1u);
}

TEST_F(KeyListingSeven, CancelledHeaderLeavesTheSpaceBlankAndPrints) {
    fakes.inputBox.answers.push_back(QString());
    print();
    const std::vector<Text> empty = printer.textsOf(QString());
    const double centre = makerEnd() + (9000 - makerEnd()) / 2;
    EXPECT_EQ(std::count_if(empty.begin(), empty.end(),
                            [centre](const Text& t) { return std::abs(t.x - centre) < 1e-6; }),
              1);
    EXPECT_EQ(printer.textsOf(fullRow(7)).size(), 70u);
}

TEST(KeyListingSix, WorkedExampleColumnsOfOneThirtyRows) {
    FakeServices fakes;
    TestPrinter printer;
    printer.fixedMetrics.inchesPerCharacter = 120 / 1440.0;
    KeyListingControls controls;
    controls.rowsPerColumn = QStringLiteral("60");
    controls.rows = rowsOf(6, 130);
    printKeyListing(gameProfile(6), controls,
                    {fakes.messageBox, fakes.inputBox, fakes.busyPointer, fakes.clock, printer});
    const std::vector<Text> rows = printer.textsOf(fullRow(6));
    ASSERT_EQ(rows.size(), 130u);
    std::set<double> numberEnds;
    for (const Text& t : printer.texts) {
        if (t.text.endsWith(QStringLiteral(". ")) && !t.bold) {
            numberEnds.insert(t.x + 360);
        }
    }
    EXPECT_EQ(numberEnds, (std::set<double>{600, 2760 + 600, 5520 + 600}));
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 0);
    EXPECT_TRUE(fakes.inputBox.asked.empty());
}

TEST(KeyListingLongRows, FirstRowBeyondEightyFourCharactersGivesOneColumnPerPage) {
    FakeServices fakes;
    TestPrinter printer;
    KeyListingControls controls;
    controls.rowsPerColumn = QStringLiteral("2");
    controls.rows = QStringList{QStringLiteral("x").repeated(85), QStringLiteral("a"),
                                QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    printKeyListing(gameProfile(6), controls,
                    {fakes.messageBox, fakes.inputBox, fakes.busyPointer, fakes.clock, printer});
    EXPECT_EQ(printer.count(QStringLiteral("newPage")), 2);
    EXPECT_EQ(printer.textsOf(QStringLiteral("d"))[0].page, 2);
    EXPECT_EQ(printer.textsOf(QStringLiteral("2026-12-07")).size(), 3u);
}

} // namespace
