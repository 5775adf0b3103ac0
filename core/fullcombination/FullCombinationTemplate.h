#pragma once

#include "core/files/PlainSlipFile.h"

#include "core/fullcombination/FullCombinationHandOver.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct GameProfile;

// A full-combination template as loaded into the window's List1: item 0 stands for the base-set
// slip, then the combination entries ("ff" + variant character + FIX ranks as "NN " cells), then
// optionally the item "Sima szelvény" followed by the plain rows (three ignored characters and the
// K ranks). A rank r stands for the r-th smallest chosen number.
class FullCombinationTemplate {
public:
    static const QString plainMarker; // "Sima szelvény"

    // cutOff marks a template whose file held more than load keeps.
    explicit FullCombinationTemplate(QStringList items = {}, bool cutOff = false);

    // Reads a template file field by field (the key files' reading rule); nothing when the file
    // cannot be opened. Like a key, at most maxKeyRows items and maxKeyCharacters characters are
    // kept; a larger file gives the items so far and isCutOff().
    static std::optional<FullCombinationTemplate> load(const QString& path);
    static constexpr int smallestSize = fewestFullCombinationNumbers;
    static constexpr int largestSize = mostFullCombinationNumbers;

    static QString fileName(int game, int size); // "tkombi7_13.txt"
    static QString plainSlipFileName(int size) { return ::plainSlipFileName(size); }

    const QStringList& items() const { return items_; }
    bool isEmpty() const { return items_.isEmpty(); }
    // True when the file was larger than what is kept: the items are only its beginning.
    bool isCutOff() const { return cutOff_; }
    // Position of "Sima szelvény", or the item count when there is none: the number of
    // combination slips including the base-set slip.
    int markerPosition() const;
    int plainRowCount() const; // items after "Sima szelvény"
    // How often "Sima szelvény" occurs from item 1 on; a usable template has it at most once.
    int markerCount() const;

    // Flags 0..highestNumber: ranks 1..12 always, and every rank of the entries (ranks above
    // highestNumber are skipped).
    std::vector<bool> templateMarks(int highestNumber) const;

    // (length + 1) div 3 - 1, never below 0; rank j (from 1) is the value of the three characters
    // from character 4 + 3 (j - 1), held to the range of int.
    static int rankCount(const QString& line);
    static int rank(const QString& line, int j);

private:
    QStringList items_;
    bool cutOff_ = false;
};
