#pragma once

#include "PrintRecording.h"
#include "PrintRunResult.h"
#include "PrintSurface.h"

#include <functional>

class BusyPointer;

// Plays recorded jobs back onto a print surface: the same operations in the same order, so the
// surface prints what it would have printed had the run drawn on it directly. Every job starts
// from the surface's defaults; a replay still gives the target the settings the recording had
// where the replay starts, so a target that was left in another state prints the same.

// One finished job (0-based), ending with its endJob.
PrintJobOutcome replayJob(const PrintRecording& recording, int job, PrintSurface& target);

enum class AfterUndeliveredJob { GoOn, Stop };

struct ReplayResult {
    int jobsReplayed = 0;         // jobs ended on the target
    int jobsDelivered = 0;        // of them, those that reached their destination
    bool stopped = false;         // stopped after a job that was not delivered
    PrintJobOutcome groupOutcome; // the first endJobGroup that did not deliver, else delivered
};

// Every finished job in order, with the job groups around them. Each job's outcome goes to
// onJobEnded (job index, outcome) as the job ends. With Stop, the replay ends after the first
// job that was not delivered, closing a group it is in.
ReplayResult replayAll(const PrintRecording& recording, PrintSurface& target,
                       AfterUndeliveredJob afterUndelivered,
                       const std::function<void(int, const PrintJobOutcome&)>& onJobEnded = {});

// One page (0-based over all jobs) onto a surface that draws single pages: the orientation the
// page is printed in, the unit and font it starts with, then its operations up to the page
// break, without page or job ends and without the orientation changes meant for later pages.
void replayPage(const PrintRecording& recording, int page, PrintSurface& target);

// "Nyomtatás" of a preview: every job of the recorded run onto the printer, with its groups, the
// busy pointer shown meanwhile. It stops after the first job that did not reach the printer; a
// group whose one file could not be written delivered none of its jobs.
PrintRunResult printRecordedRun(const PrintRecording& recording, PrintSurface& printer,
                                BusyPointer& busyPointer);
