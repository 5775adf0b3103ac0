#pragma once

#include "PrintFontMetrics.h"
#include "PrintSurface.h"

#include <QDateTime>
#include <QFont>
#include <QString>

#include <functional>
#include <memory>

class PdfJobFile;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPrinterInfo;

// The print surface on Qt's printing system. It draws in device pixels of a 1200 dpi page with
// its origin at the paper's top-left corner and converts millimetres and twips itself, so font
// sizes and positions are not rounded by a scaled painter.
//
// With a default printer every job goes to it. Without one (or when told so) every job is
// written as an A4 PDF named "<program>-<yyyyMMdd-HHmmss>.pdf" in the given folder, with "-2",
// "-3" ... added when the name is taken; lastJobFile() reports it. Nothing throws: a step that
// cannot be done reports false and the surface stays usable for the next job.
//
// Delivery is checked: a job for a printer asks the print system at its start whether the queue
// takes jobs (a refused job draws and sends nothing) and reads the spooler's answer after the
// hand-over (see CupsDelivery for what is known where there is no libcups); a PDF that cannot
// be opened or written whole is PdfNotWritable and is not reported as lastJobFile().
//
// Job groups: with a printer every job is its own spooler job. Written as PDF, the jobs of a
// group go into one file, each job's pages after the previous job's; lastJobFile() names it once
// the group has ended.
class QtPrintSurface : public PrintSurface, public PrintJobReport {
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

    // Default printer, or a PDF in programFolder when the machine has none.
    QtPrintSurface(const QString& programName, const QString& programFolder);
    explicit QtPrintSurface(Options options);
    ~QtPrintSurface() override;

    QtPrintSurface(const QtPrintSurface&) = delete;
    QtPrintSurface& operator=(const QtPrintSurface&) = delete;

    // Every job written to exactly this PDF path.
    static std::unique_ptr<QtPrintSurface> toPdfFile(const QString& path);

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
    bool newPage() override;
    PrintJobOutcome endJob() override;
    bool setDuplex() override;
    void beginJobGroup() override;
    PrintJobOutcome endJobGroup() override;

    QString lastJobFile() const override;

    // Whether the current job prints on both sides (set by setDuplex, cleared by endJob).
    bool duplexRequested() const { return duplex_; }

    // The PDF name a job started at the given time gets in the folder ("-2" ... when taken).
    static QString pdfPathFor(const QString& folder, const QString& programName,
                              const QDateTime& time);

private:
    bool ensureJob();
    bool startPrinterJob(const QPrinterInfo& printer);
    void startPdfJob();
    bool ensureDrawing();
    bool startJobPage();
    bool beginPainting();
    bool applyPendingPages(int count);
    bool finishJobPages();
    PrintJobOutcome closeDevice();
    void releaseDevice();
    PrintJobOutcome failedStep();
    bool keepsGroupFile() const;
    void fail(PrintJobOutcome problem);
    void resetJob();
    QString choosePdfPath() const;
    void applyOrientation();
    void fontChanged();
    const PrintFontMetrics& metrics();
    double unitsPerInch() const;
    QFont makeFont() const;

    Options options_;
    std::unique_ptr<QPrinter> printer_;   // a job on a printer; null otherwise
    std::unique_ptr<PdfJobFile> pdf_;     // a job (or a group of jobs) written as PDF
    QPagedPaintDevice* device_ = nullptr; // the current job's device: printer_ or pdf_'s writer
    std::unique_ptr<QPainter> painter_;   // active from the device's first page to its end
    QString printerName_;                 // the printer of the current job
    bool jobOpen_ = false;                // a job has begun and not ended
    bool jobHasPage_ = false;             // the current job has begun its first page
    PrintJobOutcome jobProblem_;          // the first problem of the current job
    bool inGroup_ = false;
    PrintJobOutcome groupProblem_; // the first problem of the group's file
    QString lastJobFile_;
    int pendingBreaks_ = 0; // newPage calls whose following page is not yet started

    Orientation orientation_ = Orientation::Portrait;
    Units units_ = Units::Twips;
    QString face_ = QStringLiteral("times new roman");
    double points_ = 10.0;
    bool bold_ = false;
    bool duplex_ = false;
    QFont font_;
    std::unique_ptr<PrintFontMetrics> metrics_; // of font_ on the job's printer; null when stale
    double dpi_ = 1200;                         // device pixels per inch of the job's printer
    double x_ = 0;                              // inches from the page's left edge
    double y_ = 0;                              // inches from the page's top edge
};
