#pragma once

#include "core/base/GameProfile.h"
#include "core/base/NumberList.h"
#include "core/base/NumberMask.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One draw of the week: K different numbers from 1 to N.
struct Draw {
    QString name;             // the draw's name (GameProfile::drawNames)
    std::vector<int> numbers; // ascending
    NumberMask mask;
};

// The draw boxes of the result check, read.
struct DrawEntry {
    std::vector<Draw> draws;        // the draws given, in the order of the profile's draws
    std::optional<QString> problem; // the message when a box is refused; then no draws
    int faultyBox = -1;             // the refused box (an index into the texts), for the focus
    NumberListCheck fault;          // what is wrong with it
    bool ok() const { return !problem.has_value(); }
};

// Reads the draw boxes: texts[i] is the box of draw i of the profile (a missing text is an
// empty box). The first box must hold exactly K different whole numbers from 1 to N; a later
// box may stay empty (blanks only) and its draw is then not checked.
DrawEntry readDraws(const GameProfile& profile, const QStringList& texts);
