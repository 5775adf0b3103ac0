#include "QtPrintSurface.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double twipsPerInch = 1440.0;

QPageLayout::Orientation qtOrientation(PrintSurface::Orientation orientation) {
    return orientation == PrintSurface::Orientation::Landscape ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait;
}

} // namespace

QtPrintSurface::QtPrintSurface(const QString& programName, const QString& programFolder)
    : QtPrintSurface(Options{Target::DefaultPrinter, programName, programFolder, {}, 1200, {}}) {}

QtPrintSurface::QtPrintSurface(Options options) : options_(std::move(options)), font_(makeFont()) {}

QtPrintSurface::~QtPrintSurface() {
    // An unfinished job is closed so that its file is complete.
    if (painter_ && painter_->isActive()) {
        painter_->end();
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

bool QtPrintSurface::printsOnPhysicalPrinter() const {
    return options_.target == Target::DefaultPrinter && !QPrinterInfo::defaultPrinter().isNull();
}

// The job's printer is made by its first operation, so measuring uses the job's own device.
bool QtPrintSurface::ensureJob() {
    if (printer_) {
        return !jobFailed_;
    }
    onPhysicalPrinter_ = printsOnPhysicalPrinter();
    if (onPhysicalPrinter_) {
        printer_ =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    printer_->setResolution(options_.resolution);
    // A printer may keep a resolution of its own; the job works in whatever it has.
    dpi_ = printer_->resolution() > 0 ? printer_->resolution() : options_.resolution;
    printer_->setFullPage(true);
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    applyOrientation();
    if (duplex_) {
        printer_->setDuplex(QPrinter::DuplexLongSide);
    }
    jobFailed_ = false;
    metrics_.reset();
    return true;
}

bool QtPrintSurface::beginPainting() {
    if (!onPhysicalPrinter_) {
        jobFile_ = choosePdfPath();
        printer_->setOutputFileName(jobFile_);
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        jobFailed_ = true;
        return false;
    }
    painter_->setFont(font_);
    return true;
}

// Page breaks wait until the next page is really used: Qt applies a new orientation only at a
// page break, and a slip run may eject a page before it chooses the orientation.
bool QtPrintSurface::applyPendingPages(int count) {
    for (int i = 0; i < count; ++i) {
        applyOrientation();
        if (!printer_->newPage()) {
            jobFailed_ = true;
            return false;
        }
    }
    return true;
}

bool QtPrintSurface::ensureDrawing() {
    if (!ensureJob()) {
        return false;
    }
    if (!painter_ && !beginPainting()) {
        return false;
    }
    const int breaks = std::exchange(pendingBreaks_, 0);
    return applyPendingPages(breaks);
}

void QtPrintSurface::applyOrientation() {
    if (printer_ && printer_->pageLayout().orientation() != qtOrientation(orientation_)) {
        printer_->setPageOrientation(qtOrientation(orientation_));
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

// Metrics of the current font at the job printer's resolution; ensureJob() has made the printer.
const PrintFontMetrics& QtPrintSurface::metrics() {
    if (!metrics_) {
        metrics_ = std::make_unique<PrintFontMetrics>(font_, printer_.get(), dpi_);
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
    // Before painting starts the first page takes it; afterwards the next page does.
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

PrintJobOutcome QtPrintSurface::endJob() {
    bool ok = ensureJob();
    if (ok && (painter_ || pendingBreaks_ > 0)) {
        // The page after the last newPage holds nothing and is not printed; a job of only
        // newPage calls still gives its blank pages.
        if (!painter_) {
            ok = beginPainting();
        }
        ok = ok && applyPendingPages(pendingBreaks_ - 1);
        if (painter_ && painter_->isActive()) {
            ok = painter_->end() && ok;
        }
    }
    ok = ok && !jobFailed_;
    lastJobFile_ = ok && !onPhysicalPrinter_ ? jobFile_ : QString();
    resetJob();
    PrintJobOutcome outcome;
    if (!ok) {
        outcome.problem = PrintJobOutcome::Problem::Failed;
    }
    return outcome;
}

void QtPrintSurface::resetJob() {
    metrics_.reset();
    painter_.reset();
    printer_.reset();
    jobFailed_ = false;
    jobFile_.clear();
    pendingBreaks_ = 0;
    // Two-sided printing belongs to the job that asked for it: slips must never come out
    // duplex because an earlier listing was.
    duplex_ = false;
    x_ = 0;
    y_ = 0;
}

bool QtPrintSurface::setDuplex() {
    duplex_ = true;
    if (!ensureJob()) {
        return false;
    }
    printer_->setDuplex(QPrinter::DuplexLongSide);
    return true;
}

QString QtPrintSurface::lastJobFile() const {
    return lastJobFile_;
}
