#pragma once

#include "core/slip/SlipComposer.h"

#include <QString>

// The printed form the pages of a preview carry.
struct PreviewForm {
    enum class Kind {
        None,            // plain pages (the A4 listing)
        KeySlip,         // key slips of the game
        CombinationSlip, // combination slips of the game
    };

    Kind kind = Kind::None;
    int game = 6;
    SlipOrigin origin;                        // X0 and Y0 the run printed its marks from
    QString markSymbol = QStringLiteral("x"); // the run's mark: cells are centred on it
};
