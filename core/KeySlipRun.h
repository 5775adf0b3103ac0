#pragma once

#include "GameProfile.h"
#include "PrintSurface.h"
#include "Services.h"

#include <QString>
#include <QStringList>

#include <optional>

// The key printer window's controls, read when a slip run starts.
struct KeyRunControls {
    QStringList rows; // List1
    QString text1, text2, text3, text4, text6;
    bool check1 = false;      // start with a page eject
    int markIndex = 1;        // Option2 selected index, -1 none
    int jokerIndex = 1;       // Option1 selected index, -1 none
    int orientationIndex = 0; // Option4 selected index, -1 none
};

struct KeyRunServices {
    MessageBoxService& messageBox;
    BusyPointer& busyPointer;
    PrintSurface& printer;
};

// Both runs: Text6 outside 1..M (6, 8 or 10) is replaced by M; a fractional value inside the
// range is rounded to the nearest whole number, halves to even. Landscape is used (with the
// keyprint5/keyprint7 landscape shift) unless "álló" is selected; Joker "Igen" only when its
// option is selected; no mark option selected prints an empty mark. The busy pointer is always
// put back before a run returns.

// "Szelv. kitölt": every row of the key onto slips, fieldsPerSlip rows a slip.
// Returns the corrected Text6 text when the run corrected it, else nullopt.
std::optional<QString> runAllRows(const GameProfile& profile, const KeyRunControls& controls,
                                  KeyRunServices services);

// The from-to run: rows Text3..Text4 (1-based) onto slips, the first of them opening a slip.
// Text3 and Text4 are rounded to whole numbers (halves to even); a range that does not start at
// row 1 or later, or that is empty once its end is held to the key's length, prints nothing.
// Returns the corrected Text6 text when the run corrected it, else nullopt.
std::optional<QString> runFromTo(const GameProfile& profile, const KeyRunControls& controls,
                                 KeyRunServices services);
