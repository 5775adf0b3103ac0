#pragma once

#include "core/print/PrintSurface.h"
#include "core/print/PrintableArea.h"

#include <QMarginsF>
#include <QSizeF>

// The strips along the paper's edges where a printer cannot print, in millimetres, for a page
// printed portrait and one printed landscape.
struct PrinterMargins {
    QMarginsF portrait;
    QMarginsF landscape;

    const QMarginsF& of(PrintSurface::Orientation orientation) const {
        return orientation == PrintSurface::Orientation::Landscape ? landscape : portrait;
    }
    // What remains of a paper of this size (millimetres) in that orientation.
    PrintableArea printableArea(QSizeF paperMm, PrintSurface::Orientation orientation) const;
};

// The default printer's minimum margins (QPrinter on the default printer, its page layout's
// minimumMargins()), asked once per program run; without a printer the jobs are PDF files,
// which have none. Needs the QApplication.
const PrinterMargins& defaultPrinterMargins();
