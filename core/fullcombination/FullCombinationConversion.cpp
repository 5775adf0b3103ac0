#include "core/fullcombination/FullCombinationConversion.h"

#include "core/base/GameProfile.h"
#include "core/fullcombination/FullCombinationTemplate.h"

#include <optional>

namespace {

QString twoDigits(int number) {
    return QStringLiteral("%1 ").arg(number, 2, 10, QLatin1Char('0'));
}

// The flagged numbers in ascending order.
std::vector<int> flaggedNumbers(const std::vector<bool>& marks) {
    std::vector<int> numbers;
    for (std::size_t n = 1; n < marks.size(); ++n) {
        if (marks[n]) {
            numbers.push_back(int(n));
        }
    }
    return numbers;
}

// The chosen number of every rank 0..size-1 of templateMarks, 0 where a rank has none: the
// rank at position q of the template's rank list stands for the chosen number at position q.
std::vector<int> numbersOfRanks(const std::vector<bool>& templateMarks,
                                const std::vector<bool>& chosenMarks) {
    const std::vector<int> chosenList = flaggedNumbers(chosenMarks);
    std::vector<int> numbers(templateMarks.size(), 0);
    std::size_t q = 0;
    for (std::size_t rank = 1; rank < templateMarks.size() && q < chosenList.size(); ++rank) {
        if (templateMarks[rank]) {
            numbers[rank] = chosenList[q++];
        }
    }
    return numbers;
}

// One template line with every rank replaced by its chosen number; nothing when a rank has no
// chosen number.
std::optional<QString> convertLine(const QString& line, const std::vector<int>& numberOfRank) {
    QString converted = line.left(3);
    const int count = FullCombinationTemplate::rankCount(line);
    converted.reserve(3 + 3 * qsizetype(count));
    for (int j = 1; j <= count; ++j) {
        const int rank = FullCombinationTemplate::rank(line, j);
        if (rank < 1 || std::size_t(rank) >= numberOfRank.size() ||
            numberOfRank[std::size_t(rank)] == 0) {
            return std::nullopt;
        }
        converted += twoDigits(numberOfRank[std::size_t(rank)]);
    }
    return converted;
}

FullCombinationConversion refused(const QString& problem) {
    FullCombinationConversion result;
    result.problem = problem;
    return result;
}

// The problem of the template as a whole, before any line is converted; empty when none.
QString structureProblem(const FullCombinationTemplate& tmpl) {
    if (tmpl.isCutOff()) {
        return TemplateProblem::tooLarge;
    }
    if (tmpl.isEmpty()) {
        return TemplateProblem::empty;
    }
    if (tmpl.markerCount() > 1) {
        return TemplateProblem::repeatedMarker;
    }
    return QString();
}

QString allChosenText(const std::vector<bool>& chosenMarks) {
    QString text;
    for (int n : flaggedNumbers(chosenMarks)) {
        text += twoDigits(n);
    }
    return text;
}

} // namespace

QString baseSetRowOf(const GameProfile& profile, const std::vector<bool>& chosenMarks) {
    return allChosenText(chosenMarks).left(3 * profile.baseSetSize);
}

// Each short set without its trailing blank: the lowest chosen numbers from the front of the
// text of all chosen numbers, the highest from its end.
QStringList shortSetRowsOf(const GameProfile& profile, const std::vector<bool>& chosenMarks) {
    const QString all = allChosenText(chosenMarks);
    QStringList rows;
    for (const ShortSet& set : profile.entryVariants.shortSets) {
        const qsizetype length = 3 * set.size;
        rows << (set.highest ? all.right(length) : all.left(length)).trimmed();
    }
    return rows;
}

QString TemplateProblem::plainRowWidth(int numbersPerRow) {
    return QStringLiteral("Hibás kombinációs sablon: egy sima sor nem %1 számból áll !")
        .arg(numbersPerRow);
}

FullCombinationConversion convertFullCombination(const GameProfile& profile,
                                                 const FullCombinationTemplate& tmpl,
                                                 const std::vector<bool>& templateMarks,
                                                 const std::vector<bool>& chosenMarks,
                                                 long long expectedTotal) {
    if (const QString problem = structureProblem(tmpl); !problem.isEmpty()) {
        return refused(problem);
    }
    FullCombinationConversion result;
    const std::vector<int> numberOfRank = numbersOfRanks(templateMarks, chosenMarks);
    const QStringList& items = tmpl.items();
    const int marker = tmpl.markerPosition();

    result.convertedLines.reserve(items.size());
    result.convertedLines << QStringLiteral("00");
    for (int p = 1; p < items.size(); ++p) {
        const QString& item = items.at(p);
        if (p == marker) {
            result.convertedLines << item;
            continue;
        }
        if (p > marker && FullCombinationTemplate::rankCount(item) != profile.numbersPerRow) {
            return refused(TemplateProblem::plainRowWidth(profile.numbersPerRow));
        }
        std::optional<QString> line = convertLine(item, numberOfRank);
        if (!line) {
            return refused(TemplateProblem::rankWithoutNumber);
        }
        result.convertedLines << std::move(*line);
    }

    // Before "Sima szelvény" the entries of the main window, after it the plain rows without
    // their three leading characters.
    FullCombinationHandOver& handOver = result.handOver;
    handOver.entries = result.convertedLines.mid(0, marker);
    result.hasPlainRows = marker < items.size();
    for (qsizetype p = qsizetype(marker) + 1; p < result.convertedLines.size(); ++p) {
        result.plainLines << result.convertedLines.at(p).mid(3);
    }
    handOver.plainSlipCount = int(result.plainLines.size());
    handOver.baseSetRow = baseSetRowOf(profile, chosenMarks);
    handOver.shortSetRows = shortSetRowsOf(profile, chosenMarks);
    handOver.chosenNumbers = flaggedNumbers(chosenMarks);
    handOver.expectedTotal = expectedTotal;
    result.ok = true;
    return result;
}
