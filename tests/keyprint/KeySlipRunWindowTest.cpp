// The two slip runs started from the window: every control reaches the run, the corrected
// Text6 comes back, and the marks land where the slip layout puts them.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/slip/SlipLayout.h"

#include <algorithm>
#include <tuple>

namespace {

struct Mark {
    int page;
    double x;
    double y;
    bool operator<(const Mark& o) const {
        return std::tie(page, x, y) < std::tie(o.page, o.x, o.y);
    }
};

} // namespace

class KeySlipRunWindowTest : public KeyPrinterWindowTest {
protected:
    const KeySlip& layout() const { return keySlip(game()); }

    // Number marks (not the Joker) expected for rows [first, last] of the key in the run's
    // mode; page numbers start at firstPage.
    std::vector<Mark> expectedMarks(const QStringList& rows, int first, int last, int fields,
                                    bool fromTo, double x0, double y0, int firstPage = 0) const {
        std::vector<Mark> marks;
        int page = firstPage - 1;
        int field = 0;
        for (int s = first; s <= last; ++s) {
            field = fromTo ? field % fields + 1 : s % fields + 1;
            if (field == 1) {
                ++page;
            }
            const MmPoint origin = layout().fieldOrigin(field);
            for (int k = 1; k <= rowWidth(rows[s]); ++k) {
                const MmPoint cell = layout().grid.cellOffset(rowValue(rows[s], k));
                marks.push_back({page, x0 + origin.x + cell.x, y0 + origin.y + cell.y});
            }
        }
        std::sort(marks.begin(), marks.end());
        return marks;
    }

    // Marks printed with the mark symbol, the Joker boxes left out.
    std::vector<Mark> printedMarks(const QString& symbol, double x0, double y0) const {
        std::vector<Mark> marks;
        for (const PrintedOperations::Text& t : fake_.printer.texts) {
            if (t.text != symbol || t.face != "arial black") {
                continue;
            }
            const bool joker =
                (near(t.x, x0 + layout().jokerYes.x) &&
                 (near(t.y, y0 + layout().jokerYes.y) || near(t.y, y0 + layout().jokerNo.y)));
            if (!joker) {
                marks.push_back({t.page, t.x, t.y});
            }
        }
        std::sort(marks.begin(), marks.end());
        return marks;
    }

    std::vector<PrintedOperations::Text> jokerMarks(const QString& symbol, MmPoint box) const {
        std::vector<PrintedOperations::Text> found;
        for (const PrintedOperations::Text& t : fake_.printer.texts) {
            if (t.text == symbol && near(t.x, box.x) && near(t.y, box.y)) {
                found.push_back(t);
            }
        }
        return found;
    }

    std::vector<QString> slipNumbers() const {
        std::vector<QString> numbers;
        for (const PrintedOperations::Text& t : fake_.printer.texts) {
            bool digits = !t.text.trimmed().isEmpty();
            for (QChar c : t.text.trimmed()) {
                digits = digits && c.isDigit();
            }
            if (digits && t.face == "times new roman") {
                numbers.push_back(t.text);
            }
        }
        return numbers;
    }

    static bool near(double a, double b) { return std::abs(a - b) < 1e-3; }

    static void expectSameMarks(const std::vector<Mark>& printed,
                                const std::vector<Mark>& expected) {
        ASSERT_EQ(printed.size(), expected.size());
        for (size_t i = 0; i < printed.size(); ++i) {
            EXPECT_EQ(printed[i].page, expected[i].page) << i;
            EXPECT_NEAR(printed[i].x, expected[i].x, 1e-3) << i;
            EXPECT_NEAR(printed[i].y, expected[i].y, 1e-3) << i;
        }
    }

    int pagesOfLastJob() const { return fake_.printer.pagesInJob; }
};

