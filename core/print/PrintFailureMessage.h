#pragma once

#include "core/print/PrintRunResult.h"
#include "core/print/PrintSurface.h"

#include <QString>

// What a failed print job was printing, for the message that tells the user.
enum class PrintedWork { Slips, Listing, FullCombination, Results, TestSheet };

// The message shown once when a print job did not reach its destination: that it failed and
// why, and what was not printed ("A nyomtatás nem sikerült: a nyomtató nem fogad nyomtatási
// feladatot." and "A szelvények nem lettek kinyomtatva.").
QString printFailureMessage(const PrintJobOutcome& outcome, PrintedWork work);

// The same for a full-combination run that stopped: how many of its entries were printed.
QString fullCombinationFailureMessage(const PrintJobOutcome& outcome, int printedEntries,
                                      int entries);

// The message of a run that failed: a full combination of `entries` entries names how many were
// printed, any other run what was not.
QString runFailureMessage(const PrintRunResult& run, PrintedWork work, int entries);
