#include "printing/RecordedPagePainter.h"

#include "core/print/CursorSurface.h"
#include "core/print/PrintRecording.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrintableArea.h"
#include "core/print/RecordingReplay.h"
#include "printing/PrintFontMetrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

constexpr double pageDpi = 1200;

// The page's operations drawn with a painter in pixels of the 1200 dpi page. Page and job ends
// and orientation belong to the caller and do nothing here.
class PainterPrintSurface : public CursorSurface {
public:
    PainterPrintSurface(QPainter& painter, TextMetrics& metrics, RecordedPagePainter& fonts,
                        const PrintableArea* markArea)
        : CursorSurface(metrics), painter_(painter), fonts_(fonts), markArea_(markArea) {}

    int redMarks = 0;

    bool printText(const QString& text, bool endLine) override {
        if (fontStale_) {
            useCurrentFont();
        }
        // As on paper: the character cell's top-left on the point, the baseline one ascent
        // below.
        painter_.drawText(
            QPointF(cursor_.xInches() * pageDpi, cursor_.yInches() * pageDpi + ascent_), text);
        cursor_.advancePast(text, endLine);
        return true;
    }
    bool printMark(const QString& mark) override {
        const bool lands = !markArea_ || markArea_->holds(cursor_.inkOnPage(mark));
        if (lands) {
            return printText(mark, true);
        }
        ++redMarks;
        painter_.setPen(Qt::red);
        printText(mark, true);
        painter_.setPen(linePen_);
        return true;
    }
    // A line no thicker than a pixel of the device (a preview) is drawn one pixel wide, which is
    // many times faster than filling its outline, and without smoothing when it runs along an
    // axis (it is as sharp, and faster still); a thicker one (a printed page) is stroked with its
    // width. The line pen is black, and the text takes its colour from it too.
    bool drawLine(double fromX, double fromY, double toX, double toY, double width) override {
        const double pixels = pageDpi / cursor_.unitsPerInch();
        const double penWidth = width * pixels;
        const double onDevice = penWidth * std::abs(painter_.deviceTransform().m11());
        const double used = onDevice <= 1 ? 0 : penWidth;
        if (used != linePen_.widthF()) {
            linePen_.setWidthF(used);
            painter_.setPen(linePen_);
        }
        const bool smooth = used > 0 || (fromX != toX && fromY != toY);
        if (smooth != painter_.testRenderHint(QPainter::Antialiasing)) {
            painter_.setRenderHint(QPainter::Antialiasing, smooth);
        }
        painter_.drawLine(QPointF(fromX * pixels, fromY * pixels),
                          QPointF(toX * pixels, toY * pixels));
        return true;
    }

private:
    void fontChanged() override { fontStale_ = true; }
    void useCurrentFont() {
        const RecordedPagePainter::PaintedFont& painted = fonts_.fontFor(cursor_.font(), painter_);
        painter_.setFont(painted.font);
        ascent_ = painted.ascent;
        fontStale_ = false;
    }

    QPainter& painter_;
    RecordedPagePainter& fonts_;
    const PrintableArea* markArea_;
    QPen linePen_{Qt::black, 0, Qt::SolidLine, Qt::FlatCap}; // the painter's pen
    bool fontStale_ = true;
    double ascent_ = 0; // of the painter's font, in page pixels
};

} // namespace

RecordedPagePainter::RecordedPagePainter(TextMetrics& metrics, double painterUnitsPerInch)
    : metrics_(metrics), scale_(painterUnitsPerInch / pageDpi) {}

// The printed font made as large in page pixels as it is on the 1200 dpi page: the painter's
// device turns points into pixels at its own resolution, so the size is scaled by the ratio.
const RecordedPagePainter::PaintedFont& RecordedPagePainter::fontFor(const PrintFont& printed,
                                                                     const QPainter& painter) {
    const int logicalDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    const int deviceDpi = logicalDpi > 0 ? logicalDpi : 96;
    for (const PaintedFont& made : fonts_) {
        if (made.printed == printed && made.deviceDpi == deviceDpi) {
            return made;
        }
    }
    QFont font = PrintFontMetrics::makeFont(printed);
    if (deviceDpi != pageDpi) {
        font.setPointSizeF(printed.points * pageDpi / deviceDpi);
    }
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    fonts_.push_back({printed, deviceDpi, font, ascent});
    return fonts_.back();
}

int RecordedPagePainter::paint(QPainter& painter, const PrintRecording& recording, int page,
                               const PrintableArea* markArea) {
    painter.save();
    if (scale_ != 1.0) {
        painter.scale(scale_, scale_);
    }
    PainterPrintSurface surface(painter, metrics_, *this, markArea);
    painter.setPen(QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap));
    replayPage(recording, page, surface);
    painter.restore();
    return surface.redMarks;
}