TEST_P(KeySlipRunWindowTest, AllRowsCorrectText6AndFillSlipsInOrder) {
    const QStringList rows = keyRows(17);
    loadKey(rows);
    text("Text6")->setText("0");
    click("Command3D1");
    const int p = maxFields();
    EXPECT_EQ(text("Text6")->text(), QString::number(p));
    EXPECT_EQ(fake_.printer.jobsEnded, 1);
    const int slips = (17 - 1) / p + 1;
    EXPECT_EQ(pagesOfLastJob(), slips);
    EXPECT_EQ(fake_.printer.count("newPage"), slips - 1);
    EXPECT_EQ(fake_.printer.count("setOrientation 1"), 1);
    const double y0 = layout().yAdjust;
    expectSameMarks(printedMarks("*", 0, y0), expectedMarks(rows, 0, 16, p, false, 0, y0));
    EXPECT_EQ(jokerMarks("*", {layout().jokerNo.x, y0 + layout().jokerNo.y}).size(), size_t(slips));
    std::vector<QString> expectedNumbers;
    for (int n = 1; n <= slips; ++n) {
        expectedNumbers.push_back(formatSlipNumber(n, layout().slipNumber.pattern));
    }
    EXPECT_EQ(slipNumbers(), expectedNumbers);
    EXPECT_TRUE(fake_.messageBox.shown.empty());
    ASSERT_FALSE(fake_.busyPointer.changes.empty());
    EXPECT_FALSE(fake_.busyPointer.busy);
}

TEST_P(KeySlipRunWindowTest, AllRowsUseEverySettingOfTheWindow) {
    const QStringList rows = keyRows(5);
    loadKey(rows);
    text("Text1")->setText(" 2,5 ");
    text("Text2")->setText("-1");
    text("Text6")->setText("2");
    button("Option2(0)")->click();
    button("Option1(0)")->click();
    button("Option4(1)")->click();
    button("Check1")->click();
    click("Command3D1");

    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, "A nyomtatás egy szelvény lap-dobásával indul !");
    EXPECT_EQ(fake_.messageBox.shown[0].title, profile().keyTitle);
    EXPECT_EQ(fake_.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(text("Text6")->text(), "2");
    EXPECT_EQ(fake_.printer.count("setOrientation 2"), 1);
    // One blank slip first, then three slips of 2, 2 and 1 fields.
    EXPECT_EQ(pagesOfLastJob(), 4);
    for (const PrintedOperations::Text& t : fake_.printer.texts) {
        EXPECT_GT(t.page, 0) << "the first page stays blank";
    }
    const double x0 = -1;
    const double y0 = 2.5 + layout().yAdjust + layout().landscapeShift;
    expectSameMarks(printedMarks("x", x0, y0), expectedMarks(rows, 0, 4, 2, false, x0, y0, 1));
    EXPECT_EQ(jokerMarks("x", {x0 + layout().jokerYes.x, y0 + layout().jokerYes.y}).size(), 3u);
    EXPECT_TRUE(jokerMarks("x", {x0 + layout().jokerNo.x, y0 + layout().jokerNo.y}).empty());
}

TEST_P(KeySlipRunWindowTest, AllRowsWithoutAKeyOnlyWarn) {
    text("Text6")->setText("0");
    click("Command3D1");
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].text, profile().keyMissingMessage);
    EXPECT_EQ(fake_.messageBox.shown[0].title, profile().keyTitle);
    EXPECT_TRUE(fake_.printer.texts.empty());
    EXPECT_EQ(fake_.printer.jobsEnded, 0);
}

TEST_P(KeySlipRunWindowTest, FromToBeyondTheKeyPrintsTheRestFromAFreshSlip) {
    const QStringList rows = keyRows(10);
    loadKey(rows);
    text("Text3")->setText("3");
    text("Text4")->setText("999");
    click("Command3D9");
    const int p = maxFields();
    EXPECT_EQ(text("Text4")->text(), "999");
    EXPECT_EQ(fake_.printer.jobsEnded, 1);
    EXPECT_EQ(pagesOfLastJob(), (8 - 1) / p + 1);
    const double y0 = layout().yAdjust;
    expectSameMarks(printedMarks("*", 0, y0), expectedMarks(rows, 2, 9, p, true, 0, y0));
    // Slip numbers follow each slip's first row in the whole key.
    std::vector<QString> expectedNumbers;
    for (int first = 2; first <= 9; first += p) {
        expectedNumbers.push_back(formatSlipNumber(first / p + 1, layout().slipNumber.pattern));
    }
    EXPECT_EQ(slipNumbers(), expectedNumbers);
}

