#include "preview/PreviewWindow.h"
#include "core/base/GameProfile.h"
#include "core/print/RecordingPrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "preview/QtPreviewService.h"
#include "printing/QtPrintDevice.h"
#include "printing/QtTextMetrics.h"
#include "tests/preview/QStringPrinting.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/PrintedOperations.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int game = 6;

// keyprint6 slips, 8 rows a slip, each slip with different numbers.
std::shared_ptr<const PrintRecording> keySlipRecording(TextMetrics& metrics, int slips,
                                                       SlipOrigin origin, bool landscape) {
    RecordingPrintSurface recorder(metrics);
    const KeySlip& layout = keySlip(game);
    std::vector<KeyRow> rows;
    for (int r = 0; r < slips * 8; ++r) {
        rows.push_back({r, QStringLiteral("%1 %2 20 30 40 45")
                               .arg(r % 9 + 1, 2, 10, QChar('0'))
                               .arg(r % 7 + 10)});
    }
    recorder.setOrientation(landscape ? PrintSurface::Orientation::Landscape
                                      : PrintSurface::Orientation::Portrait);
    setUpSlipSurface(recorder);
    composeKeySlips(recorder, layout, 6, 45, rows, 8, KeyRunMode::AllRows,
                    MarkStyle{QStringLiteral("x"), true}, origin);
    recorder.endJob();
    return recorder.takeRecording();
}

bool isFormColour(QRgb pixel) {
    // Light red: much more red than green and blue, but not dark.
    return qRed(pixel) > 200 && qRed(pixel) - qGreen(pixel) > 25 && qGreen(pixel) > 100;
}

