#pragma once

#include "core/print/PrintRecording.h"
#include "core/print/TextMetrics.h"
#include "core/slip/SlipForm.h"
#include "preview/PreviewContent.h"
#include "printing/PrinterMargins.h"
#include "printing/RecordedPagePainter.h"

#include <QPixmap>
#include <QRect>
#include <QSizeF>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

// Paints the pages of a recording for the preview: an A4 page in the orientation it is printed
// in (the paper of a job without a printer), the slip form faintly under the marks when the
// pages are slips, then the page's own operations. A mark that cannot land (its ink off the page
// or in the printer's unprintable margins) is painted red. The white page with its form is kept
// drawn for the last size asked, one per orientation, so scrolling paints only the marks again.
class PreviewPageRenderer {
public:
    PreviewPageRenderer(std::shared_ptr<const PrintRecording> recording, const PreviewForm& form,
                        TextMetrics& metrics, const PrinterMargins& margins = {});

    int pageCount() const;
    PrintSurface::Orientation orientation(int page) const;
    QSizeF pageSizeMm(int page) const;
    static QSizeF pageSizeMm(PrintSurface::Orientation orientation);
    const std::optional<SlipForm>& form() const { return form_; }

    // Paints the page into target, a rectangle of the page's proportions in the painter's
    // coordinates (device-independent pixels).
    void paint(QPainter& painter, int page, const QRect& target);

    // The marks of a page that cannot land, painted red; counted once per page.
    int marksOutside(int page);
    PrintableArea printableArea(int page) const;

private:
    const QPixmap& background(PrintSurface::Orientation orientation, const QSize& size,
                              qreal pixelRatio);

    std::shared_ptr<const PrintRecording> recording_;
    TextMetrics& metrics_;
    PreviewForm formAsked_;
    std::optional<SlipForm> form_;
    PrinterMargins margins_;
    std::vector<int> marksOutside_; // per page; -1 until counted
    RecordedPagePainter pages_;
    struct Background {
        QSize size;
        qreal pixelRatio = 0;
        QPixmap pixmap;
    };
    Background backgrounds_[2]; // portrait, landscape
    struct SharedBackground;
    static SharedBackground& lastDrawn();
};
