#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/print/PrintSurface.h"

#include <QString>
#include <QStringList>

#include <optional>

// The key printer window's controls read by the A4 listing.
struct KeyListingControls {
    QStringList rows;       // List1
    QString rowsPerColumn;  // Text5
    bool twoSided = false;  // Check3: two-sided printing (keyprint7)
    QString currentKeyPath; // the key dialog's current file name (keyprint7 header preset)
};

struct KeyListingServices {
    MessageBoxService& messageBox;
    InputBoxService& inputBox;
    BusyPointer& busyPointer;
    Clock& clock;
    PrintSurface& printer;
};

// Rows per column of the listing for a Text5 text. A value below 1 leaves no room for rows, so
// the design value 60 is used instead (as the settings loader does for 0); a fractional value
// gives its rows while j < R + 1.
double listingRowsPerColumn(const QString& rowsPerColumn);

// "A4-s lapra nyomtat": the loaded key as a numbered listing in columns on A4 pages, one print
// job, after the user confirmed it. An empty key or a cancelled confirmation gives no job
// (nothing); otherwise the job's outcome.
std::optional<PrintJobOutcome> printKeyListing(const GameProfile& profile,
                                               const KeyListingControls& controls,
                                               KeyListingServices services);