TEST_P(KeySlipRunWindowTest, FromToOfTheLastRowOnly) {
    const QStringList rows = keyRows(10);
    loadKey(rows);
    text("Text3")->setText("10");
    text("Text4")->setText("10");
    text("Text6")->setText("3");
    click("Command3D9");
    const double y0 = layout().yAdjust;
    expectSameMarks(printedMarks("*", 0, y0), expectedMarks(rows, 9, 9, 3, true, 0, y0));
    EXPECT_EQ(slipNumbers(),
              std::vector<QString>{formatSlipNumber(4, layout().slipNumber.pattern)});
}

TEST_P(KeySlipRunWindowTest, FromToCorrectsText6) {
    loadKey(keyRows(4));
    text("Text3")->setText("1");
    text("Text4")->setText("4");
    text("Text6")->setText(QString::number(maxFields() + 1));
    click("Command3D9");
    EXPECT_EQ(text("Text6")->text(), QString::number(maxFields()));
    EXPECT_EQ(pagesOfLastJob(), 1);
}

TEST_P(KeySlipRunWindowTest, EmptyFromToRangesPrintAndShowNothing) {
    struct Case {
        const char* from;
        const char* to;
        int rows;
    };
    const std::vector<Case> cases{{"5", "2", 10},   {"0", "3", 10}, {"3", "0", 10},  {"", "", 10},
                                  {"abc", "4", 10}, {"1", "1", 0},  {"11", "20", 10}};
    for (const Case& c : cases) {
        loadKey(keyRows(c.rows));
        text("Text3")->setText(c.from);
        text("Text4")->setText(c.to);
        fake_.printer.operations.clear();
        click("Command3D9");
        EXPECT_TRUE(fake_.printer.operations.empty()) << c.from << ".." << c.to;
        EXPECT_TRUE(fake_.messageBox.shown.empty()) << c.from << ".." << c.to;
    }
    EXPECT_TRUE(fake_.printer.texts.empty());
}

TEST_P(KeySlipRunWindowTest, OddFromToValuesNeverReadOutsideTheKey) {
    const QStringList rows = keyRows(6);
    loadKey(rows);
    for (const auto& [from, to] : std::vector<std::pair<const char*, const char*>>{
             {"-2", "3"}, {"2.5", "3.5"}, {"1e9", "2e9"}, {"-5", "-1"}, {"6.4", "99"}}) {
        text("Text3")->setText(from);
        text("Text4")->setText(to);
        click("Command3D9");
    }
    // Every printed number mark is a number of a row of the key, in some field.
    std::vector<Mark> candidates;
    for (int s = 0; s < rows.size(); ++s) {
        for (int f = 1; f <= maxFields(); ++f) {
            const MmPoint origin = layout().fieldOrigin(f);
            for (int k = 1; k <= rowWidth(rows[s]); ++k) {
                const MmPoint cell = layout().grid.cellOffset(rowValue(rows[s], k));
                candidates.push_back({0, origin.x + cell.x, layout().yAdjust + origin.y + cell.y});
            }
        }
    }
    const std::vector<Mark> printed = printedMarks("*", 0, layout().yAdjust);
    EXPECT_FALSE(printed.empty()) << "2.5..3.5 and 6.4..99 still print rows of the key";
    for (const Mark& m : printed) {
        const bool known = std::any_of(candidates.begin(), candidates.end(), [&](const Mark& e) {
            return near(e.x, m.x) && near(e.y, m.y);
        });
        EXPECT_TRUE(known) << m.x << "," << m.y;
    }
}

TEST_P(KeySlipRunWindowTest, AJobWrittenToAFileIsShownInTheStatusLine) {
    auto* status = window_->findChild<QLabel*>("StatusLine");
    ASSERT_NE(status, nullptr);
    loadKey(keyRows(3));
    click("Command3D1");
    EXPECT_FALSE(status->isVisibleTo(window_.get())) << "a job on a printer shows nothing";

    const int height = window_->height();
    fake_.printer.lastFile = folder_.filePath("keyprint-20261207-101010.pdf");
    click("Command3D1");
    EXPECT_TRUE(status->isVisibleTo(window_.get()));
    EXPECT_TRUE(status->toolTip().endsWith(fake_.printer.lastFile));
    EXPECT_GT(window_->height(), height);
    EXPECT_GE(status->geometry().top(), height) << "the line stands under the controls";
    EXPECT_TRUE(fake_.messageBox.shown.empty());
}

INSTANTIATE_FOR_KEY_PRINTERS(KeySlipRunWindowTest);
