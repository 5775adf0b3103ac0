#include "preview/PreviewPageRenderer.h"

#include "core/print/PrintUnits.h"
#include "printing/RecordedPagePainter.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPair>
#include <QPen>
#include <QStaticText>

#include <cmath>
#include <vector>

namespace {

constexpr double a4ShortMm = 210;
constexpr double a4LongMm = 297;
const QColor formLineColour(236, 164, 164);
const QColor formLabelColour(228, 150, 150);
const QColor pageEdgeColour(160, 160, 160);
// Labels are laid out in hundredths of a millimetre, where fonts have whole pixel sizes.
constexpr double labelUnitsPerMm = 100;
constexpr double largestLabelMm = 2.0;

std::optional<SlipForm> makeForm(const PreviewForm& form, TextMetrics& metrics) {
    switch (form.kind) {
    case PreviewForm::Kind::KeySlip:
        return keySlipForm(form.game, form.origin, markCellSize(metrics, form.markSymbol));
    case PreviewForm::Kind::CombinationSlip:
        return combinationSlipForm(form.game, form.origin, markCellSize(metrics, form.markSymbol));
    case PreviewForm::Kind::None:
        break;
    }
    return std::nullopt;
}

// A label's font height: as large as fits the cell's width, at most 2 mm.
int labelPixelSize(const QString& label, double cellWidthMm) {
    const double averageCharacterWidth = 0.62; // of the font height, digits and letters
    const double fitting = cellWidthMm * 0.92 / (averageCharacterWidth * double(label.size()));
    return int(std::lround(std::min(largestLabelMm, fitting) * labelUnitsPerMm));
}

QRectF inLabelUnits(const MmRect& rect) {
    return {rect.left * labelUnitsPerMm, rect.top * labelUnitsPerMm, rect.width * labelUnitsPerMm,
            rect.height * labelUnitsPerMm};
}

// The form in millimetres: every cell's outline, then its label in its middle.
void paintSlipForm(QPainter& painter, const SlipForm& form) {
    QPen line(formLineColour);
    line.setCosmetic(true);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    std::vector<QRectF> outlines;
    outlines.reserve(form.cells.size());
    for (const SlipFormCell& cell : form.cells) {
        outlines.emplace_back(cell.rect.left, cell.rect.top, cell.rect.width, cell.rect.height);
    }
    painter.drawRects(outlines.data(), int(outlines.size()));

    painter.save();
    painter.scale(1 / labelUnitsPerMm, 1 / labelUnitsPerMm);
    painter.setPen(formLabelColour);
    // The labels repeat from field to field: each is laid out once, then only drawn.
    QHash<QPair<QString, int>, QStaticText> laidOut;
    QFont font(QStringLiteral("sans-serif"));
    int pixelSize = 0;
    for (const SlipFormCell& cell : form.cells) {
        const int size = labelPixelSize(cell.label, cell.rect.width);
        if (size != pixelSize) {
            pixelSize = size;
            font.setPixelSize(size);
            painter.setFont(font);
        }
        auto label = laidOut.find({cell.label, size});
        if (label == laidOut.end()) {
            label = laidOut.insert({cell.label, size}, QStaticText(cell.label));
            label->prepare(painter.transform(), font);
        }
        const QRectF box = inLabelUnits(cell.rect);
        const QSizeF text = label->size();
        painter.drawStaticText(
            QPointF(box.center().x() - text.width() / 2, box.center().y() - text.height() / 2),
            *label);
    }
    painter.restore();
}

} // namespace

PreviewPageRenderer::PreviewPageRenderer(std::shared_ptr<const PrintRecording> recording,
                                         const PreviewForm& form, TextMetrics& metrics,
                                         const PrinterMargins& margins)
    : recording_(std::move(recording)), metrics_(metrics), formAsked_(form),
      form_(makeForm(form, metrics)), margins_(margins),
      marksOutside_(size_t(recording_ ? recording_->pageCount() : 0), -1),
      pages_(metrics, PrintUnits::millimetresPerInch) {}

