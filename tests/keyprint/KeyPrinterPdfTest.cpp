// End to end: a small key loaded and printed by the window through the real Qt print surface
// into a PDF, the marks read back from the PDF and checked against the slip
// layout.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/base/RowText.h"
#include "core/slip/SlipLayout.h"
#include "printing/QtPrintDevice.h"
#include "tests/support/PdfReader.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>

class KeyPrinterPdfTest : public KeyPrinterWindowTest {
protected:
    void SetUp() override {
        KeyPrinterWindowTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        pdfPath_ = folder_.filePath(QStringLiteral("slips.pdf"));
        pdf_ = QtPrintDevice::toPdfFile(pdfPath_);
        window_ = std::make_unique<KeyPrinterWindow>(profile(), fake_.servicesPrintingOn(*pdf_));
        ASSERT_TRUE(window_->load());
    }

    QString pdfPath_;
    std::unique_ptr<QtPrintDevice> pdf_;
};

TEST_P(KeyPrinterPdfTest, MarksOfASmallKeyLandWhereTheSlipLayoutPutsThem) {
    const QStringList rows = keyRows(3);
    loadKey(rows);
    button("Option2(0)")->click(); // "x"
    button("Option1(0)")->click(); // Joker "Igen"
    text("Text1")->setText("3");
    text("Text2")->setText("2");
    text("Text6")->setText("2");
    click("Command3D1");
    ASSERT_TRUE(QFile::exists(pdfPath_));

    const KeySlip& layout = keySlip(game());
    const double x0 = 2;
    const double y0 = 3 + layout.yAdjust;
    struct Expected {
        int page;
        double x;
        double y;
    };
    std::vector<Expected> expected;
    for (int s = 0; s < rows.size(); ++s) {
        const int page = s / 2;
        const MmPoint origin = layout.fieldOrigin(s % 2 + 1);
        for (int k = 1; k <= rowWidth(rows[s]); ++k) {
            const MmPoint cell = layout.grid.cellOffset(rowValue(rows[s], k));
            expected.push_back({page, x0 + origin.x + cell.x, y0 + origin.y + cell.y});
        }
        if (s % 2 == 0) {
            expected.push_back({page, x0 + layout.jokerYes.x, y0 + layout.jokerYes.y});
        }
    }

    const PdfReader pdf(pdfPath_);
    ASSERT_TRUE(pdf.ok());
    std::vector<PdfReader::Word> marks;
    for (const PdfReader::Word& w : pdf.words()) {
        if (w.text == QLatin1String("x")) {
            marks.push_back(w);
        }
    }
    ASSERT_EQ(marks.size(), expected.size());
    // The glyph's box starts a little right of and below the text cell's corner; a cell is
    // 4.2 mm wide; half a millimetre tells every cell from its neighbours and catches a
    // shifted offset.
    const double tolerance = 0.5;
    for (const Expected& e : expected) {
        const auto hit = std::find_if(marks.begin(), marks.end(), [&](const PdfReader::Word& w) {
            return w.page == e.page + 1 && std::abs(w.left - e.x) < tolerance &&
                   std::abs(w.top - e.y) < tolerance;
        });
        EXPECT_NE(hit, marks.end())
            << "no mark at page " << e.page << " (" << e.x << ", " << e.y << ") mm";
    }

    // The job went to a file: its path is shown under the controls.
    auto* status = window_->findChild<QLabel*>("StatusLine");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->toolTip().endsWith(pdfPath_));
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyPrinterPdfTest);

// A landscape slip run, then the listing: the listing sets no orientation, so it comes out on
// portrait A4 with every row on the page.
TEST_P(KeyPrinterPdfTest, ListingAfterALandscapeSlipRunIsPortrait) {
    const QStringList rows = keyRows(130);
    loadKey(rows);
    button("Option4(1)")->click(); // "fekvő"
    click("Command3D1");
    const PdfReader slips(pdfPath_);
    ASSERT_GT(slips.pageCount(), 0);
    ASSERT_GT(slips.pageSize(1).width(), slips.pageSize(1).height());

    click("Command3D5");
    const PdfReader listing(pdfPath_);
    ASSERT_TRUE(listing.ok());
    ASSERT_GT(listing.pageCount(), 0);
    for (int page = 1; page <= listing.pageCount(); ++page) {
        EXPECT_NEAR(listing.pageSize(page).width(), 210, 1) << page;
        EXPECT_NEAR(listing.pageSize(page).height(), 297, 1) << page;
    }
    int numbered = 0;
    for (const PdfReader::Word& w : listing.words()) {
        if (w.text.endsWith(QLatin1Char('.')) && w.text.chopped(1).toInt() > 0) {
            ++numbered;
            EXPECT_LT(w.bottom, 297) << w.text.toStdString();
            EXPECT_LT(w.right, 210) << w.text.toStdString();
        }
    }
    EXPECT_EQ(numbered, rows.size());
}
