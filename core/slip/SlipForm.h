#pragma once

#include "core/print/TextMetrics.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"

#include <QString>

#include <vector>

// The printed form of a slip: its number cells, Joker boxes and system boxes, each a rectangle
// in millimetres on the page, centred where the mark printed for it appears. Drawn under the
// marks in the preview, so a mark is seen inside its cell.

struct MmSize {
    double width = 0;
    double height = 0;
};

struct MmRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    MmPoint centre() const { return {left + width / 2, top + height / 2}; }
    bool contains(MmPoint p) const {
        return p.x >= left && p.x <= left + width && p.y >= top && p.y <= top + height;
    }
};

struct SlipFormCell {
    enum class Kind { Number, JokerYes, JokerNo, SystemBox };

    Kind kind;
    // Number cells: the field (key slips 1..2F; combination slips 1 = FIX, 2 = combination
    // field) and the number; system boxes: field 0 and the system index.
    int field;
    int value;
    QString label; // the number, "Igen", "Nem" or the system code ("4 08")
    MmRect rect;
};

struct SlipForm {
    std::vector<SlipFormCell> cells;
};

// Size of a cell drawn on the form; the pitch of the number grid leaves a gap around it.
inline constexpr MmSize slipFormCellSize{3.6, 3.6};

// The character cell of the mark as printed on slips (face "arial black", 9 points, bold).
MmSize markCellSize(TextMetrics& metrics, const QString& markSymbol);

// Every number cell of each of the 2F fields of the key slip of game 5, 6 or 7 and its two Joker
// boxes, for marks of the given size printed from the origin. With a mark's centre instead of its
// size (its ink centre, markInkCentre), each cell is centred on that point of its mark.
SlipForm keySlipForm(int game, SlipOrigin origin, MmSize markCell);
SlipForm keySlipForm(int game, SlipOrigin origin, MmPoint markCentre);

// The FIX field (field 1), the combination field (field 2), the Joker boxes and one box per
// system of the game with its code, for the combination slip of game 5, 6 or 7.
SlipForm combinationSlipForm(int game, SlipOrigin origin, MmSize markCell);
SlipForm combinationSlipForm(int game, SlipOrigin origin, MmPoint markCentre);
