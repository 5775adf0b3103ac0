#pragma once

#include <QString>

#include <utility>

// How a print job ended: handed to its destination as a whole, or why not.
struct PrintJobOutcome {
    enum class Problem {
        None,               // the print system accepted the job, or its PDF was written whole
        PrinterRefuses,     // the printer's queue does not accept jobs
        PrinterUnreachable, // the printer cannot be reached (gone, offline, unknown queue)
        PrintSystemMissing, // there is no print system to hand the job to, or it does not answer
        PdfNotWritable,     // no printer, and the PDF could not be written (folder, disk full)
        Failed,             // any other failure of the job
    };

    PrintJobOutcome() = default;
    PrintJobOutcome(Problem problem, QString detail = {}, QString pdfFile = {})
        : problem(problem), detail(std::move(detail)), pdfFile(std::move(pdfFile)) {}

    Problem problem = Problem::None;
    QString detail;  // the print system's own words, for the record; may be empty
    QString pdfFile; // the PDF file a delivered job (or group of jobs) was written to, if any

    bool delivered() const { return problem == Problem::None; }
};

// The box the ink of a printed text covers, relative to the top-left corner of its first
// character cell (where printText places the text): right and down positive. An empty text, or
// one that puts no ink on the page, gives an empty box at that corner.
struct InkBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double centreX() const { return left + width / 2; }
    double centreY() const { return top + height / 2; }
};

// The page printer every printing run draws on. A job begins with the first operation after
// start-up or after the previous endJob. Every operation returns control; false reports that
// the step failed (for example when there is no printer), and the caller goes on.
class PrintSurface {
public:
    enum class Orientation { Portrait = 1, Landscape = 2 };
    enum class Units { Millimetres, Twips };

    virtual ~PrintSurface() = default;

    virtual bool setOrientation(Orientation orientation) = 0;
    virtual bool setUnits(Units units) = 0;
    virtual bool setFontName(const QString& face) = 0;
    virtual bool setFontSize(double points) = 0;
    virtual bool setBold(bool bold) = 0;
    // Origin is the top-left corner of the page; negative values are accepted.
    virtual bool setPosX(double x) = 0;
    virtual bool setPosY(double y) = 0;
    virtual double posX() const = 0;
    // Places the top-left corner of the text's first character cell at the current position.
    // Line-ending: X returns to 0 and Y moves down one line; continuing: X moves past the text.
    virtual bool printText(const QString& text, bool endLine = true) = 0;
    virtual double measureText(const QString& text) = 0;
    // Where the text's ink lies when printed in the current font, in the current unit, measured
    // as the device draws it.
    virtual InkBox measureInk(const QString& text) = 0;
    // Prints a mark into a slip's cell or box: printText ending the line, told apart from other
    // text so that a preview can show a mark that falls where the printer cannot print.
    virtual bool printMark(const QString& mark) = 0;
    // A straight line from one point to another, `width` thick, in the current unit, with flat
    // ends. The current position does not move.
    virtual bool drawLine(double fromX, double fromY, double toX, double toY, double width) = 0;
    // Ends the current page; called before anything was printed it still gives one empty page.
    virtual bool newPage() = 0;
    // Finishes the job and hands it over; says whether the job as a whole reached its
    // destination. A destination that refused the job at its start is reported here too.
    virtual PrintJobOutcome endJob() = 0;
    // Vertical two-sided printing for the rest of the job.
    virtual bool setDuplex() = 0;

    // The jobs between these two calls belong to one run (the full-combination run prints one
    // job per entry). A surface that writes jobs into files instead of printing them puts the
    // group's jobs into one file, in order; a printer gets every job on its own. endJobGroup
    // reports the outcome of what the group left unfinished (the file), or delivered when there
    // was nothing left.
    virtual void beginJobGroup() {}
    virtual PrintJobOutcome endJobGroup() { return {}; }
};
