#include "RecordingReplay.h"

#include "BusyScope.h"

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

// Every operation but the job and group boundaries, which the callers handle.
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
    case Op::EndJob:
    case Op::BeginGroup:
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

void keepFirstFailure(PrintJobOutcome& kept, const PrintJobOutcome& outcome) {
    if (!outcome.delivered() && kept.delivered()) {
        kept = outcome;
    }
}

void endReplayedJob(PrintSurface& target, AfterUndeliveredJob afterUndelivered,
                    const std::function<void(int, const PrintJobOutcome&)>& onJobEnded,
                    ReplayResult& result) {
    const PrintJobOutcome outcome = target.endJob();
    if (onJobEnded) {
        onJobEnded(result.jobsReplayed, outcome);
    }
    ++result.jobsReplayed;
    result.jobsDelivered += outcome.delivered() ? 1 : 0;
    result.stopped = !outcome.delivered() && afterUndelivered == AfterUndeliveredJob::Stop;
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
    const PrintRecording::Job& first = recording.job(0);
    // Steps after the last finished job belong to a job that was never ended; only the end of
    // a group around the finished jobs is taken from them.
    const std::uint32_t lastJobEnd = recording.job(recording.jobCount() - 1).endStep;
    bool inGroup = false;
    for (std::uint32_t i = 0; i < steps.size(); ++i) {
        const PrintRecording::Step step = steps[i];
        if (i > lastJobEnd && step.op != Op::EndGroup) {
            continue;
        }
        if (i == first.firstStep) {
            applySettings(recording, first.start, first.start.orientation, target);
        }
        switch (step.op) {
        case Op::BeginGroup:
            inGroup = true;
            target.beginJobGroup();
            break;
        case Op::EndGroup:
            if (inGroup) {
                inGroup = false;
                keepFirstFailure(result.groupOutcome, target.endJobGroup());
            }
            break;
        case Op::EndJob:
            endReplayedJob(target, afterUndelivered, onJobEnded, result);
            break;
        default:
            replayStep(recording, step, target);
            break;
        }
        if (result.stopped) {
            break;
        }
    }
    if (result.stopped && inGroup) {
        keepFirstFailure(result.groupOutcome, target.endJobGroup());
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

PrintRunResult printRecordedRun(const PrintRecording& recording, PrintSurface& printer,
                                BusyPointer& busyPointer) {
    BusyScope busy(busyPointer);
    busy.start();
    PrintRunResult result;
    const ReplayResult replay =
        replayAll(recording, printer, AfterUndeliveredJob::Stop,
                  [&result](int, const PrintJobOutcome& outcome) { result.add(outcome); });
    result.endGroup(replay.groupOutcome);
    return result;
}
