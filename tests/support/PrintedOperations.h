#pragma once

#include "core/print/PrintDevice.h"
#include "core/print/PrintRecording.h"
#include "core/print/PrintSurface.h"
#include "core/print/RecordingPrintSurface.h"
#include "core/print/TextMetrics.h"
#include "tests/support/FixedTextMetrics.h"

#include <QString>

#include <memory>
#include <vector>

// The operations of recorded jobs read back for tests: every operation as a line ("setPosX 83",
// "printText *", "printText; *" for text that continues the line, "newPage", "endJob"; a mark
// reads as the text it prints, "drawLine 1 2 3 4 0.1" for a line), every printed text with its
// job, page, position (in the unit in force), face, size, boldness and whether it is a mark, the
// position followed as the printer follows it with the metrics the recording was made with, and
// every drawn line with its job and page.
struct PrintedOperations {
    struct Text {
        int job;
        int page; // 0-based within the job
        double x;
        double y;
        QString text;
        QString face;
        double size;
        bool bold;
        PrintSurface::Units units;
        bool mark = false;
    };
    struct Line {
        int job;
        int page; // 0-based within the job
        double fromX;
        double fromY;
        double toX;
        double toY;
        double width;
    };

    std::vector<QString> operations;
    std::vector<Text> texts;
    std::vector<Line> lines;
    int jobsEnded = 0;
    int pagesInJob = 1; // newPage calls + 1 of the last job read
    bool duplex = false;
    PrintSurface::Orientation orientation = PrintSurface::Orientation::Portrait;

    // Reads steps [first, end) of the recording; an EndJob among them ends a job.
    void read(const PrintRecording& recording, std::uint32_t first, std::uint32_t end,
              TextMetrics& metrics);

    // Texts of one job (0-based, counting ended jobs; -1 any) whose text equals the given one.
    std::vector<Text> textsOf(const QString& text, int job = -1) const;
    int count(const QString& operationPrefix) const;
};

// Every operation of a recording, its unfinished job included.
PrintedOperations readRecording(const PrintRecording& recording, TextMetrics& metrics);

// The printer of the tests: it reads every job it is given into the PrintedOperations it is,
// measures with metrics a test can choose, refuses the jobs a test tells it to refuse, and names
// a PDF file for delivered jobs when the test sets one.
class FakePrintDevice : public PrintDevice, public PrintedOperations {
public:
    // Jobs from this one on (0-based, counting printed jobs) do not reach the printer.
    int refuseFromJob = -1;
    PrintJobOutcome refusal{PrintJobOutcome::Problem::PrinterRefuses,
                            QStringLiteral("Rejecting Jobs"), QString()};
    QString lastFile;                 // the PDF file every delivered job names; none when empty
    int groupsBegun = 0;              // beginJobGroup calls
    FixedTextMetrics fixedMetrics;    // what it measures with
    TextMetrics* measuring = nullptr; // other metrics to measure with instead

    TextMetrics& metrics() override { return measuring ? *measuring : fixedMetrics; }
    PrintJobOutcome printJob(const PrintRecording& recording, int job) override;
    void beginJobGroup() override { ++groupsBegun; }
};

// What the core's tests compose onto: the real recording surface, its jobs printed on a fake
// device as they end, so that the operations and texts read back are the printer's. It passes
// for the surface wherever a PrintSurface is asked for.
class TestPrinter : public FakePrintDevice {
public:
    TestPrinter();
    TestPrinter(const TestPrinter&) = delete;
    TestPrinter& operator=(const TestPrinter&) = delete;

    PrintSurface& surface() { return *surface_; }
    operator PrintSurface&() { return *surface_; }
    const PrintRecording& recording() const { return surface_->recording(); }
    // A printer that has printed nothing yet, on a new recording.
    void reset();

private:
    std::unique_ptr<RecordingPrintSurface> surface_;
};
