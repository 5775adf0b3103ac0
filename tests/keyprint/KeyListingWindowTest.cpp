// The A4 listing started from the window: the confirmation, the keyprint7 header question and
// two-sided printing, and the columns, pages and row numbers on the page.

#include "core/base/Maker.h"
#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include <algorithm>

namespace {

const QString dateText = QStringLiteral("2026-12-07");

} // namespace

class KeyListingWindowTest : public KeyPrinterWindowTest {
protected:
    void SetUp() override {
        KeyPrinterWindowTest::SetUp();
        fake_.printer.fixedMetrics.inchesPerCharacter = 1 / 1440.0; // a twip a character
    }

    int rowLength() const { return 3 * profile().numbersPerRow - 1; }
    int columnsPerPage() const { return 90 / (rowLength() + 6); }
    int columnPitch() const { return 120 * (rowLength() + 6); }
    QString suffix() const { return game() == 7 ? QStringLiteral(".  ") : QStringLiteral(". "); }

    // Checks every listed row: its number and text, column, line and page.
    void expectListing(const QStringList& rows, int perColumn) {
        const double cw = *fake_.printer.fixedMetrics.inchesPerCharacter * 1440; // in twips
        const int perPage = columnsPerPage() * perColumn;
        int next = 0; // index into rows of the row expected next
        const auto& texts = fake_.printer.texts;
        for (size_t t = 0; t + 1 < texts.size(); ++t) {
            if (texts[t].bold || !texts[t].text.endsWith(suffix())) {
                continue;
            }
            ASSERT_LT(next, rows.size());
            const int i = next + 1;
            const int page = next / perPage;
            const int column = (next % perPage) / perColumn;
            const int line = next % perColumn + 1;
            const QString number = QString::number(i).rightJustified(3, QLatin1Char(' '));
            const double edge = double(columnPitch()) * column;
            EXPECT_EQ(texts[t].text, number + suffix()) << i;
            EXPECT_NEAR(texts[t].x + cw * number.size(), edge + 600, 1e-6) << i;
            EXPECT_NEAR(texts[t].y, 240.0 * (line + 4), 1e-6) << i;
            EXPECT_EQ(texts[t].page, page) << i;
            EXPECT_EQ(texts[t].size, 12);
            EXPECT_EQ(texts[t + 1].text, rows[next]) << i;
            EXPECT_NEAR(texts[t + 1].x, texts[t].x + cw * texts[t].text.size(), 1e-6) << i;
            EXPECT_EQ(texts[t + 1].page, page) << i;
            ++next;
        }
        EXPECT_EQ(next, rows.size());
    }

    // The bold header texts printed at the date's place, one per page.
    std::vector<PrintedOperations::Text> dates() const {
        std::vector<PrintedOperations::Text> found;
        for (const PrintedOperations::Text& t : fake_.printer.texts) {
            if (t.text == dateText) {
                found.push_back(t);
            }
        }
        return found;
    }

    QString makerText() const {
        const int blanks = game() == 5 ? 9 : game() == 6 ? 12 : 2;
        return Maker::name + QString(blanks, QLatin1Char(' ')) + Maker::telephoneLine;
    }
};

TEST_P(KeyListingWindowTest, OneHundredThirtyRowsFitOnePage) {
    const QStringList rows = keyRows(130);
    loadKey(rows);
    text("Text5")->setText("60");
    click("Command3D5");
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, "A betöltött kulcs A4-s lapra nyomtatása !");
    EXPECT_EQ(fake_.messageBox.shown[0].title, profile().listingTitle);
    EXPECT_EQ(fake_.messageBox.shown[0].icon, MessageBoxService::Icon::Question);
    EXPECT_EQ(fake_.messageBox.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(fake_.printer.jobsEnded, 1);
    EXPECT_EQ(fake_.printer.count("newPage"), (130 - 1) / (columnsPerPage() * 60));
    EXPECT_EQ(fake_.printer.count("setUnits twips"), 1);
    expectListing(rows, 60);
    ASSERT_EQ(dates().size(), 1u);
    EXPECT_TRUE(dates()[0].bold);
    EXPECT_EQ(dates()[0].x, game() == 7 ? 9000 : 7200);
    EXPECT_FALSE(fake_.busyPointer.busy);
}

