#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/print/PrintSurface.h"
#include "core/slip/SlipComposer.h"

#include <QString>
#include <QStringList>

#include <optional>

// The key printer window's controls, read when a slip run starts.
struct KeyRunControls {
    QStringList rows;         // List1
    QString offsetDown;       // Text1: shift of all printing downwards, millimetres
    QString offsetRight;      // Text2: shift to the right, millimetres
    QString firstRow;         // Text3 "Tól:": first row of a from-to run, 1-based
    QString lastRow;          // Text4 "Ig:": last row of a from-to run, 1-based
    QString fieldsPerSlip;    // Text6: rows printed per slip
    bool ejectFirst = false;  // Check1: the job starts with one blank slip ejected
    int markIndex = 1;        // Option2: selected mark symbol, -1 none
    int jokerIndex = 1;       // Option1: 0 "Igen", 1 "Nem", -1 none
    int orientationIndex = 0; // Option4: 0 "álló", 1 "fekvő", -1 none
    QString rowsPerColumn;    // Text5: rows per column of the A4 listing
    bool twoSided = false;    // Check3: the listing on both sides (keyprint7)
};

// A slip run that passed its checks: which rows it prints and how many go onto a slip.
struct KeySlipJob {
    int first = 0; // 0-based positions of the first and last printed rows
    int last = -1;
    KeyRunMode mode = KeyRunMode::AllRows;
    int fieldsPerSlip = 1;
    // The fields-per-slip box out of range: its corrected text, written into the box before
    // anything else happens.
    std::optional<QString> correctedFieldsPerSlip;
};

// The whole number of fields a slip run puts on a slip for a fields-per-slip box text (Text6):
// the box's value, or the game's maximum when the box is out of range, rounded halves to even.
int slipRunFieldsPerSlip(const GameProfile& profile, const QString& fieldsPerSlip);

// "Szelv. kitölt": every row of the key. An empty key shows the missing-key message (critical,
// OK, the game's title) and gives nothing.
std::optional<KeySlipJob> checkAllRowsRun(const GameProfile& profile,
                                          const KeyRunControls& controls,
                                          MessageBoxService& messageBox);

// The from-to run: rows Text3..Text4 (1-based, rounded halves to even). A box at 0, a range
// that does not start at row 1 or later, or one that is empty once its end is held to the
// key's length gives nothing, silently; an empty key then shows the missing-key message.
std::optional<KeySlipJob> checkFromToRun(const GameProfile& profile, const KeyRunControls& controls,
                                         MessageBoxService& messageBox);

// Prints a checked run as one job: the eject notice and blank slip when asked, the
// orientation (landscape unless "álló" is selected, with the landscape shift of keyprint5 and
// keyprint7), the slips, endJob. The busy pointer is put back whichever way the run leaves.
PrintJobOutcome printKeySlips(const GameProfile& profile, const KeyRunControls& controls,
                              const KeySlipJob& job, SlipRunServices services);

// Where the marks of a run's slips start: X0, Y0 from the offsets and the orientation.
SlipOrigin keyRunOrigin(const GameProfile& profile, const KeyRunControls& controls);
