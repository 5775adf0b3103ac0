#pragma once

#include "core/print/PrintCursor.h"
#include "core/print/PrintRecording.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextMetrics.h"

#include <memory>

class PrintDevice;

// The print surface every run composes onto: it records every operation, making pages and jobs
// as a page printer makes them: a newPage before anything was printed still gives a blank page,
// the page after the last newPage of a job is no page, and a page takes the orientation in force
// when its first text or line is printed (or when the job ends). Every job starts from the
// printer's defaults (portrait, twips, the default font, one-sided), whatever the job before it
// set. Widths and positions come from the given metrics, which measure as the device that prints
// the recording does, so runs that compute positions from measureText and posX record the positions
// they print at.
//
// With a device, each job is printed on it as soon as it ends, and endJob reports what the
// device reports; job groups are the device's. Without one (a preview), every job ends
// delivered and the recording is shown, and perhaps printed, afterwards.
class RecordingPrintSurface : public PrintSurface {
public:
    explicit RecordingPrintSurface(TextMetrics& metrics, PrintDevice* device = nullptr);

    bool setOrientation(Orientation orientation) override;
    bool setUnits(Units units) override;
    bool setFontName(const QString& face) override;
    bool setFontSize(double points) override;
    bool setBold(bool bold) override;
    bool setPosX(double x) override;
    bool setPosY(double y) override;
    double posX() const override;
    bool printText(const QString& text, bool endLine = true) override;
    double measureText(const QString& text) override;
    InkBox measureInk(const QString& text) override;
    bool printMark(const QString& mark) override;
    bool drawLine(double fromX, double fromY, double toX, double toY, double width) override;
    bool newPage() override;
    PrintJobOutcome endJob() override;
    bool setDuplex() override;
    void beginJobGroup() override;
    PrintJobOutcome endJobGroup() override;

    const PrintRecording& recording() const { return *recording_; }
    // Hands the recording over to be shared (take it once the run has ended its job); the
    // surface goes on with a new, empty one and keeps its settings as a printer would.
    std::shared_ptr<const PrintRecording> takeRecording();

private:
    using Op = PrintRecording::Op;

    void ensureJob();
    void record(Op op, std::uint32_t operand = 0);
    void startPage(std::uint32_t firstStep);
    void settleStartedPages();
    PrintRecording::Settings settings() const;

    std::shared_ptr<PrintRecording> recording_;
    PrintDevice* device_;
    PrintCursor cursor_;
    Orientation orientation_ = Orientation::Portrait;
    std::uint32_t face_ = 0; // the current face in the recording's texts
    bool jobOpen_ = false;
    PrintRecording::Job job_{};     // the open job
    size_t firstUnsettledPage_ = 0; // pages from here on wait for their orientation
    int openGroup_ = -1;
};
