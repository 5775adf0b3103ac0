#pragma once

#include "core/print/PrintRunResult.h"
#include "core/print/PrintSurface.h"

class BusyPointer;
class PrintRecording;
class TextMetrics;

// The device recorded print jobs are printed on: the default printer, or a PDF file when the
// machine has none. A run is composed once, into a recording measured with this device's
// metrics; each job is handed to the device as soon as it ends, so a run that prints stops at
// the first job that did not reach its destination.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Measures text as this device prints it.
    virtual TextMetrics& metrics() = 0;
    // Prints one finished job of the recording (0-based) with everything it set: its pages in
    // their orientations, its units and fonts, two-sided printing. Says whether the job reached
    // its destination and, when it went into a PDF file of its own, which file.
    virtual PrintJobOutcome printJob(const PrintRecording& recording, int job) = 0;
    // The jobs between these two calls belong to one run (the full-combination run prints one
    // job per entry): a device that writes files puts them into one file, in order, and
    // endJobGroup reports that file; a printer gets every job on its own.
    virtual void beginJobGroup() {}
    virtual PrintJobOutcome endJobGroup() { return {}; }
};

// "Nyomtatás" of a preview: every finished job of a recorded run onto the device, in order and
// with its groups, the busy pointer shown meanwhile. It stops after the first job that did not
// reach its destination; a group whose one file could not be written delivered none of its jobs.
PrintRunResult printRecording(const PrintRecording& recording, PrintDevice& device,
                              BusyPointer& busyPointer);
