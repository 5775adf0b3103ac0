#pragma once

#include "core/print/PrintSurface.h"

#include <QString>

// Asks the print system (CUPS, through libcups) whether a print queue takes jobs and whether the
// job just handed to it arrived. Qt's CUPS print engine hands a finished job to the spooler and
// does not look at the answer, so the print surface asks here.
//
// libcups keeps the result of its last request per thread: beginHandOver() and handOverResult()
// must run on the thread that ends the painter, right before and right after that call.
//
// Built without libcups (every system but Linux) nothing is asked and every answer is
// "delivered": the surface then reports only what Qt reports (a painter that cannot begin or
// end), and a refused job is not noticed.
class CupsDelivery {
public:
    // Whether the queue takes jobs now. printerName is the name Qt gives ("queue" or
    // "queue/instance"). PrinterRefuses: the queue rejects jobs (detail: the reason the queue
    // gives); PrinterUnreachable: the print system does not know the queue; PrintSystemMissing:
    // the print server does not answer. Any other trouble with the question itself is not held
    // against the job: the hand-over will tell.
    static PrintJobOutcome checkQueue(const QString& printerName);

    // Leaves a result on this thread that no successful hand-over leaves, so that the result read
    // by handOverResult() belongs to the hand-over in between and not to an earlier request.
    static void beginHandOver();

    // Whether the job handed over since beginHandOver() was taken by the spooler. A failed
    // hand-over is explained by asking the queue again (a stopped server and an unknown queue
    // give libcups the same error); when the queue looks fine the job is Failed with the print
    // system's words.
    static PrintJobOutcome handOverResult(const QString& printerName);
};
