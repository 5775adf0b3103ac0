#include "core/print/PrintableArea.h"

#include "core/print/PrintCursor.h"
#include "core/print/RecordingReplay.h"

namespace {

// Follows a replayed page's position and font and counts the marks whose ink leaves the area.
class MarkCounter : public PrintSurface {
public:
    MarkCounter(TextMetrics& metrics, const PrintableArea& area) : cursor_(metrics), area_(area) {}

    int outside = 0;

    bool setOrientation(Orientation) override { return true; }
    bool setUnits(Units units) override {
        cursor_.setUnits(units);
        return true;
    }
    bool setFontName(const QString& face) override {
        cursor_.setFontName(face);
        return true;
    }
    bool setFontSize(double points) override {
        if (points > 0) {
            cursor_.setFontSize(points);
        }
        return points > 0;
    }
    bool setBold(bool bold) override {
        cursor_.setBold(bold);
        return true;
    }
    bool setPosX(double x) override {
        cursor_.setPosX(x);
        return true;
    }
    bool setPosY(double y) override {
        cursor_.setPosY(y);
        return true;
    }
    double posX() const override { return cursor_.posX(); }
    bool printText(const QString& text, bool endLine) override {
        cursor_.advancePast(text, endLine);
        return true;
    }
    bool printMark(const QString& mark) override {
        outside += area_.holds(cursor_.inkOnPage(mark)) ? 0 : 1;
        cursor_.advancePast(mark, true);
        return true;
    }
    bool drawLine(double, double, double, double, double) override { return true; }
    double measureText(const QString& text) override { return cursor_.measureText(text); }
    InkBox measureInk(const QString& text) override { return cursor_.measureInk(text); }
    bool newPage() override { return true; }
    PrintJobOutcome endJob() override { return {}; }
    bool setDuplex() override { return true; }

private:
    PrintCursor cursor_;
    PrintableArea area_;
};

} // namespace

int marksOutside(const PrintRecording& recording, int page, TextMetrics& metrics,
                 const PrintableArea& area) {
    MarkCounter counter(metrics, area);
    replayPage(recording, page, counter);
    return counter.outside;
}
