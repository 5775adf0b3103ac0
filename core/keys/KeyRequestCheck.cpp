#include "core/keys/KeyRequestCheck.h"

#include "core/files/KeyFile.h"

#include <algorithm>
#include <set>

KeyNumberLimits keyNumberLimits(const GameProfile& profile) {
    KeyNumberLimits limits;
    limits.highestNumber = profile.highestNumber;
    limits.rowLength = profile.numbersPerRow;
    limits.fewestPlayed = profile.numbersPerRow + 1;
    limits.mostPlayed = std::min(30, profile.highestNumber);
    return limits;
}

QString keyRequestProblem(const QList<std::optional<int>>& numbers, const KeyNumberLimits& limits,
                          int guaranteed, int drawnAmong) {
    for (const std::optional<int>& number : numbers) {
        if (!number) {
            return QStringLiteral("Csak számokat adjon meg, betűt és más jelet ne !");
        }
    }
    for (const std::optional<int>& number : numbers) {
        if (*number < 1 || *number > limits.highestNumber) {
            return QStringLiteral("A(z) %1 nem játszható meg: a számok 1 és %2 között legyenek !")
                .arg(*number)
                .arg(limits.highestNumber);
        }
    }
    std::set<int> seen;
    for (const std::optional<int>& number : numbers) {
        if (!seen.insert(*number).second) {
            return QStringLiteral(
                       "A(z) %1 többször szerepel: minden számot csak egyszer adjon meg !")
                .arg(*number);
        }
    }
    if (numbers.size() < limits.fewestPlayed || numbers.size() > limits.mostPlayed) {
        return QStringLiteral("Legalább %1 és legfeljebb %2 különböző számot adjon meg 1 és %3 "
                              "között (most %4 van megadva) !")
            .arg(limits.fewestPlayed)
            .arg(limits.mostPlayed)
            .arg(limits.highestNumber)
            .arg(numbers.size());
    }
    if (drawnAmong > limits.rowLength) {
        return QStringLiteral("Legfeljebb %1 nyerőszámra kérhet garanciát, mert egy sorban %1 szám "
                              "van !")
            .arg(limits.rowLength);
    }
    if (guaranteed < 2) {
        return QStringLiteral("A garantált találat legalább 2 legyen !");
    }
    if (guaranteed > drawnAmong) {
        return QStringLiteral("A garantált találat (%1) nem lehet több, mint a megjátszott számok "
                              "közé eső nyerőszámok száma (%2) !")
            .arg(guaranteed)
            .arg(drawnAmong);
    }
    return {};
}

QString keyTooLargeMessage(std::optional<std::int64_t> atLeast) {
    if (atLeast && *atLeast > maxKeyRows) {
        return QStringLiteral("Ehhez a kulcshoz legalább %1 sor kellene, ez több, mint a kulcsba "
                              "férő %2 sor !")
            .arg(groupedCount(*atLeast), groupedCount(maxKeyRows));
    }
    return QStringLiteral("Ez a kulcs több sorból állna, mint a kulcsba férő %1 sor !")
        .arg(groupedCount(maxKeyRows));
}

QString keyRowCountLine(std::int64_t rows, std::optional<std::int64_t> lowerBound) {
    QString line = QStringLiteral("Sorok száma: %1").arg(groupedCount(rows));
    if (lowerBound) {
        line += QStringLiteral(" (alsó korlát: %1)").arg(groupedCount(*lowerBound));
    }
    return line;
}

QString keyGuaranteeLine(int guaranteed, int drawnAmong) {
    if (guaranteed > drawnAmong) {
        return {};
    }
    return QStringLiteral("Ha a megjátszott számok között legalább %1 nyerőszám van, a kulcs "
                          "valamelyik sorában legalább %2 találat lesz.")
        .arg(drawnAmong)
        .arg(guaranteed);
}

QString keySaveQuestion() {
    return QStringLiteral("A kulcsot egy fájlba is menti ?");
}

QString keySaveFailedMessage(const QString& fileName) {
    return QStringLiteral("A(z) %1 állományt nem sikerült létrehozni vagy kiírni ! A kulcs "
                          "betöltve maradt, de nincs elmentve.")
        .arg(fileName);
}

QString keySearchFailedMessage() {
    return QStringLiteral("A kulcs készítése nem sikerült !");
}

QString groupedCount(std::int64_t count) {
    QString digits = QString::number(count < 0 ? -count : count);
    if (digits.size() >= 5) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
            digits.insert(at, QLatin1Char(' '));
        }
    }
    return count < 0 ? QLatin1Char('-') + digits : digits;
}