bool isInk(QRgb pixel) {
    return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

int countPixels(const QImage& image, const QRect& area, bool (*kind)(QRgb)) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += kind(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override { metrics = std::make_unique<QtTextMetrics>(); }

    std::unique_ptr<PreviewWindow> open(std::shared_ptr<const PrintRecording> recording,
                                        PreviewForm form) {
        PreviewContent content{QStringLiteral("keyprint6"), std::move(recording), form};
        auto window = std::make_unique<PreviewWindow>(std::move(content));
        window->resize(700, 800);
        window->show();
        QApplication::processEvents();
        return window;
    }

    static QPushButton* button(QWidget& window, const QString& caption) {
        for (QPushButton* b : window.findChildren<QPushButton*>()) {
            if (b->text() == caption) {
                return b;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString();
        return nullptr;
    }

    static QString pageLabel(QWidget& window) {
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text().startsWith(QStringLiteral("oldal "))) {
                return label->text();
            }
        }
        return {};
    }

    static PreviewForm keyForm(SlipOrigin origin) {
        return {PreviewForm::Kind::KeySlip, game, origin, QStringLiteral("x")};
    }

    std::unique_ptr<QtTextMetrics> metrics;
};

TEST_F(PreviewWindowTest, TitleAndPageLabel) {
    auto window = open(keySlipRecording(*metrics, 4, {}, false), keyForm({}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Előnézet – keyprint6"));
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 1 / 4"));
    for (const char* caption : {"Egész oldal", "Oldalszélesség", "100 %", "Nyomtatás", "Bezár"}) {
        EXPECT_NE(button(*window, QString::fromUtf8(caption)), nullptr);
    }
}

TEST_F(PreviewWindowTest, NavigationMovesToThePageAndTheLabelFollows) {
    auto window = open(keySlipRecording(*metrics, 4, {}, false), keyForm({}));
    PreviewPageView& view = window->pageView();
    const QImage first = view.viewport()->grab().toImage();

    button(*window, QStringLiteral("Következő"))->click();
    EXPECT_EQ(view.currentPage(), 1);
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 2 / 4"));
    EXPECT_TRUE(view.viewport()->rect().contains(view.pageRect(1).topLeft()));
    const QImage second = view.viewport()->grab().toImage();
    EXPECT_NE(first, second); // other marks on the next slip

    button(*window, QStringLiteral("Utolsó"))->click();
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 4 / 4"));
    EXPECT_FALSE(button(*window, QStringLiteral("Következő"))->isEnabled());
    window->findChild<QSpinBox*>()->setValue(3);
    EXPECT_EQ(view.currentPage(), 2);
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 3 / 4"));
    button(*window, QStringLiteral("Előző"))->click();
    button(*window, QStringLiteral("Első"))->click();
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 1 / 4"));
    EXPECT_FALSE(button(*window, QStringLiteral("Előző"))->isEnabled());

    // Scrolling to the end by hand makes the last page current.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 4 / 4"));
}

TEST_F(PreviewWindowTest, ZoomsChangeThePageSize) {
    auto window = open(keySlipRecording(*metrics, 2, {}, false), keyForm({}));
    PreviewPageView& view = window->pageView();
    const QSize room = view.viewport()->size();

    EXPECT_EQ(view.zoom(), PreviewPageView::Zoom::WholePage);
    const QRect whole = view.pageRect(0);
    EXPECT_LE(whole.height(), room.height());
    EXPECT_LE(whole.width(), room.width());
    EXPECT_NEAR(double(whole.height()) / whole.width(), 297.0 / 210.0, 0.01);

    button(*window, QStringLiteral("100 %"))->click();
    EXPECT_NEAR(view.pixelsPerMm(), view.logicalDpiX() / 25.4, 1e-9);
    EXPECT_NEAR(view.pageRect(0).width(), 210 * view.logicalDpiX() / 25.4, 1);

    button(*window, QStringLiteral("Oldalszélesség"))->click();
    const QRect wide = view.pageRect(0);
    const QSize roomNow = view.viewport()->size();
    EXPECT_GT(wide.width(), roomNow.width() - 40);
    EXPECT_LE(wide.width(), roomNow.width());
    EXPECT_GT(wide.height(), roomNow.height()); // taller than the view: it scrolls

    button(*window, QStringLiteral("Egész oldal"))->click();
    EXPECT_EQ(view.pageRect(0).size(), whole.size());
}

TEST_F(PreviewWindowTest, SlipPagesShowTheFormUnderTheMarksAndListingPagesArePlain) {
    const auto recording = keySlipRecording(*metrics, 1, {}, false);
    auto slips = open(recording, keyForm({}));
    const QImage slipImage = slips->pageView().viewport()->grab().toImage();
    const QRect page = slips->pageView().pageRect(0);
    EXPECT_GT(countPixels(slipImage, page, isFormColour), 500);
    EXPECT_GT(countPixels(slipImage, page, isInk), 20);

    auto plain = open(recording, PreviewForm{});
    const QImage plainImage = plain->pageView().viewport()->grab().toImage();
    EXPECT_EQ(countPixels(plainImage, plain->pageView().pageRect(0), isFormColour), 0);
    EXPECT_GT(countPixels(plainImage, plain->pageView().pageRect(0), isInk), 20);
}

TEST_F(PreviewWindowTest, FormCellsSurroundTheMarksAtTheOffsets) {
    const SlipOrigin origin{4, -6};
    auto window = open(keySlipRecording(*metrics, 1, origin, false), keyForm(origin));
    button(*window, QStringLiteral("100 %"))->click();
    PreviewPageView& view = window->pageView();
    const SlipForm form = keySlipForm(game, origin, markCellSize(*metrics, QStringLiteral("x")));
    // Number 20 of field 1 is marked (every row holds it); its cell's middle is inked.
    const SlipFormCell& cell = form.cells[19];
    ASSERT_EQ(cell.label, QStringLiteral("20"));
    const MmPoint middle = cell.rect.centre();
    const QRect page = view.pageRect(0);
    view.verticalScrollBar()->setValue(
        int(page.top() + view.verticalScrollBar()->value() + middle.y * view.pixelsPerMm() - 100));
    const QRect shown = view.pageRect(0);
    const QPoint centre(shown.left() + int(middle.x * view.pixelsPerMm()),
                        shown.top() + int(middle.y * view.pixelsPerMm()));
    const QImage image = view.viewport()->grab().toImage();
    const int half = int(1.2 * view.pixelsPerMm());
    EXPECT_GT(
        countPixels(image, QRect(centre - QPoint(half, half), QSize(2 * half, 2 * half)), isInk),
        3);
    // The outline of the cell lies around the mark.
    const int outline = int(1.8 * view.pixelsPerMm());
    EXPECT_GT(countPixels(image,
                          QRect(centre - QPoint(outline + 2, outline + 2),
                                QSize(2 * outline + 5, 2 * outline + 5)),
                          isFormColour),
              10);
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// Marks off the page or in the printer's unprintable margins are painted red and counted under
// the page; the others stay black.
TEST_F(PreviewWindowTest, MarksThatCannotLandAreRedAndCounted) {
    RecordingPrintSurface recorder(*metrics);
    setUpSlipSurface(recorder);
    // keyprint6 pushed 77 mm to the left: number 1 lies 6 mm from the paper's left edge, 8 lies
    // 1.8 mm from it, 15 and the Joker's mark fall off the paper.
    composeKeySlips(recorder, keySlip(game), 6, 45, {{0, QStringLiteral("01 08 15")}}, 8,
                    KeyRunMode::AllRows, MarkStyle{QStringLiteral("x"), true}, SlipOrigin{-77, 20});
    recorder.endJob();
    const std::shared_ptr<const PrintRecording> recording = recorder.takeRecording();
    std::vector<PrintedOperations::Text> marks;
    for (const auto& t : readRecording(*recording, *metrics).texts) {
        if (t.mark) {
            marks.push_back(t); // the Joker's, 1, 8, 15
        }
    }
    ASSERT_EQ(marks.size(), 4u);
    const struct {
        double marginMm;
        int outside;
        bool eightIsRed;
    } cases[] = {{0, 2, false}, {5, 3, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marginMm);
        const QMarginsF margin(c.marginMm, c.marginMm, c.marginMm, c.marginMm);
        const PrinterMargins margins{margin, margin};
        PreviewWindow window(
            {QStringLiteral("keyprint6"), recording, PreviewForm{}, metrics.get(), margins});
        window.show();
        QApplication::processEvents();
        const QLabel* line = window.findChild<QLabel*>(QStringLiteral("marksOutside"));
        ASSERT_NE(line, nullptr);
        EXPECT_TRUE(line->text().startsWith(QString::number(c.outside) + QStringLiteral(" jel ")))
            << line->text().toStdString();

        PreviewPageRenderer renderer(recording, PreviewForm{}, *metrics, margins);
        QImage image(2100, 2970, QImage::Format_RGB32);
        QPainter painter(&image);
        renderer.paint(painter, 0, image.rect());
        painter.end();
        for (size_t m = 1; m <= 2; ++m) {
            // The mark's ink box in pixels of the page at 10 per millimetre.
            const InkBox ink = metrics->inkBounds(slipMarkFont(), marks[m].text);
            const QRect box(int((marks[m].x + ink.left * 25.4) * 10),
                            int((marks[m].y + ink.top * 25.4) * 10), int(ink.width * 254) + 1,
                            int(ink.height * 254) + 1);
            EXPECT_EQ(countPixels(image, box, isRed) > 0, m == 2 && c.eightIsRed) << "mark " << m;
            EXPECT_GT(countPixels(image, box, isRed) + countPixels(image, box, isInk), 3);
        }
    }
}

// The service says which button ended the preview; the caller prints only on "Nyomtatás".
TEST_F(PreviewWindowTest, TheServiceReturnsTheButtonThatEndedThePreview) {
    const auto printer = QtPrintDevice::toPdfFile(QStringLiteral("unused.pdf"));
    QtPreviewService service(QStringLiteral("keyprint6"), *printer);
    for (const auto& [caption, choice] :
         {std::pair{QStringLiteral("Nyomtatás"), PreviewService::Choice::Print},
          std::pair{QStringLiteral("Bezár"), PreviewService::Choice::Close}}) {
        whenModal([caption = caption](QWidget* window) { button(*window, caption)->click(); });
        EXPECT_EQ(service.show(keySlipRecording(*metrics, 1, {}, false), keyForm({})), choice)
            << caption.toStdString();
    }
}

// A 4,092-slip run: only the pages in view are painted, at the start and at the end.
TEST_F(PreviewWindowTest, LargeRunPaintsOnlyTheVisiblePages) {
    auto window = open(keySlipRecording(*metrics, 4092, {}, true), keyForm({}));
    PreviewPageView& view = window->pageView();
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 1 / 4092"));
    view.viewport()->grab();
    auto [first, end] = view.lastPaintedPages();
    EXPECT_EQ(first, 0);
    EXPECT_LE(end - first, 2);
    button(*window, QStringLiteral("Utolsó"))->click();
    EXPECT_EQ(pageLabel(*window), QStringLiteral("oldal 4092 / 4092"));
    view.viewport()->grab();
    std::tie(first, end) = view.lastPaintedPages();
    EXPECT_EQ(end, 4092);
    EXPECT_LE(end - first, 2);
    // Landscape slips are shown landscape.
    EXPECT_GT(view.pageRect(4091).width(), view.pageRect(4091).height());
}

} // namespace
