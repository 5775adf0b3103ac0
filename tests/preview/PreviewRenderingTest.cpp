#include "core/base/GameProfile.h"
#include "core/keys/KeyListing.h"
#include "core/slip/SlipComposer.h"
#include "preview/PreviewPageRenderer.h"
#include "printing/QtTextMetrics.h"
#include "printing/RecordedPagePainter.h"
#include "tests/support/DeviceSurface.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PdfReader.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Composes print jobs; each ends with endJob.
using Compose = std::function<void(PrintSurface&)>;

std::shared_ptr<const PrintRecording> recordJobs(const Compose& compose, TextMetrics& metrics) {
    RecordingPrintSurface recorder(metrics);
    compose(recorder);
    return recorder.takeRecording();
}

void printOnDevice(const Compose& compose, const QString& path) {
    const auto surface = DeviceSurface::toPdfFile(path);
    compose(*surface);
}

constexpr int pixelsPerMm = 10;

bool isInk(QRgb pixel) {
    return qGray(pixel) < 110;
}

QRect inPixels(const PdfReader::Word& word, double marginMm) {
    const auto px = [](double mm) { return int(std::lround(mm * pixelsPerMm)); };
    return QRect(QPoint(px(word.left - marginMm), px(word.top - marginMm)),
                 QPoint(px(word.right + marginMm), px(word.bottom + marginMm)));
}

// The preview paints a page's texts where the printed job has them: every word the PDF holds
// is inked on the painted page, and nothing is inked away from the words.
class PreviewRenderingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        metrics = std::make_unique<QtTextMetrics>();
    }

    void expectPaintedLikePrinted(const Compose& compose, int page) {
        const QString pdfPath = dir.filePath(QStringLiteral("printed.pdf"));
        printOnDevice(compose, pdfPath);
        const PdfReader pdf(pdfPath);
        ASSERT_TRUE(pdf.ok());
        const auto recording = recordJobs(compose, *metrics);
        PreviewPageRenderer renderer(recording, PreviewForm{}, *metrics);
        const QSizeF mm = renderer.pageSizeMm(page);
        QImage image(int(mm.width()) * pixelsPerMm, int(mm.height()) * pixelsPerMm,
                     QImage::Format_RGB32);
        {
            QPainter painter(&image);
            renderer.paint(painter, page, image.rect());
        }
        const std::vector<PdfReader::Word> words = pdf.wordsOnPage(page + 1);
        ASSERT_FALSE(words.empty());
        QImage outside = image;
        for (const PdfReader::Word& word : words) {
            const QRect box = inPixels(word, 0.3);
            int ink = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (image.rect().contains(x, y)) {
                        ink += isInk(image.pixel(x, y)) ? 1 : 0;
                        outside.setPixel(x, y, qRgb(255, 255, 255));
                    }
                }
            }
            EXPECT_GT(ink, 5) << word.text.toStdString() << " at " << word.left << ", " << word.top;
        }
        int stray = 0;
        for (int y = 1; y < image.height() - 1; ++y) {
            for (int x = 1; x < image.width() - 1; ++x) {
                stray += isInk(outside.pixel(x, y)) ? 1 : 0;
            }
        }
        EXPECT_EQ(stray, 0);
    }

    QTemporaryDir dir;
    std::unique_ptr<QtTextMetrics> metrics;
};

TEST_F(PreviewRenderingTest, ListingPageAsPrinted) {
    FakeServices fakes;
    KeyListingControls controls;
    for (int r = 0; r < 150; ++r) {
        controls.rows << QStringLiteral("%1 05 12 17 23 30").arg(r % 4 + 1, 2, 10, QChar('0'));
    }
    controls.rowsPerColumn = QStringLiteral("40");
    expectPaintedLikePrinted(
        [&](PrintSurface& printer) {
            printKeyListing(
                gameProfile(6), controls,
                {fakes.messageBox, fakes.inputBox, fakes.busyPointer, fakes.clock, printer});
        },
        1);
}

