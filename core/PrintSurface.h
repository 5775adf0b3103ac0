#pragma once

#include <QString>

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
    // Ends the current page; called before anything was printed it still gives one empty page.
    virtual bool newPage() = 0;
    virtual bool endJob() = 0;
    // Vertical two-sided printing for the rest of the job.
    virtual bool setDuplex() = 0;
};

// Where the last finished job went, for a window that tells the user; empty when the job went
// to a physical printer or no job has ended yet.
class PrintJobReport {
public:
    virtual ~PrintJobReport() = default;
    virtual QString lastJobFile() const = 0;
};
