// Fuzz target: loading any file as a full-combination template and converting it for a chosen
// set of numbers. Byte 0 picks the game, N and whether one number too few or too many is chosen;
// byte 1 picks which numbers; the rest is the template file.
#include "core/base/GameProfile.h"
#include "core/files/KeyFile.h"
#include "core/files/PlainSlipFile.h"
#include "core/fullcombination/FullCombinationConversion.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "fuzz/FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

struct Choice {
    int game;
    int size;                // N of the template, 13..20
    std::vector<int> chosen; // ascending
    std::vector<bool> chosenMarks;
};

// count distinct numbers of 1..highest: a stride that shares no factor with 90, 45 or 35 walks
// through all of them before it repeats.
Choice choose(uint8_t pick, uint8_t seed) {
    static const int strides[] = {1, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    static const int deltas[] = {0, 0, -1, 1};
    Choice c{5 + pick % 3, 13 + (pick / 3) % 8, {}, {}};
    const int highest = gameProfile(c.game).highestNumber;
    const int count = c.size + deltas[(pick / 24) % 4];
    const int stride = strides[seed % 11];
    c.chosenMarks.assign(std::size_t(highest) + 1, false);
    for (int i = 0; i < count; ++i) {
        c.chosenMarks[std::size_t(1 + (seed / 11 + i * stride) % highest)] = true;
    }
    for (int n = 1; n <= highest; ++n) {
        if (c.chosenMarks[std::size_t(n)]) {
            c.chosen.push_back(n);
        }
    }
    return c;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

bool knownProblem(const QString& problem, int numbersPerRow) {
    return problem == TemplateProblem::rankWithoutNumber || problem == TemplateProblem::empty ||
           problem == TemplateProblem::repeatedMarker || problem == TemplateProblem::tooLarge ||
           problem == TemplateProblem::plainRowWidth(numbersPerRow);
}

// The chosen numbers of "NN NN ... " cells; nothing unless every cell is one of them.
std::vector<int> cellsOfChosenNumbers(const QString& cells, const std::vector<int>& chosen) {
    FUZZ_CHECK(cells.size() % 3 == 0);
    std::vector<int> numbers;
    for (qsizetype i = 0; i < cells.size(); i += 3) {
        FUZZ_CHECK(cells[i].isDigit() && cells[i + 1].isDigit() && cells[i + 2] == u' ');
        const int n = cells.mid(i, 2).toInt();
        FUZZ_CHECK(std::binary_search(chosen.begin(), chosen.end(), n));
        numbers.push_back(n);
    }
    return numbers;
}

// Position of every flagged rank in the template's rank list, -1 for the others.
std::vector<int> rankPositions(const std::vector<bool>& marks) {
    std::vector<int> positions(marks.size(), -1);
    int q = 0;
    for (std::size_t r = 1; r < marks.size(); ++r) {
        positions[r] = marks[r] ? q++ : -1;
    }
    return positions;
}

// Whether every rank of a line has a chosen number, read straight from the rules.
bool ranksHaveNumbers(const QString& line, const std::vector<int>& positions, int chosenCount) {
    for (int j = 1; j <= FullCombinationTemplate::rankCount(line); ++j) {
        const int r = FullCombinationTemplate::rank(line, j);
        if (r < 1 || std::size_t(r) >= positions.size() || positions[std::size_t(r)] < 0 ||
            positions[std::size_t(r)] >= chosenCount) {
            return false;
        }
    }
    return true;
}

// True when nothing in the template is a reason to refuse it.
bool usable(const FullCombinationTemplate& tmpl, const std::vector<bool>& marks, int chosenCount,
            int numbersPerRow) {
    const QStringList& items = tmpl.items();
    if (tmpl.isCutOff() || items.isEmpty() || tmpl.markerCount() > 1) {
        return false;
    }
    const std::vector<int> positions = rankPositions(marks);
    const int marker = tmpl.markerPosition();
    for (int p = 1; p < items.size(); ++p) {
        if (p == marker) {
            continue;
        }
        if (p > marker && FullCombinationTemplate::rankCount(items[p]) != numbersPerRow) {
            return false;
        }
        if (!ranksHaveNumbers(items[p], positions, chosenCount)) {
            return false;
        }
    }
    return true;
}

void checkTemplate(const FullCombinationTemplate& tmpl, const std::vector<bool>& marks) {
    const qsizetype size = tmpl.items().size();
    FUZZ_CHECK(size <= maxKeyRows);
    const int marker = tmpl.markerPosition();
    FUZZ_CHECK(marker >= 0 && marker <= size);
    if (marker < size) {
        FUZZ_CHECK(marker >= 1 && tmpl.items()[marker] == FullCombinationTemplate::plainMarker);
        FUZZ_CHECK(tmpl.plainRowCount() == size - marker - 1);
    } else {
        FUZZ_CHECK(tmpl.plainRowCount() == 0 && tmpl.markerCount() == 0);
    }
    FUZZ_CHECK(!marks[0]);
    for (std::size_t r = 1; r <= 12 && r < marks.size(); ++r) {
        FUZZ_CHECK(marks[r]);
    }
}

// A converted line keeps the item's first three characters; each rank became the chosen number
// of its position, and ranks 1..12 are always the 1st..12th chosen numbers.
void checkLine(const QString& item, const QString& line, const std::vector<int>& chosen) {
    FUZZ_CHECK(line.left(3) == item.left(3));
    const std::vector<int> numbers = cellsOfChosenNumbers(line.mid(3), chosen);
    FUZZ_CHECK(int(numbers.size()) == FullCombinationTemplate::rankCount(item));
    for (int j = 1; j <= int(numbers.size()); ++j) {
        const int r = FullCombinationTemplate::rank(item, j);
        if (r >= 1 && r <= 12) {
            FUZZ_CHECK(numbers[std::size_t(j - 1)] == chosen[std::size_t(r - 1)]);
        }
    }
}

void checkConversion(const FullCombinationTemplate& tmpl, const FullCombinationConversion& result,
                     const Choice& c) {
    const int k = gameProfile(c.game).numbersPerRow;
    const QStringList& items = tmpl.items();
    const int marker = tmpl.markerPosition();
    FUZZ_CHECK(int(result.convertedLines.size()) == items.size());
    FUZZ_CHECK(result.convertedLines[0] == QStringLiteral("00"));
    for (int p = 1; p < items.size(); ++p) {
        if (p == marker) {
            FUZZ_CHECK(result.convertedLines[p] == FullCombinationTemplate::plainMarker);
        } else {
            checkLine(items[p], result.convertedLines[p], c.chosen);
        }
    }
    FUZZ_CHECK(result.handOver.entries == result.convertedLines.mid(0, marker));
    FUZZ_CHECK(result.hasPlainRows == (marker < items.size()));
    FUZZ_CHECK(result.plainLines.size() == tmpl.plainRowCount());
    FUZZ_CHECK(result.handOver.plainSlipCount == tmpl.plainRowCount());
    for (const QString& row : result.plainLines) {
        FUZZ_CHECK(int(cellsOfChosenNumbers(row, c.chosen).size()) == k);
    }
    const std::vector<int> base = cellsOfChosenNumbers(result.handOver.baseSetRow, c.chosen);
    FUZZ_CHECK(int(base.size()) == std::min(int(c.chosen.size()), c.game == 5 ? 12 : 11));
}

// The plain-row file reads back as a key of exactly the plain rows, every line ended by CRLF.
void checkPlainSlipFile(const QString& path, const QStringList& rows) {
    FUZZ_CHECK(writePlainSlipFile(path, rows));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    FUZZ_CHECK(bytes.count("\r\n") == rows.size() && bytes.count('\n') == rows.size());
    file.seek(0);
    const KeyRows key = readKeyRows(file);
    FUZZ_CHECK(!key.stoppedEarly && key.rows == rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    const Choice c = choose(size > 0 ? data[0] : 0, size > 1 ? data[1] : 0);
    const GameProfile& profile = gameProfile(c.game);
    const qsizetype header = std::min<qsizetype>(qsizetype(size), 2);
    const QByteArray bytes(reinterpret_cast<const char*>(data) + header, qsizetype(size) - header);

    const QString path = folder.filePath(FullCombinationTemplate::fileName(c.game, c.size));
    writeFile(path, bytes);
    const std::optional<FullCombinationTemplate> tmpl = FullCombinationTemplate::load(path);
    FUZZ_CHECK(tmpl.has_value());
    const std::vector<bool> marks = tmpl->templateMarks(profile.highestNumber);
    FUZZ_CHECK(int(marks.size()) == profile.highestNumber + 1);
    checkTemplate(*tmpl, marks);

    const FullCombinationConversion result =
        convertFullCombination(profile, *tmpl, marks, c.chosenMarks, 1716);
    FUZZ_CHECK(result.ok == result.problem.isEmpty());
    FUZZ_CHECK(result.ok == usable(*tmpl, marks, int(c.chosen.size()), profile.numbersPerRow));
    if (!result.ok) {
        FUZZ_CHECK(knownProblem(result.problem, profile.numbersPerRow));
        FUZZ_CHECK(result.convertedLines.isEmpty() && result.handOver.entries.isEmpty() &&
                   result.plainLines.isEmpty() && !result.hasPlainRows);
        return 0;
    }
    checkConversion(*tmpl, result, c);
    if (result.hasPlainRows) {
        checkPlainSlipFile(folder.filePath(FullCombinationTemplate::plainSlipFileName(c.size)),
                           result.plainLines);
    }
    return 0;
}
