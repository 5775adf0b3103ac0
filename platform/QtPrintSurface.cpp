#include "QtPrintSurface.h"

#include "CupsDelivery.h"
#include "PdfJobFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double twipsPerInch = 1440.0;
const QString defaultFace = QStringLiteral("times new roman");
constexpr double defaultPoints = 10.0;

QPageLayout::Orientation qtOrientation(PrintSurface::Orientation orientation) {
    return orientation == PrintSurface::Orientation::Landscape ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait;
}

} // namespace

QtPrintSurface::QtPrintSurface(const QString& programName, const QString& programFolder)
    : QtPrintSurface(Options{Target::DefaultPrinter, programName, programFolder, {}, 1200, {}}) {}

QtPrintSurface::QtPrintSurface(Options options) : options_(std::move(options)), font_(makeFont()) {}

QtPrintSurface::~QtPrintSurface() {
    // An unfinished job or group is closed so that its file is complete.
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
    if (pdf_) {
        pdf_->finish();
    }
}

std::unique_ptr<QtPrintSurface> QtPrintSurface::toPdfFile(const QString& path) {
    Options options;
    options.target = Target::PdfFile;
    options.pdfFile = path;
    return std::make_unique<QtPrintSurface>(std::move(options));
}

QString QtPrintSurface::pdfPathFor(const QString& folder, const QString& programName,
                                   const QDateTime& time) {
    const QString stem = QDir(folder).filePath(programName + QLatin1Char('-') +
                                               time.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = stem + QStringLiteral("-%1.pdf").arg(n);
    }
    return path;
}

QString QtPrintSurface::choosePdfPath() const {
    if (options_.target == Target::PdfFile) {
        return options_.pdfFile;
    }
    const QDateTime time = options_.now ? options_.now() : QDateTime::currentDateTime();
    return pdfPathFor(options_.pdfFolder, options_.programName, time);
}

void QtPrintSurface::fail(PrintJobOutcome problem) {
    if (jobProblem_.delivered()) {
        jobProblem_ = std::move(problem);
    }
}

// Why a drawing step failed: the PDF file's own error when it has one.
PrintJobOutcome QtPrintSurface::failedStep() {
    if (pdf_) {
        PrintJobOutcome written = pdf_->problem();
        if (!written.delivered()) {
            return written;
        }
    }
    return {PrintJobOutcome::Problem::Failed, QString()};
}

// A job begins with its first operation, so measuring uses the job's own device.
bool QtPrintSurface::ensureJob() {
    if (jobOpen_) {
        return jobProblem_.delivered();
    }
    jobOpen_ = true;
    jobHasPage_ = false;
    jobProblem_ = {};
    metrics_.reset();
    if (keepsGroupFile()) {
        // The next job of a group goes on in the group's file.
        fail(groupProblem_);
        return jobProblem_.delivered();
    }
    if (options_.target == Target::DefaultPrinter) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (!printer.isNull()) {
            return startPrinterJob(printer);
        }
    }
    startPdfJob();
    return true;
}

// A queue that does not take the job refuses it here: nothing is drawn or sent.
bool QtPrintSurface::startPrinterJob(const QPrinterInfo& info) {
    printerName_ = info.printerName();
    fail(CupsDelivery::checkQueue(printerName_));
    if (!jobProblem_.delivered()) {
        return false;
    }
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setResolution(options_.resolution);
    // A printer may keep a resolution of its own; the job works in whatever it has.
    dpi_ = printer_->resolution() > 0 ? printer_->resolution() : options_.resolution;
    printer_->setFullPage(true);
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    device_ = printer_.get();
    applyOrientation();
    if (duplex_) {
        printer_->setDuplex(QPrinter::DuplexLongSide);
    }
    return true;
}

void QtPrintSurface::startPdfJob() {
    pdf_ = std::make_unique<PdfJobFile>(options_.resolution);
    dpi_ = options_.resolution;
    device_ = &pdf_->writer();
    groupProblem_ = {};
    applyOrientation();
}

// Inside a group, jobs written as PDF share the file the group's first such job opened.
bool QtPrintSurface::keepsGroupFile() const {
    return inGroup_ && pdf_ != nullptr;
}

