#pragma once

#include "preview/PreviewPageRenderer.h"

#include <QAbstractScrollArea>
#include <QRect>

#include <vector>

// The pages of a recording one below the other, at true proportions, in a scrollable view that
// paints only the pages it shows: a run of thousands of slips opens at once and scrolls
// smoothly. The current page is the one in the middle of the view (or the one navigated to).
class PreviewPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class Zoom {
        WholePage, // "Egész oldal": a whole page fits the view
        PageWidth, // "Oldalszélesség": the page fills the view's width
        TrueSize,  // "100 %": a millimetre on screen is a millimetre on paper
    };

    PreviewPageView(PreviewPageRenderer& renderer, QWidget* parent = nullptr);

    int pageCount() const { return renderer_.pageCount(); }
    int currentPage() const { return current_; } // 0-based
    void showPage(int page);                     // scrolls the page's top into view
    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom zoom);
    // Screen pixels per millimetre at the current zoom.
    double pixelsPerMm() const { return pixelsPerMm_; }
    // Where a page lies in the view's viewport, in its coordinates (may lie outside it).
    QRect pageRect(int page) const;
    // The pages the last paint drew, first and one past the last.
    std::pair<int, int> lastPaintedPages() const { return lastPainted_; }

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSizeF largestPageMm() const;
    double scaleForZoom() const;
    void layOutPages();
    void updateScrollBars();
    int pageAtContentY(int y) const;
    void followScrolling();
    void setCurrent(int page);

    PreviewPageRenderer& renderer_;
    Zoom zoom_ = Zoom::WholePage;
    double pixelsPerMm_ = 1;
    QSizeF largestPageMm_;  // the widest and the tallest extent of the pages
    std::vector<int> tops_; // each page's top in content pixels; one more entry: content end
    int contentWidth_ = 0;
    int current_ = 0;
    bool navigating_ = false; // scrolling because a page was chosen, not by the user
    std::pair<int, int> lastPainted_{0, 0};
};
