#include "printing/QtPrintDevice.h"

#include "core/print/PrintRecording.h"
#include "printing/CupsDelivery.h"
#include "printing/PdfJobFile.h"
#include "printing/QtTextMetrics.h"
#include "printing/RecordedPagePainter.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

QPageLayout::Orientation qtOrientation(PrintSurface::Orientation orientation) {
    return orientation == PrintSurface::Orientation::Landscape ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait;
}

void orient(QPagedPaintDevice& device, PrintSurface::Orientation orientation) {
    if (device.pageLayout().orientation() != qtOrientation(orientation)) {
        device.setPageOrientation(qtOrientation(orientation));
    }
}

const PrintJobOutcome failed{PrintJobOutcome::Problem::Failed, QString(), QString()};

// The print engine's CUPS job options: a list of name and value pairs that Qt's CUPS engine hands
// to the spooler with the job (Qt has no public name for the key).
constexpr auto cupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Asks the print system to print the page as it is drawn: a driver or filter that fits the page
// to the paper would move every mark off its cell.
void requestNoScaling(QPrinter& printer) {
    QPrintEngine* engine = printer.printEngine();
    if (!engine) {
        return;
    }
    const QString name = QStringLiteral("print-scaling");
    QStringList options = engine->property(cupsOptionsKey).toStringList();
    qsizetype i = 0;
    while (i + 1 < options.size()) {
        if (options[i] == name) {
            options.remove(i, 2);
        } else {
            i += 2;
        }
    }
    options << name << QStringLiteral("none");
    engine->setProperty(cupsOptionsKey, options);
}

} // namespace

QtPrintDevice::QtPrintDevice(const QString& programName, const QString& pdfFolder)
    : QtPrintDevice(Options{Target::DefaultPrinter, programName, pdfFolder, {}, 1200, {}}) {}

QtPrintDevice::QtPrintDevice(Options options) : options_(std::move(options)) {}

QtPrintDevice::~QtPrintDevice() {
    // A group left open is closed so that its file is complete.
    closePdf();
}

std::unique_ptr<QtPrintDevice> QtPrintDevice::toPdfFile(const QString& path) {
    Options options;
    options.target = Target::PdfFile;
    options.pdfFile = path;
    return std::make_unique<QtPrintDevice>(std::move(options));
}

TextMetrics& QtPrintDevice::metrics() {
    if (!metrics_) {
        metrics_ = std::make_unique<QtTextMetrics>(options_.resolution);
    }
    return *metrics_;
}

QString QtPrintDevice::pdfPathFor(const QString& folder, const QString& programName,
                                  const QDateTime& time) {
    const QString stem = QDir(folder).filePath(programName + QLatin1Char('-') +
                                               time.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = stem + QStringLiteral("-%1.pdf").arg(n);
    }
    return path;
}

QString QtPrintDevice::choosePdfPath() const {
    if (options_.target == Target::PdfFile) {
        return options_.pdfFile;
    }
    const QDateTime time = options_.now ? options_.now() : QDateTime::currentDateTime();
    return pdfPathFor(options_.pdfFolder, options_.programName, time);
}

// A job that printed nothing and ejected nothing has no page and is sent nowhere.
PrintJobOutcome QtPrintDevice::printJob(const PrintRecording& recording, int job) {
    if (recording.job(job).pageCount == 0) {
        return {};
    }
    if (!(inGroup_ && pdf_) && options_.target == Target::DefaultPrinter) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (!printer.isNull()) {
            return printOnPrinter(recording, job, printer);
        }
    }
    return printIntoPdf(recording, job);
}

