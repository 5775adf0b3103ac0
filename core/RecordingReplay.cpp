#include "RecordingReplay.h"

namespace {

using Op = PrintRecording::Op;

void applySettings(const PrintRecording& recording, const PrintRecording::Settings& settings,
                   PrintSurface::Orientation orientation, PrintSurface& target) {
    target.setOrientation(orientation);
    target.setUnits(settings.units);
    target.setFontName(recording.text(settings.face));
    target.setFontSize(settings.points);
    target.setBold(settings.bold);
}

// Every operation but the job and group ends, whose outcomes the callers collect.
void replayStep(const PrintRecording& recording, PrintRecording::Step step, PrintSurface& target) {
    switch (step.op) {
    case Op::SetOrientation:
        target.setOrientation(PrintSurface::Orientation(step.operand));
        break;
    case Op::SetUnits:
        target.setUnits(PrintSurface::Units(step.operand));
        break;
    case Op::SetFontName:
        target.setFontName(recording.text(step.operand));
        break;
    case Op::SetFontSize:
        target.setFontSize(recording.number(step.operand));
        break;
    case Op::SetBold:
        target.setBold(step.operand != 0);
        break;
    case Op::SetPosX:
        target.setPosX(recording.number(step.operand));
        break;
    case Op::SetPosY:
        target.setPosY(recording.number(step.operand));
        break;
    case Op::PrintLine:
        target.printText(recording.text(step.operand), true);
        break;
    case Op::PrintOn:
        target.printText(recording.text(step.operand), false);
        break;
    case Op::NewPage:
        target.newPage();
        break;
    case Op::SetDuplex:
        target.setDuplex();
        break;
    case Op::BeginGroup:
        target.beginJobGroup();
        break;
    case Op::EndJob:
    case Op::EndGroup:
        break;
    }
}

void replaySteps(const PrintRecording& recording, std::uint32_t first, std::uint32_t end,
                 PrintSurface& target) {
    const std::vector<PrintRecording::Step>& steps = recording.steps();
    for (std::uint32_t i = first; i < end; ++i) {
        replayStep(recording, steps[i], target);
    }
}

} // namespace

PrintJobOutcome replayJob(const PrintRecording& recording, int job, PrintSurface& target) {
    const PrintRecording::Job& j = recording.job(job);
    applySettings(recording, j.start, j.start.orientation, target);
    replaySteps(recording, j.firstStep, j.endStep, target);
    return target.endJob();
}

ReplayResult replayAll(const PrintRecording& recording, PrintSurface& target,
                       AfterUndeliveredJob afterUndelivered,
                       const std::function<void(int, const PrintJobOutcome&)>& onJobEnded) {
    ReplayResult result;
    if (recording.jobCount() == 0) {
        return result;
    }
    const std::vector<PrintRecording::Step>& steps = recording.steps();
    // Steps after the last finished job belong to a job that was never ended.
    const std::uint32_t end = recording.job(recording.jobCount() - 1).endStep + 1;
    const PrintRecording::Job& first = recording.job(0);
    bool inGroup = false;
    for (std::uint32_t i = 0; i < end; ++i) {
        if (i == first.firstStep) {
            applySettings(recording, first.start, first.start.orientation, target);
        }
        const PrintRecording::Step step = steps[i];
        if (step.op == Op::BeginGroup) {
            inGroup = true;
        }
        if (step.op == Op::EndGroup) {
            inGroup = false;
            const PrintJobOutcome outcome = target.endJobGroup();
            if (!outcome.delivered() && result.groupOutcome.delivered()) {
                result.groupOutcome = outcome;
            }
            continue;
        }
        if (step.op != Op::EndJob) {
            replayStep(recording, step, target);
            continue;
        }
        const PrintJobOutcome outcome = target.endJob();
        if (onJobEnded) {
            onJobEnded(result.jobsReplayed, outcome);
        }
        ++result.jobsReplayed;
        result.jobsDelivered += outcome.delivered() ? 1 : 0;
        if (!outcome.delivered() && afterUndelivered == AfterUndeliveredJob::Stop) {
            result.stopped = true;
            break;
        }
    }
    if (result.stopped && inGroup) {
        const PrintJobOutcome outcome = target.endJobGroup();
        if (!outcome.delivered() && result.groupOutcome.delivered()) {
            result.groupOutcome = outcome;
        }
    }
    return result;
}

void replayPage(const PrintRecording& recording, int page, PrintSurface& target) {
    const PrintRecording::Page& p = recording.page(page);
    applySettings(recording, p.start, p.orientation, target);
    const std::vector<PrintRecording::Step>& steps = recording.steps();
    for (std::uint32_t i = p.firstStep; i < p.endStep; ++i) {
        const Op op = steps[i].op;
        if (op == Op::NewPage || op == Op::EndJob || op == Op::SetOrientation ||
            op == Op::BeginGroup || op == Op::EndGroup) {
            continue;
        }
        replayStep(recording, steps[i], target);
    }
}
