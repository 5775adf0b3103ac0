#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/keysearch/KeyGeneration.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// What "Kulcs készítés" does besides showing its dialog: reads what the user typed into a
// request, turns a found key into key rows, and offers to save them as a key file.

// The typed input read and checked: the request for makeKey() with the played numbers it stands
// for, or the problem to tell the user.
struct KeyGenerationInput {
    QString problem; // empty when the input can be searched for
    KeyRequest request;
    QList<int> played; // ascending; index i of a key row stands for played[i]
    bool ok() const { return problem.isEmpty(); }
};

// The played numbers as typed (blanks, commas or hyphens between them), the guaranteed hits and
// the drawn numbers among the played ones, checked against the game's limits.
KeyGenerationInput readKeyGenerationInput(const GameProfile& profile, QStringView numbers,
                                          int guaranteed, int drawnAmong);

// A found key as the rows of a key file: the played numbers of each row ascending, the rows in
// ascending order. Nothing for a result that holds no key.
QStringList generatedKeyRows(const KeyResult& result, const QList<int>& played);

// The rows with each index replaced by the played number it stands for (index i: the i-th
// smallest of `played`).
std::vector<std::vector<int>> keyNumbers(const std::vector<std::vector<int>>& rows,
                                         QList<int> played);

// Key-file rows: two digits per number, one blank between ("01 05 12 33 40 45").
QStringList keyRowTexts(const std::vector<std::vector<int>>& numberRows);

// The name the save dialog offers for the key of a request ("kulcs_12_3_3.txt": played numbers,
// guaranteed hits, drawn numbers among them).
QString generatedKeyFileName(const KeyRequest& request);

// Asks whether the loaded key is to be saved too; on OK the save dialog (opening in the program
// folder with the key's name) and the key file written with CRLF line ends, replacing the chosen
// file only when complete. A write that fails is told. Returns the file written, or nothing.
std::optional<QString> offerKeySave(const Services& services, const GameProfile& profile,
                                    const KeyRequest& request, const QStringList& rows);
