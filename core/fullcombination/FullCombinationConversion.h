#pragma once

#include "core/fullcombination/FullCombinationHandOver.h"

#include <QString>
#include <QStringList>

#include <vector>

class FullCombinationTemplate;
struct GameProfile;

// The result of "Csere": the window's converted list, what the main window receives and the
// lines of the plain-row file.
struct FullCombinationConversion {
    bool ok = false; // the template could be used; false exactly when problem is set
    // Why the template cannot be used, as the window shows it (Hungarian); empty when ok. A
    // refused conversion carries nothing else: no lines, no entries.
    QString problem;
    QStringList convertedLines; // the window's List2: "00", then every item converted
    FullCombinationHandOver handOver;
    bool hasPlainRows = false; // the template has "Sima szelvény": the file is (re)written
    QStringList plainLines;    // lines of the plain-row file, without line breaks
};

// The texts of FullCombinationConversion::problem.
namespace TemplateProblem {
// A rank has no chosen number: it is above N or 0 or negative, the template uses more distinct
// ranks than numbers were chosen, or the rank occurs only in a plain row.
inline const QString rankWithoutNumber =
    QStringLiteral("Hibás kombinációs sablon: egy sorszámhoz nem tartozik kiválasztott szám !");
inline const QString empty = QStringLiteral("Hibás kombinációs sablon: a sablon üres !");
inline const QString repeatedMarker =
    QStringLiteral("Hibás kombinációs sablon: a Sima szelvény sor többször szerepel !");
inline const QString tooLarge = QStringLiteral("Hibás kombinációs sablon: az állomány túl nagy !");
// A plain row must hold exactly K ranks, since it becomes one row of a key. The text names K.
QString plainRowWidth(int numbersPerRow);
} // namespace TemplateProblem

// Replaces every rank of the template by the chosen number of that rank. templateMarks and
// chosenMarks are flags 0..N of the game (index 0 unused); expectedTotal is C(N, K) as the
// chosen option shows it. A template that cannot be used (see TemplateProblem) gives a result
// with only its problem set; every number written is one of the chosen numbers.
FullCombinationConversion convertFullCombination(const GameProfile& profile,
                                                 const FullCombinationTemplate& tmpl,
                                                 const std::vector<bool>& templateMarks,
                                                 const std::vector<bool>& chosenMarks,
                                                 long long expectedTotal);

// The base-set row and the short-set rows of the chosen numbers (each number "NN ").
QString baseSetRowOf(const GameProfile& profile, const std::vector<bool>& chosenMarks);
QStringList shortSetRowsOf(const GameProfile& profile, const std::vector<bool>& chosenMarks);
