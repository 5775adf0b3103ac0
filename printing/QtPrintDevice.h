#pragma once

#include "core/print/PrintDevice.h"

#include <QDateTime>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

class PdfJobFile;
class QPagedPaintDevice;
class QPrinterInfo;
class QtTextMetrics;

// Prints recorded jobs with Qt's printing system, each on a page device of its own that begins
// with the job and ends with it: a job's orientation, units, fonts and two-sided printing are the
// recording's, never an earlier job's. Pages are painted in device pixels of a 1200 dpi page
// (or the printer's own resolution) with their origin at the paper's top-left corner.
//
// With a default printer every job goes to it, asking the print system for no scaling (the CUPS
// job option print-scaling=none), so that a driver's "fit to page" does not move the marks. Without
// one (or when told so) every job is written as an A4 PDF named "<program>-<yyyyMMdd-HHmmss>.pdf"
// in the given folder, with "-2",
// "-3" ... added when the name is taken; the job's outcome names the file. Nothing throws.
//
// Delivery is checked: a job for a printer asks the print system at its start whether the queue
// takes jobs (a refused job draws and sends nothing) and reads the spooler's answer after the
// hand-over (see CupsDelivery for what is known where there is no libcups); a PDF that cannot
// be opened or written whole is PdfNotWritable and names no file.
//
// Job groups: with a printer every job is its own spooler job. Written as PDF, the jobs of a
// group go into one file, each job's pages after the previous job's; the group's end names it.
class QtPrintDevice : public PrintDevice {
public:
    enum class Target {
        DefaultPrinter, // the default printer, or a PDF in the folder when there is none
        PdfInFolder,    // always a PDF in the folder
        PdfFile,        // always the same PDF file (replaced by every job)
    };

    struct Options {
        Target target = Target::DefaultPrinter;
        QString programName;            // leads the PDF file names
        QString pdfFolder;              // where PDF jobs go (PdfInFolder, or no printer)
        QString pdfFile;                // PdfFile
        int resolution = 1200;          // dots per inch of the page
        std::function<QDateTime()> now; // time for the PDF names; the system clock when empty
    };

    // Default printer, or a PDF in pdfFolder when the machine has none.
    QtPrintDevice(const QString& programName, const QString& pdfFolder);
    explicit QtPrintDevice(Options options);
    ~QtPrintDevice() override;

    QtPrintDevice(const QtPrintDevice&) = delete;
    QtPrintDevice& operator=(const QtPrintDevice&) = delete;

    // Every job written to exactly this PDF path.
    static std::unique_ptr<QtPrintDevice> toPdfFile(const QString& path);

    // Measures as the jobs print: the same fonts on an A4 page device of the same resolution.
    // Needs the QApplication.
    TextMetrics& metrics() override;
    PrintJobOutcome printJob(const PrintRecording& recording, int job) override;
    void beginJobGroup() override;
    PrintJobOutcome endJobGroup() override;

    // The PDF name a job started at the given time gets in the folder ("-2" ... when taken).
    static QString pdfPathFor(const QString& folder, const QString& programName,
                              const QDateTime& time);

protected:
    // Called when a printer job's pages are drawn, right before they are handed to the spooler:
    // what the print system does meanwhile (a queue removed, a server stopped) shows in the
    // job's outcome.
    virtual void handingOver() {}

private:
    PrintJobOutcome printOnPrinter(const PrintRecording& recording, int job,
                                   const QPrinterInfo& printer);
    PrintJobOutcome printIntoPdf(const PrintRecording& recording, int job);
    bool openPdf(const PrintRecording& recording, int job);
    PrintJobOutcome closePdf();
    bool paintPages(QPainter& painter, QPagedPaintDevice& device, double dpi,
                    const PrintRecording& recording, int job, bool startsWithNewPage);
    QString choosePdfPath() const;

    Options options_;
    std::unique_ptr<QtTextMetrics> metrics_; // made on first use
    bool inGroup_ = false;
    // The PDF being written: one job's, or a group's that stays open until the group ends.
    std::unique_ptr<PdfJobFile> pdf_;
    QPainter pdfPainter_;
    bool pdfHasPages_ = false;
    PrintJobOutcome pdfProblem_; // the first problem of the open PDF
};