TEST_F(PreviewRenderingTest, LandscapeSlipPageAsPrinted) {
    expectPaintedLikePrinted(
        [](PrintSurface& s) {
            const KeySlip& layout = keySlip(7);
            s.setOrientation(PrintSurface::Orientation::Landscape);
            setUpSlipSurface(s);
            std::vector<KeyRow> rows;
            for (int r = 0; r < 14; ++r) {
                rows.push_back({r, QStringLiteral("01 07 13 %1 35").arg(r + 14)});
            }
            composeKeySlips(s, layout, 7, 35, rows, 10, KeyRunMode::AllRows,
                            MarkStyle{QStringLiteral("x"), false},
                            keySlipOrigin(layout, QStringLiteral("4"), QStringLiteral("6"), true));
            s.endJob();
        },
        1);
}

// Lines printed one after the other, without positioning each, are painted one line spacing
// apart, as the printer moves them.
TEST_F(PreviewRenderingTest, LinesFollowAtTheLineSpacing) {
    const auto recording = recordJobs(
        [](PrintSurface& s) {
            s.setUnits(PrintSurface::Units::Millimetres);
            s.setFontSize(12);
            s.setPosY(20);
            for (int i = 0; i < 4; ++i) {
                s.printText(QStringLiteral("HHHH"));
            }
            s.endJob();
        },
        *metrics);
    PreviewPageRenderer renderer(recording, PreviewForm{}, *metrics);
    QImage image(210 * pixelsPerMm, 297 * pixelsPerMm, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        renderer.paint(painter, 0, image.rect());
    }
    // The first row of ink of each line.
    std::vector<int> lineTops;
    bool previousInked = false;
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < 30 * pixelsPerMm && !inked; ++x) {
            inked = isInk(image.pixel(x, y));
        }
        if (inked && !previousInked) {
            lineTops.push_back(y);
        }
        previousInked = inked;
    }
    ASSERT_EQ(lineTops.size(), 4u);
    const double spacing =
        metrics->lineSpacing(PrintFont{QStringLiteral("times new roman"), 12, false}) * 25.4 *
        pixelsPerMm;
    for (size_t i = 1; i < lineTops.size(); ++i) {
        EXPECT_NEAR(lineTops[i] - lineTops[0], double(i) * spacing, 1.5) << i;
    }
}

} // namespace

namespace {

// The inked pixels' bounding box within a rectangle of the image.
QRect inkedBox(const QImage& image, const QRect& within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// What the page painter draws stands where the recording's measures say: each mark's ink fills
// the box its metrics give (to 0.05 mm), and a drawn line is as long and as thick as drawn.
TEST_F(PreviewRenderingTest, MarkInkAndLinesStandWhereMeasured) {
    constexpr double perMm = 40;
    for (const QString& mark : {QStringLiteral("x"), QStringLiteral("*"), QStringLiteral("•")}) {
        SCOPED_TRACE(mark.toStdString());
        const auto recording = recordJobs(
            [&](PrintSurface& s) {
                setUpSlipSurface(s);
                markInkCentre(s, mark); // the mark's font
                s.setPosX(10);
                s.setPosY(10);
                s.printMark(mark);
                s.drawLine(30, 12, 50, 12, 0.3);
                s.endJob();
            },
            *metrics);
        QImage image(int(60 * perMm), int(25 * perMm), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            RecordedPagePainter(*metrics, 25.4 * perMm).paint(painter, *recording, 0);
        }
        const InkBox ink = metrics->inkBounds(slipMarkFont(), mark);
        const QRect painted = inkedBox(image, QRect(0, 0, int(25 * perMm), image.height()));
        EXPECT_NEAR(painted.left() / perMm, 10 + ink.left * 25.4, 0.05);
        EXPECT_NEAR(painted.top() / perMm, 10 + ink.top * 25.4, 0.05);
        EXPECT_NEAR(painted.right() / perMm, 10 + (ink.left + ink.width) * 25.4, 0.05);
        EXPECT_NEAR(painted.bottom() / perMm, 10 + (ink.top + ink.height) * 25.4, 0.05);
        const QRect line =
            inkedBox(image, QRect(int(25 * perMm), 0, int(35 * perMm), image.height()));
        EXPECT_NEAR(line.left() / perMm, 30, 0.05);
        EXPECT_NEAR((line.right() + 1) / perMm, 50, 0.05);
        EXPECT_NEAR(line.top() / perMm, 11.85, 0.05);
        EXPECT_NEAR((line.bottom() + 1) / perMm, 12.15, 0.05);
    }
}

} // namespace
