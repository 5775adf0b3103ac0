#include "core/print/PrintableArea.h"

#include "core/print/CursorSurface.h"
#include "core/print/RecordingReplay.h"

namespace {

// Follows a replayed page's position and font and counts the marks whose ink leaves the area.
class MarkCounter : public CursorSurface {
public:
    MarkCounter(TextMetrics& metrics, const PrintableArea& area)
        : CursorSurface(metrics), area_(area) {}

    int outside = 0;

    bool printMark(const QString& mark) override {
        outside += area_.holds(cursor_.inkOnPage(mark)) ? 0 : 1;
        return CursorSurface::printMark(mark);
    }

private:
    PrintableArea area_;
};

} // namespace

int marksOutside(const PrintRecording& recording, int page, TextMetrics& metrics,
                 const PrintableArea& area) {
    MarkCounter counter(metrics, area);
    replayPage(recording, page, counter);
    return counter.outside;
}
