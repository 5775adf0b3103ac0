#pragma once

#include "core/print/PrintRecording.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextMetrics.h"

// The part of a page a printer puts ink on: the paper less its unprintable margins, in inches
// from the paper's top-left corner.
struct PrintableArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    // Whether ink in this box (inches from the paper's corner) lands wholly on the area.
    bool holds(const InkBox& onPage) const {
        return onPage.left >= left && onPage.top >= top && onPage.left + onPage.width <= right &&
               onPage.top + onPage.height <= bottom;
    }
};

// How many marks (printMark) of one page of a recording (0-based over all jobs) put ink outside
// the area, their positions followed with the metrics the recording was made with.
int marksOutside(const PrintRecording& recording, int page, TextMetrics& metrics,
                 const PrintableArea& area);
