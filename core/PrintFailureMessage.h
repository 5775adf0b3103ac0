#pragma once

#include "PrintSurface.h"

#include <QString>

// What a failed print job was printing, for the message that tells the user.
enum class PrintedWork { Slips, Listing };

// The message shown once when a print job did not reach its destination: that it failed and
// why, and what was not printed ("A nyomtatás nem sikerült: a nyomtató nem fogad nyomtatási
// feladatot." and "A szelvények nem lettek kinyomtatva.").
QString printFailureMessage(const PrintJobOutcome& outcome, PrintedWork work);

// The same for a full-combination run that stopped: how many of its entries were printed.
QString fullCombinationFailureMessage(const PrintJobOutcome& outcome, int printedEntries,
                                      int entries);
