#include "printing/PrinterMargins.h"

#include "core/print/PrintUnits.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QMarginsF minimumMarginsMm(QPrinter& printer, QPageLayout::Orientation orientation) {
    printer.setPageOrientation(orientation);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return layout.minimumMargins();
}

} // namespace

PrintableArea PrinterMargins::printableArea(QSizeF paperMm,
                                            PrintSurface::Orientation orientation) const {
    const QMarginsF& m = of(orientation);
    const double inch = PrintUnits::millimetresPerInch;
    return {m.left() / inch, m.top() / inch, (paperMm.width() - m.right()) / inch,
            (paperMm.height() - m.bottom()) / inch};
}

const PrinterMargins& defaultPrinterMargins() {
    static const PrinterMargins asked = [] {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            return PrinterMargins{};
        }
        QPrinter printer(info);
        const QMarginsF portrait = minimumMarginsMm(printer, QPageLayout::Portrait);
        return PrinterMargins{portrait, minimumMarginsMm(printer, QPageLayout::Landscape)};
    }();
    return asked;
}