TEST_P(KeyListingWindowTest, FourHundredRowsRunOverSeveralPagesEachWithItsHeader) {
    const QStringList rows = keyRows(400);
    loadKey(rows);
    click("Command3D5");
    const int perPage = columnsPerPage() * 60;
    const int pages = (400 - 1) / perPage + 1;
    EXPECT_EQ(fake_.printer.count("newPage"), pages - 1);
    EXPECT_EQ(fake_.printer.pagesInJob, pages);
    expectListing(rows, 60);
    const auto headerDates = dates();
    ASSERT_EQ(headerDates.size(), size_t(pages));
    for (int p = 0; p < pages; ++p) {
        EXPECT_EQ(headerDates[p].page, p);
    }
    int makers = 0;
    for (const PrintedOperations::Text& t : fake_.printer.texts) {
        if (t.text == makerText()) {
            ++makers;
            EXPECT_TRUE(t.bold);
            EXPECT_EQ(t.x, game() == 7 ? 600 : 1200);
        }
    }
    EXPECT_EQ(makers, pages);
}

TEST_P(KeyListingWindowTest, RowsPerColumnComesFromText5) {
    const QStringList rows = keyRows(25);
    loadKey(rows);
    text("Text5")->setText("7");
    click("Command3D5");
    expectListing(rows, 7);
    EXPECT_EQ(fake_.printer.count("newPage"), (25 - 1) / (columnsPerPage() * 7));
}

TEST_P(KeyListingWindowTest, CancelOrAnEmptyKeyPrintsNothing) {
    click("Command3D5");
    EXPECT_TRUE(fake_.messageBox.shown.empty()) << "an empty key asks nothing";
    loadKey(keyRows(5));
    fake_.messageBox.answers.push_back(MessageBoxService::Result::Cancel);
    click("Command3D5");
    EXPECT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fake_.printer.operations.empty());
    EXPECT_TRUE(fake_.inputBox.asked.empty());
}

TEST_P(KeyListingWindowTest, RowsPerColumnBelowOneFallsBackToSixty) {
    const QStringList rows = keyRows(70);
    loadKey(rows);
    for (const char* value : {"0", "", "-4", "0.5"}) {
        fake_.printer.texts.clear();
        const int jobs = fake_.printer.jobsEnded;
        text("Text5")->setText(value);
        click("Command3D5");
        EXPECT_EQ(fake_.printer.jobsEnded, jobs + 1) << value;
        expectListing(rows, 60);
        EXPECT_EQ(text("Text5")->text(), value) << "the listing leaves Text5 as it is";
    }
}

TEST_P(KeyListingWindowTest, SevenNumberListingAsksForAHeaderAndCentresIt) {
    if (game() != 7) {
        loadKey(keyRows(3));
        click("Command3D5");
        EXPECT_TRUE(fake_.inputBox.asked.empty());
        EXPECT_EQ(fake_.printer.count("setDuplex"), 0);
        return;
    }
    fake_.printer.fixedMetrics.inchesPerCharacter = 100 / 1440.0;
    loadKey(keyRows(3));
    fake_.inputBox.answers.push_back(QString(50, QLatin1Char('H')));
    click("Command3D5");
    ASSERT_EQ(fake_.inputBox.asked.size(), 1u);
    EXPECT_EQ(fake_.inputBox.asked[0].prompt, "Kérem adja meg a fejlécet !");
    EXPECT_EQ(fake_.inputBox.asked[0].title, "LOTTO 7");
    EXPECT_EQ(fake_.inputBox.asked[0].preset, folder_.filePath("kulcs.txt"));
    const QString header(42, QLatin1Char('H')); // 4200 twips at 100 a character
    bool found = false;
    for (const PrintedOperations::Text& t : fake_.printer.texts) {
        if (t.text == header) {
            found = true;
            const double p = 600 + 100.0 * makerText().size();
            EXPECT_NEAR(t.x, p + (9000 - p - 4200) / 2, 1e-6);
            EXPECT_TRUE(t.bold);
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(fake_.printer.count("setDuplex"), 0) << "Check3 is clear";

    button("Check3")->click();
    fake_.inputBox.answers.push_back(QString());
    click("Command3D5");
    EXPECT_EQ(fake_.printer.count("setDuplex"), 1);
    // In the second job, two-sided printing is asked before anything is printed.
    const auto& ops = fake_.printer.operations;
    const auto firstJobEnd = std::find(ops.begin(), ops.end(), QStringLiteral("endJob"));
    const auto duplex = std::find(firstJobEnd, ops.end(), QStringLiteral("setDuplex"));
    const auto firstText = std::find_if(firstJobEnd, ops.end(), [](const QString& op) {
        return op.startsWith(QStringLiteral("printText"));
    });
    EXPECT_LT(duplex, firstText);
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyListingWindowTest);