bool QtPrintSurface::beginPainting() {
    if (pdf_ && !pdf_->open(choosePdfPath())) {
        groupProblem_ = pdf_->problem();
        fail(groupProblem_);
        return false;
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device_)) {
        painter_.reset();
        fail(failedStep());
        return false;
    }
    painter_->setFont(font_);
    return true;
}

// The job's first page: the device's first page, or in a group's file a fresh page after the
// previous job's last one.
bool QtPrintSurface::startJobPage() {
    jobHasPage_ = true;
    if (!painter_) {
        return beginPainting();
    }
    return applyPendingPages(1);
}

// Page breaks wait until the next page is really used: Qt applies a new orientation only at a
// page break, and a slip run may eject a page before it chooses the orientation.
bool QtPrintSurface::applyPendingPages(int count) {
    for (int i = 0; i < count; ++i) {
        applyOrientation();
        if (!device_->newPage()) {
            fail(failedStep());
            return false;
        }
    }
    return true;
}

bool QtPrintSurface::ensureDrawing() {
    if (!ensureJob()) {
        return false;
    }
    if (!jobHasPage_ && !startJobPage()) {
        return false;
    }
    const int breaks = std::exchange(pendingBreaks_, 0);
    return applyPendingPages(breaks);
}

void QtPrintSurface::applyOrientation() {
    if (device_ && device_->pageLayout().orientation() != qtOrientation(orientation_)) {
        device_->setPageOrientation(qtOrientation(orientation_));
    }
}

QFont QtPrintSurface::makeFont() const {
    return PrintFontMetrics::makeFont({face_, points_, bold_});
}

void QtPrintSurface::fontChanged() {
    font_ = makeFont();
    metrics_.reset();
    if (painter_) {
        painter_->setFont(font_);
    }
}

// Metrics of the current font at the job device's resolution; ensureJob() has made the device.
const PrintFontMetrics& QtPrintSurface::metrics() {
    if (!metrics_) {
        metrics_ = std::make_unique<PrintFontMetrics>(font_, device_, dpi_);
    }
    return *metrics_;
}

double QtPrintSurface::unitsPerInch() const {
    return units_ == Units::Millimetres ? millimetresPerInch : twipsPerInch;
}

bool QtPrintSurface::setOrientation(Orientation orientation) {
    if (orientation != Orientation::Portrait && orientation != Orientation::Landscape) {
        return false;
    }
    orientation_ = orientation;
    if (!ensureJob()) {
        return false;
    }
    // Before the device's first page that page takes it; afterwards the next page does.
    if (!painter_) {
        applyOrientation();
    }
    return true;
}

bool QtPrintSurface::setUnits(Units units) {
    units_ = units;
    return ensureJob();
}

bool QtPrintSurface::setFontName(const QString& face) {
    face_ = face;
    fontChanged();
    return ensureJob();
}

bool QtPrintSurface::setFontSize(double points) {
    if (!(points > 0)) {
        return false;
    }
    points_ = points;
    fontChanged();
    return ensureJob();
}

bool QtPrintSurface::setBold(bool bold) {
    bold_ = bold;
    fontChanged();
    return ensureJob();
}

bool QtPrintSurface::setPosX(double x) {
    x_ = x / unitsPerInch();
    return ensureJob();
}

bool QtPrintSurface::setPosY(double y) {
    y_ = y / unitsPerInch();
    return ensureJob();
}

double QtPrintSurface::posX() const {
    return x_ * unitsPerInch();
}

bool QtPrintSurface::printText(const QString& text, bool endLine) {
    if (!ensureJob()) {
        return false;
    }
    const PrintFontMetrics& fm = metrics();
    const bool drawn = ensureDrawing();
    if (drawn) {
        // The baseline goes one ascent below the point: the character cell's top-left is on it.
        painter_->drawText(QPointF(x_ * dpi_, y_ * dpi_ + fm.ascentPixels()), text);
    }
    if (endLine) {
        x_ = 0;
        y_ += fm.lineSpacing();
    } else {
        x_ += fm.advance(text);
    }
    return drawn;
}