PrintableArea PreviewPageRenderer::printableArea(int page) const {
    const PrintSurface::Orientation pageOrientation = orientation(page);
    return margins_.printableArea(pageSizeMm(pageOrientation), pageOrientation);
}

int PreviewPageRenderer::marksOutside(int page) {
    if (page < 0 || size_t(page) >= marksOutside_.size()) {
        return 0;
    }
    int& counted = marksOutside_[size_t(page)];
    if (counted < 0) {
        counted = ::marksOutside(*recording_, page, metrics_, printableArea(page));
    }
    return counted;
}

int PreviewPageRenderer::pageCount() const {
    return recording_ ? recording_->pageCount() : 0;
}

PrintSurface::Orientation PreviewPageRenderer::orientation(int page) const {
    return recording_->page(page).orientation;
}

QSizeF PreviewPageRenderer::pageSizeMm(PrintSurface::Orientation orientation) {
    return orientation == PrintSurface::Orientation::Landscape ? QSizeF(a4LongMm, a4ShortMm)
                                                               : QSizeF(a4ShortMm, a4LongMm);
}

QSizeF PreviewPageRenderer::pageSizeMm(int page) const {
    return pageSizeMm(orientation(page));
}

// The last form drawn, for the next preview of the same run's form: a player previews one run
// after another with the same settings, and the form need not be drawn anew each time.
struct PreviewPageRenderer::SharedBackground {
    PreviewForm form;
    const TextMetrics* metrics = nullptr;
    PrintSurface::Orientation orientation = PrintSurface::Orientation::Portrait;
    Background background;
};

PreviewPageRenderer::SharedBackground& PreviewPageRenderer::lastDrawn() {
    static SharedBackground last;
    return last;
}

const QPixmap& PreviewPageRenderer::background(PrintSurface::Orientation orientation,
                                               const QSize& size, qreal pixelRatio) {
    Background& kept = backgrounds_[orientation == PrintSurface::Orientation::Landscape ? 1 : 0];
    if (kept.size == size && kept.pixelRatio == pixelRatio && !kept.pixmap.isNull()) {
        return kept.pixmap;
    }
    SharedBackground& last = lastDrawn();
    const PreviewForm& f = last.form;
    if (last.metrics == &metrics_ && last.orientation == orientation &&
        last.background.size == size && last.background.pixelRatio == pixelRatio &&
        !last.background.pixmap.isNull() && f.kind == formAsked_.kind &&
        f.game == formAsked_.game && f.origin.x0 == formAsked_.origin.x0 &&
        f.origin.y0 == formAsked_.origin.y0 && f.markSymbol == formAsked_.markSymbol) {
        kept = last.background;
        return kept.pixmap;
    }
    kept.size = size;
    kept.pixelRatio = pixelRatio;
    kept.pixmap = QPixmap(size * pixelRatio);
    kept.pixmap.setDevicePixelRatio(pixelRatio);
    kept.pixmap.fill(Qt::white);
    if (form_) {
        QPainter painter(&kept.pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QSizeF mm = pageSizeMm(orientation);
        painter.scale(size.width() / mm.width(), size.height() / mm.height());
        paintSlipForm(painter, *form_);
    }
    last = SharedBackground{formAsked_, &metrics_, orientation, kept};
    return kept.pixmap;
}

void PreviewPageRenderer::paint(QPainter& painter, int page, const QRect& target) {
    const PrintSurface::Orientation pageOrientation = orientation(page);
    const qreal pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(target.topLeft(), background(pageOrientation, target.size(), pixelRatio));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(pageEdgeColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(target).adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setClipRect(target, Qt::IntersectClip);
    const QSizeF mm = pageSizeMm(pageOrientation);
    painter.translate(target.topLeft());
    painter.scale(target.width() / mm.width(), target.height() / mm.height());
    const PrintableArea area = printableArea(page);
    pages_.paint(painter, *recording_, page, &area);
    painter.restore();
}
