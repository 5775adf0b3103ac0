#include "core/print/RecordingPrintSurface.h"

#include "core/print/PrintDevice.h"

#include <cstdint>

namespace {

// The end step of a page that has not ended yet.
constexpr std::uint32_t openPageEnd = UINT32_MAX;

} // namespace

RecordingPrintSurface::RecordingPrintSurface(TextMetrics& metrics, PrintDevice* device)
    : recording_(std::make_shared<PrintRecording>()), device_(device), cursor_(metrics) {}

PrintRecording::Settings RecordingPrintSurface::settings() const {
    const PrintFont& font = cursor_.font();
    return {orientation_, cursor_.units(), face_, font.points, font.bold};
}

// A job begins with its first operation after the previous endJob; so does its first page.
void RecordingPrintSurface::ensureJob() {
    if (jobOpen_) {
        return;
    }
    jobOpen_ = true;
    PrintRecording& r = *recording_;
    job_ = {r.nextStep(), 0, std::uint32_t(r.pages_.size()), 0, openGroup_};
    firstUnsettledPage_ = r.pages_.size();
    startPage(r.nextStep());
}

void RecordingPrintSurface::record(Op op, std::uint32_t operand) {
    ensureJob();
    recording_->append(op, operand);
}

void RecordingPrintSurface::startPage(std::uint32_t firstStep) {
    recording_->pages_.push_back({firstStep, openPageEnd, settings(), orientation_});
}

// The printer starts the pages begun so far when text is printed (or the job ends), each in the
// orientation in force at that moment.
void RecordingPrintSurface::settleStartedPages() {
    std::vector<PrintRecording::Page>& pages = recording_->pages_;
    for (size_t i = firstUnsettledPage_; i < pages.size(); ++i) {
        pages[i].orientation = orientation_;
    }
    firstUnsettledPage_ = pages.size();
}

bool RecordingPrintSurface::setOrientation(Orientation orientation) {
    if (orientation != Orientation::Portrait && orientation != Orientation::Landscape) {
        return false;
    }
    orientation_ = orientation;
    record(Op::SetOrientation, std::uint32_t(orientation));
    return true;
}

bool RecordingPrintSurface::setUnits(Units units) {
    cursor_.setUnits(units);
    record(Op::SetUnits, std::uint32_t(units));
    return true;
}

bool RecordingPrintSurface::setFontName(const QString& face) {
    cursor_.setFontName(face);
    face_ = recording_->textIndex(face);
    record(Op::SetFontName, face_);
    return true;
}

bool RecordingPrintSurface::setFontSize(double points) {
    if (!(points > 0)) {
        return false; // the printer refuses it and keeps its size
    }
    cursor_.setFontSize(points);
    record(Op::SetFontSize, recording_->numberIndex(points));
    return true;
}

bool RecordingPrintSurface::setBold(bool bold) {
    cursor_.setBold(bold);
    record(Op::SetBold, bold ? 1 : 0);
    return true;
}

bool RecordingPrintSurface::setPosX(double x) {
    cursor_.setPosX(x);
    record(Op::SetPosX, recording_->numberIndex(x));
    return true;
}

bool RecordingPrintSurface::setPosY(double y) {
    cursor_.setPosY(y);
    record(Op::SetPosY, recording_->numberIndex(y));
    return true;
}

double RecordingPrintSurface::posX() const {
    return cursor_.posX();
}

bool RecordingPrintSurface::printText(const QString& text, bool endLine) {
    ensureJob();
    settleStartedPages();
    record(endLine ? Op::PrintLine : Op::PrintOn, recording_->textIndex(text));
    cursor_.advancePast(text, endLine);
    return true;
}

bool RecordingPrintSurface::printMark(const QString& mark) {
    ensureJob();
    settleStartedPages();
    record(Op::PrintMark, recording_->textIndex(mark));
    cursor_.advancePast(mark, true);
    return true;
}

bool RecordingPrintSurface::drawLine(double fromX, double fromY, double toX, double toY,
                                     double width) {
    if (!(width >= 0)) {
        return false;
    }
    ensureJob();
    settleStartedPages();
    record(Op::DrawLine, recording_->lineIndex({fromX, fromY, toX, toY, width}));
    return true;
}

double RecordingPrintSurface::measureText(const QString& text) {
    ensureJob();
    return cursor_.measureText(text);
}

InkBox RecordingPrintSurface::measureInk(const QString& text) {
    ensureJob();
    return cursor_.measureInk(text);
}

bool RecordingPrintSurface::newPage() {
    ensureJob();
    const std::uint32_t step = recording_->append(Op::NewPage);
    recording_->pages_.back().endStep = step;
    startPage(step + 1);
    cursor_.toPageStart();
    return true;
}

PrintJobOutcome RecordingPrintSurface::endJob() {
    ensureJob();
    PrintRecording& r = *recording_;
    const std::uint32_t step = r.append(Op::EndJob);
    // The page after the last newPage holds nothing and is no page; neither is the first page of
    // a job that printed nothing and ejected nothing.
    if (firstUnsettledPage_ < r.pages_.size()) {
        r.pages_.pop_back();
    }
    settleStartedPages();
    if (r.pages_.size() > job_.firstPage && r.pages_.back().endStep == openPageEnd) {
        r.pages_.back().endStep = step;
    }
    job_.endStep = step;
    job_.pageCount = std::uint32_t(r.pages_.size() - job_.firstPage);
    r.jobs_.push_back(job_);
    jobOpen_ = false;
    // The next job starts from the defaults, whatever this one set.
    cursor_.toJobStart();
    orientation_ = Orientation::Portrait;
    face_ = r.textIndex(cursor_.font().face);
    return device_ ? device_->printJob(r, int(r.jobs_.size()) - 1) : PrintJobOutcome{};
}

bool RecordingPrintSurface::setDuplex() {
    record(Op::SetDuplex);
    job_.duplex = true;
    return true;
}

void RecordingPrintSurface::beginJobGroup() {
    PrintRecording& r = *recording_;
    r.append(Op::BeginGroup);
    if (openGroup_ < 0) {
        openGroup_ = int(r.groups_.size());
        r.groups_.push_back({int(r.jobs_.size()), 0});
        if (device_) {
            device_->beginJobGroup();
        }
    }
}

PrintJobOutcome RecordingPrintSurface::endJobGroup() {
    PrintRecording& r = *recording_;
    r.append(Op::EndGroup);
    if (openGroup_ < 0) {
        return {};
    }
    PrintRecording::Group& group = r.groups_[size_t(openGroup_)];
    group.jobCount = int(r.jobs_.size()) - group.firstJob;
    openGroup_ = -1;
    return device_ ? device_->endJobGroup() : PrintJobOutcome{};
}

std::shared_ptr<const PrintRecording> RecordingPrintSurface::takeRecording() {
    recording_->shrinkToFit();
    std::shared_ptr<const PrintRecording> taken = std::move(recording_);
    recording_ = std::make_shared<PrintRecording>();
    face_ = recording_->textIndex(cursor_.font().face);
    jobOpen_ = false;
    firstUnsettledPage_ = 0;
    openGroup_ = -1;
    return taken;
}
