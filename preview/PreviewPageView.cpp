#include "preview/PreviewPageView.h"
#include "core/print/PrintUnits.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int pageGap = 12; // pixels around and between pages
const QColor viewBackground(128, 128, 128);

} // namespace

PreviewPageView::PreviewPageView(PreviewPageRenderer& renderer, QWidget* parent)
    : QAbstractScrollArea(parent), renderer_(renderer), largestPageMm_(largestPageMm()) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
    layOutPages();
}

// Portrait A4 when every page is portrait (or there are none); the extent of both orientations
// as soon as one page is landscape.
QSizeF PreviewPageView::largestPageMm() const {
    QSizeF largest = PreviewPageRenderer::pageSizeMm(PrintSurface::Orientation::Portrait);
    for (int page = 0; page < renderer_.pageCount(); ++page) {
        if (renderer_.orientation(page) == PrintSurface::Orientation::Landscape) {
            return largest.expandedTo(
                PreviewPageRenderer::pageSizeMm(PrintSurface::Orientation::Landscape));
        }
    }
    return largest;
}

double PreviewPageView::scaleForZoom() const {
    const double roomWidth = std::max(1, viewport()->width() - 2 * pageGap);
    const double roomHeight = std::max(1, viewport()->height() - 2 * pageGap);
    switch (zoom_) {
    case Zoom::WholePage:
        return std::min(roomWidth / largestPageMm_.width(), roomHeight / largestPageMm_.height());
    case Zoom::PageWidth:
        return roomWidth / largestPageMm_.width();
    case Zoom::TrueSize:
        break;
    }
    return logicalDpiX() / PrintUnits::millimetresPerInch;
}

void PreviewPageView::layOutPages() {
    pixelsPerMm_ = scaleForZoom();
    const int count = renderer_.pageCount();
    tops_.assign(size_t(count) + 1, 0);
    int y = pageGap;
    int widest = 0;
    for (int page = 0; page < count; ++page) {
        tops_[size_t(page)] = y;
        const QSizeF mm = renderer_.pageSizeMm(page);
        y += int(std::lround(mm.height() * pixelsPerMm_)) + pageGap;
        widest = std::max(widest, int(std::lround(mm.width() * pixelsPerMm_)));
    }
    tops_[size_t(count)] = y;
    contentWidth_ = widest + 2 * pageGap;
    updateScrollBars();
}

void PreviewPageView::updateScrollBars() {
    const QSize room = viewport()->size();
    verticalScrollBar()->setPageStep(room.height());
    verticalScrollBar()->setRange(0, std::max(0, tops_.back() - room.height()));
    horizontalScrollBar()->setPageStep(room.width());
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth_ - room.width()));
}

QRect PreviewPageView::pageRect(int page) const {
    const QSizeF mm = renderer_.pageSizeMm(page);
    const int width = int(std::lround(mm.width() * pixelsPerMm_));
    const int height = int(std::lround(mm.height() * pixelsPerMm_));
    const int span = std::max(contentWidth_, viewport()->width());
    const int left = (span - width) / 2 - horizontalScrollBar()->value();
    return {left, tops_[size_t(page)] - verticalScrollBar()->value(), width, height};
}

// The page whose extent (with the gap below it) holds the content line y.
int PreviewPageView::pageAtContentY(int y) const {
    const auto after = std::upper_bound(tops_.begin(), tops_.end() - 1, y);
    const int page = int(after - tops_.begin()) - 1;
    return std::clamp(page, 0, std::max(0, pageCount() - 1));
}

void PreviewPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), viewBackground);
    const int count = pageCount();
    if (count == 0) {
        lastPainted_ = {0, 0};
        return;
    }
    const int scroll = verticalScrollBar()->value();
    const int first = pageAtContentY(scroll + event->rect().top());
    int page = first;
    for (; page < count && tops_[size_t(page)] - scroll <= event->rect().bottom(); ++page) {
        const QRect target = pageRect(page);
        if (target.intersects(event->rect())) {
            renderer_.paint(painter, page, target);
        }
    }
    lastPainted_ = {first, page};
}

void PreviewPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int keep = current_;
    layOutPages();
    showPage(keep);
}

void PreviewPageView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy); // only the uncovered strip is painted
    if (!navigating_) {
        followScrolling();
    }
}

// After the user scrolled: the page in the middle of the view, the first or the last page when
// the view is at either end.
void PreviewPageView::followScrolling() {
    const QScrollBar* bar = verticalScrollBar();
    if (bar->value() == bar->maximum() && bar->maximum() > 0) {
        setCurrent(pageCount() - 1);
    } else if (bar->value() == bar->minimum()) {
        setCurrent(0);
    } else {
        setCurrent(pageAtContentY(bar->value() + viewport()->height() / 2));
    }
}

void PreviewPageView::setCurrent(int page) {
    if (page != current_) {
        current_ = page;
        emit currentPageChanged(page);
    }
}

void PreviewPageView::showPage(int page) {
    if (pageCount() == 0) {
        return;
    }
    page = std::clamp(page, 0, pageCount() - 1);
    navigating_ = true;
    verticalScrollBar()->setValue(tops_[size_t(page)] - pageGap);
    navigating_ = false;
    setCurrent(page);
    viewport()->update();
}

void PreviewPageView::setZoom(Zoom zoom) {
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    const int keep = current_;
    layOutPages();
    showPage(keep);
}
