#include "FullCombinationConversion.h"

#include "FullCombinationTemplate.h"
#include "GameProfile.h"

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

// One template line with every rank replaced by its chosen number; nothing when a rank has no
// position in the template's rank list or no chosen number at that position.
std::optional<QString> convertLine(const QString& line, const std::vector<int>& templateList,
                                   const std::vector<int>& chosenList) {
    QString converted = line.left(3);
    const int count = FullCombinationTemplate::rankCount(line);
    for (int j = 1; j <= count; ++j) {
        const int rank = FullCombinationTemplate::rank(line, j);
        std::size_t q = 0;
        while (q < templateList.size() && templateList[q] != rank) {
            ++q;
        }
        if (q >= templateList.size() || q >= chosenList.size()) {
            return std::nullopt;
        }
        converted += twoDigits(chosenList[q]);
    }
    return converted;
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

FullCombinationConversion convertFullCombination(const GameProfile& profile,
                                                 const FullCombinationTemplate& tmpl,
                                                 const std::vector<bool>& templateMarks,
                                                 const std::vector<bool>& chosenMarks,
                                                 long long expectedTotal) {
    FullCombinationConversion result;
    const std::vector<int> templateList = flaggedNumbers(templateMarks);
    const std::vector<int> chosenList = flaggedNumbers(chosenMarks);
    const QStringList& items = tmpl.items();

    result.convertedLines << QStringLiteral("00");
    for (int p = 1; p < items.size(); ++p) {
        if (items.at(p) == FullCombinationTemplate::plainMarker) {
            result.convertedLines << items.at(p);
            continue;
        }
        const std::optional<QString> line = convertLine(items.at(p), templateList, chosenList);
        if (!line) {
            return FullCombinationConversion{};
        }
        result.convertedLines << *line;
    }

    FullCombinationHandOver& handOver = result.handOver;
    for (const QString& line : result.convertedLines) {
        if (result.hasPlainRows) {
            result.plainLines << line.mid(3);
        } else if (line == FullCombinationTemplate::plainMarker) {
            result.hasPlainRows = true;
        } else {
            handOver.entries << line;
        }
    }
    handOver.plainSlipCount = int(result.plainLines.size());
    handOver.baseSetRow = baseSetRowOf(profile, chosenMarks);
    handOver.shortSetRows = shortSetRowsOf(profile, chosenMarks);
    handOver.expectedTotal = expectedTotal;
    result.ok = true;
    return result;
}
