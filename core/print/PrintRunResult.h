#pragma once

#include "core/print/PrintSurface.h"

#include <optional>

// What a printing run did: the jobs it ended and, when one did not reach its destination, that
// job's outcome. A run stops at the first job that was not delivered.
struct PrintRunResult {
    int jobs = 0;      // jobs ended
    int delivered = 0; // jobs that reached their destination
    std::optional<PrintJobOutcome> failure;
    QString pdfFile; // the file the run's jobs were written to when there was no printer

    void add(const PrintJobOutcome& outcome) {
        ++jobs;
        if (outcome.delivered()) {
            ++delivered;
            pdfFile = outcome.pdfFile;
        } else if (!failure) {
            failure = outcome;
        }
    }

    // The end of the job group the jobs were printed in. A group whose one file could not be
    // written delivered none of its jobs.
    void endGroup(const PrintJobOutcome& group) {
        if (!failure && !group.delivered()) {
            failure = group;
            delivered = 0;
        } else if (!group.pdfFile.isEmpty()) {
            pdfFile = group.pdfFile;
        }
    }
};
