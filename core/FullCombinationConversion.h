#pragma once

#include "FullCombinationHandOver.h"

#include <QString>
#include <QStringList>

#include <vector>

class FullCombinationTemplate;
struct GameProfile;

// The result of "Csere": the window's converted list, what the main window receives and the
// lines of the plain-row file.
struct FullCombinationConversion {
    bool ok = false;            // false when a rank of the template has no chosen number
    QStringList convertedLines; // the window's List2: "00", then every item converted
    FullCombinationHandOver handOver;
    bool hasPlainRows = false; // the template has "Sima szelvény": the file is (re)written
    QStringList plainLines;    // lines of the plain-row file, without line breaks
};

// Replaces every rank of the template by the chosen number of that rank. templateMarks and
// chosenMarks are flags 0..N of the game (index 0 unused); expectedTotal is C(N, K) as the
// chosen option shows it.
FullCombinationConversion convertFullCombination(const GameProfile& profile,
                                                 const FullCombinationTemplate& tmpl,
                                                 const std::vector<bool>& templateMarks,
                                                 const std::vector<bool>& chosenMarks,
                                                 long long expectedTotal);

// The base-set row and the short-set rows of the chosen numbers (each number "NN ").
QString baseSetRowOf(const GameProfile& profile, const std::vector<bool>& chosenMarks);
QStringList shortSetRowsOf(const GameProfile& profile, const std::vector<bool>& chosenMarks);