// A queue that does not take the job refuses it here: nothing is drawn or sent.
PrintJobOutcome QtPrintDevice::printOnPrinter(const PrintRecording& recording, int job,
                                              const QPrinterInfo& info) {
    const QString name = info.printerName();
    const PrintJobOutcome queue = CupsDelivery::checkQueue(name);
    if (!queue.delivered()) {
        return queue;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setResolution(options_.resolution);
    // A printer may keep a resolution of its own; the job works in whatever it has.
    const double dpi = printer.resolution() > 0 ? printer.resolution() : options_.resolution;
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (recording.job(job).duplex) {
        printer.setDuplex(QPrinter::DuplexLongSide);
    }
    orient(printer, recording.page(int(recording.job(job).firstPage)).orientation);
    requestNoScaling(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return failed;
    }
    const bool painted = paintPages(painter, printer, dpi, recording, job, false);
    handingOver();
    CupsDelivery::beginHandOver();
    const bool ended = painter.end();
    if (!painted || !ended) {
        return failed;
    }
    return CupsDelivery::handOverResult(name);
}

// Without a printer: the job's own PDF, or the pages of a group's PDF.
PrintJobOutcome QtPrintDevice::printIntoPdf(const PrintRecording& recording, int job) {
    const bool continuing = inGroup_ && pdf_;
    if (!continuing && !openPdf(recording, job)) {
        PrintJobOutcome problem = pdfProblem_;
        if (!inGroup_) {
            closePdf();
        }
        return problem;
    }
    if (pdfProblem_.delivered()) {
        const double dpi = options_.resolution;
        if (!paintPages(pdfPainter_, pdf_->writer(), dpi, recording, job, pdfHasPages_)) {
            const PrintJobOutcome written = pdf_->problem();
            pdfProblem_ = written.delivered() ? failed : written;
        }
        pdfHasPages_ = true;
    }
    if (inGroup_) {
        // The group's file stays open for the next job; a write that already failed shows.
        if (pdfProblem_.delivered()) {
            pdfProblem_ = pdf_->problem();
        }
        return pdfProblem_;
    }
    return closePdf();
}

bool QtPrintDevice::openPdf(const PrintRecording& recording, int job) {
    pdf_ = std::make_unique<PdfJobFile>(options_.resolution);
    pdfHasPages_ = false;
    pdfProblem_ = {};
    orient(pdf_->writer(), recording.page(int(recording.job(job).firstPage)).orientation);
    if (!pdf_->open(choosePdfPath())) {
        pdfProblem_ = pdf_->problem();
        return false;
    }
    if (!pdfPainter_.begin(&pdf_->writer())) {
        const PrintJobOutcome written = pdf_->problem();
        pdfProblem_ = written.delivered() ? failed : written;
        return false;
    }
    return true;
}

// Ends the PDF's pages and writes it out; a whole file is named in the outcome.
PrintJobOutcome QtPrintDevice::closePdf() {
    if (!pdf_) {
        return {};
    }
    if (pdfPainter_.isActive()) {
        pdfPainter_.end();
    }
    PrintJobOutcome outcome = pdfProblem_;
    if (pdf_->isOpen()) {
        const PrintJobOutcome written = pdf_->finish();
        if (outcome.delivered()) {
            outcome = written;
        }
    }
    if (outcome.delivered() && pdfHasPages_) {
        outcome.pdfFile = pdf_->path();
    }
    pdf_.reset();
    pdfHasPages_ = false;
    pdfProblem_ = {};
    return outcome;
}

// The job's pages, each in its own orientation; every page but the device's first begins with a
// page break.
bool QtPrintDevice::paintPages(QPainter& painter, QPagedPaintDevice& device, double dpi,
                               const PrintRecording& recording, int job, bool startsWithNewPage) {
    const PrintRecording::Job& j = recording.job(job);
    RecordedPagePainter pages(metrics(), dpi);
    for (std::uint32_t p = j.firstPage; p < j.firstPage + j.pageCount; ++p) {
        if (p > j.firstPage || startsWithNewPage) {
            orient(device, recording.page(int(p)).orientation);
            if (!device.newPage()) {
                return false;
            }
        }
        pages.paint(painter, recording, int(p));
    }
    return true;
}

void QtPrintDevice::beginJobGroup() {
    inGroup_ = true;
}

PrintJobOutcome QtPrintDevice::endJobGroup() {
    inGroup_ = false;
    return closePdf();
}
