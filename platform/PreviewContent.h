#pragma once

#include "PrintRecording.h"
#include "SlipComposer.h"

#include <QString>

#include <functional>
#include <memory>

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

// What a preview window shows and does.
struct PreviewContent {
    QString programName; // e.g. "keyprint6", shown in the title
    std::shared_ptr<const PrintRecording> recording;
    PreviewForm form;
    std::function<void()> print; // "Nyomtatás": prints the recording
};