double QtPrintSurface::measureText(const QString& text) {
    if (!ensureJob()) {
        return 0;
    }
    return metrics().advance(text) * unitsPerInch();
}

bool QtPrintSurface::newPage() {
    if (!ensureJob()) {
        return false;
    }
    ++pendingBreaks_;
    x_ = 0;
    y_ = 0;
    return true;
}

// The page after the last newPage holds nothing and is not printed; a job of only newPage calls
// still gives its blank pages.
bool QtPrintSurface::finishJobPages() {
    if (!jobHasPage_ && pendingBreaks_ == 0) {
        return true;
    }
    if (!jobHasPage_ && !startJobPage()) {
        return false;
    }
    return applyPendingPages(pendingBreaks_ - 1);
}

// Ends the device's pages and hands them over: to the spooler, or into the PDF file.
PrintJobOutcome QtPrintSurface::closeDevice() {
    PrintJobOutcome outcome;
    if (painter_ && painter_->isActive()) {
        if (printer_) {
            CupsDelivery::beginHandOver();
            const bool ended = painter_->end();
            outcome = ended ? CupsDelivery::handOverResult(printerName_)
                            : PrintJobOutcome{PrintJobOutcome::Problem::Failed, QString()};
        } else {
            painter_->end();
        }
    }
    if (pdf_) {
        const PrintJobOutcome written = pdf_->finish();
        outcome = written.delivered() ? outcome : written;
    }
    return outcome;
}

PrintJobOutcome QtPrintSurface::endJob() {
    if (!jobOpen_) {
        return {};
    }
    if (jobProblem_.delivered()) {
        finishJobPages();
    }
    if (keepsGroupFile()) {
        // The group's file stays open for the next job; a write that already failed shows.
        fail(pdf_->problem());
        groupProblem_ = jobProblem_.delivered() ? groupProblem_ : jobProblem_;
        const PrintJobOutcome outcome = jobProblem_;
        lastJobFile_.clear();
        resetJob();
        return outcome;
    }
    const bool toPdf = pdf_ != nullptr;
    const PrintJobOutcome closed = closeDevice();
    const PrintJobOutcome outcome = jobProblem_.delivered() ? closed : jobProblem_;
    lastJobFile_ = toPdf && outcome.delivered() ? pdf_->path() : QString();
    releaseDevice();
    resetJob();
    return outcome;
}

void QtPrintSurface::releaseDevice() {
    painter_.reset();
    device_ = nullptr;
    printer_.reset();
    pdf_.reset();
    printerName_.clear();
    groupProblem_ = {};
}

void QtPrintSurface::resetJob() {
    metrics_.reset();
    jobOpen_ = false;
    jobHasPage_ = false;
    jobProblem_ = {};
    pendingBreaks_ = 0;
    // Everything a job set belongs to that job: the next one starts from the defaults, so a
    // listing never comes out landscape or duplex because an earlier slip run or listing was.
    orientation_ = Orientation::Portrait;
    units_ = Units::Twips;
    face_ = defaultFace;
    points_ = defaultPoints;
    bold_ = false;
    duplex_ = false;
    fontChanged();
    x_ = 0;
    y_ = 0;
}

bool QtPrintSurface::setDuplex() {
    duplex_ = true;
    if (!ensureJob()) {
        return false;
    }
    // Only a printer prints on two sides; a PDF keeps its pages in order.
    if (printer_) {
        printer_->setDuplex(QPrinter::DuplexLongSide);
    }
    return true;
}

void QtPrintSurface::beginJobGroup() {
    inGroup_ = true;
}

PrintJobOutcome QtPrintSurface::endJobGroup() {
    inGroup_ = false;
    if (jobOpen_) {
        // A job left open ends with its group, and closes the group's file with it.
        return endJob();
    }
    if (!pdf_) {
        return {};
    }
    const bool hasPages = painter_ != nullptr;
    PrintJobOutcome outcome = closeDevice();
    if (outcome.delivered() && !groupProblem_.delivered()) {
        outcome = groupProblem_;
    }
    lastJobFile_ = hasPages && outcome.delivered() ? pdf_->path() : QString();
    releaseDevice();
    return outcome;
}

QString QtPrintSurface::lastJobFile() const {
    return lastJobFile_;
}
