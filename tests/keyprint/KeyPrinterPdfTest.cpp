// End to end: a small key loaded and printed by the window through the real Qt print surface
// into a PDF, the marks read back from the PDF with pdftotext and checked against the slip
// layout.

#include "KeyPrinterWindowFixture.h"

#include "QtPrintSurface.h"
#include "RowText.h"
#include "SlipLayout.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

struct Word {
    int page;
    double xMm;
    double yMm;
    QString text;
};

constexpr double mmPerPoint = 25.4 / 72.0;

// Words of a PDF with their top-left corners in millimetres, from pdftotext -bbox.
std::vector<Word> pdfWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(QString::fromLatin1(
        R"re(<page\b|<word xMin="([-\d.]+)" yMin="([-\d.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<Word> words;
    int page = -1;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(1).toDouble() * mmPerPoint,
                         m.captured(2).toDouble() * mmPerPoint, m.captured(3)});
    }
    return words;
}

} // namespace

class KeyPrinterPdfTest : public KeyPrinterWindowTest {
protected:
    void SetUp() override {
        KeyPrinterWindowTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        pdfPath_ = folder_.filePath(QStringLiteral("slips.pdf"));
        pdf_ = QtPrintSurface::toPdfFile(pdfPath_);
        Services services = fake_.services();
        window_ = std::make_unique<KeyPrinterWindow>(
            profile(), Services{services.messageBox, services.inputBox, services.fileDialog,
                                services.busyPointer, services.program, services.singleInstance,
                                services.screen, services.clock, *pdf_, *pdf_});
        ASSERT_TRUE(window_->load());
    }

    QString pdfPath_;
    std::unique_ptr<QtPrintSurface> pdf_;
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

    std::vector<Word> marks;
    for (const Word& w : pdfWords(pdfPath_)) {
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
        const auto hit = std::find_if(marks.begin(), marks.end(), [&](const Word& w) {
            return w.page == e.page && std::abs(w.xMm - e.x) < tolerance &&
                   std::abs(w.yMm - e.y) < tolerance;
        });
        EXPECT_NE(hit, marks.end())
            << "no mark at page " << e.page << " (" << e.x << ", " << e.y << ") mm";
    }

    // The job went to a file: its path is shown under the controls.
    auto* status = window_->findChild<QLabel*>("StatusLine");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().contains(pdfPath_));
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyPrinterPdfTest);
