#include "core/results/DrawCheckTexts.h"

namespace DrawCheckText {

QString drawInstruction(int numbersPerRow, int highest) {
    return QStringLiteral("Pontosan %1 különböző számot adjon meg 1 és %2 között !")
        .arg(numbersPerRow)
        .arg(highest);
}

QString drawProblem(const QString& drawName, const QString& reason, const QString& instruction) {
    const QString message = reason + QLatin1Char(' ') + instruction;
    return drawName.isEmpty() ? message : drawName + QStringLiteral(":\n") + message;
}

QString fixCountMismatch(int marked, int systemFix) {
    return QStringLiteral("A megjelölt FIX számok száma (%1) nem egyezik a rendszerével (%2) !")
        .arg(marked)
        .arg(systemFix);
}

QString plainRowFileUnknown() {
    return QStringLiteral("Nem tudni, melyik állomány tartalmazza a teljes kombináció sima "
                          "sorait. Készítse el újra a teljes kombinációt !");
}

QString plainRowFileUnreadable(const QString& path) {
    return QStringLiteral("A teljes kombináció sima sorait tartalmazó állomány (%1) nem "
                          "olvasható: áthelyezték vagy törölték. Készítse el újra a teljes "
                          "kombinációt !")
        .arg(path);
}

QString plainRowFileChanged(const QString& path, int expected, int found) {
    return QStringLiteral("A(z) %1 állomány %2 sort tartalmaz a teljes kombináció %3 sima sora "
                          "helyett: azóta megváltozott. Készítse el újra a teljes kombinációt !")
        .arg(path)
        .arg(found)
        .arg(expected);
}

QString keyRowNotPlayable(int numbersPerRow, int highest) {
    return QStringLiteral("nem %1 különböző szám 1 és %2 között").arg(numbersPerRow).arg(highest);
}

QString slipRowWidth(int width, int combinationCount) {
    return QStringLiteral("%1 szám a rendszer %2 kombinációs száma helyett")
        .arg(width)
        .arg(combinationCount);
}

QString slipRowNumbers(int combinationCount, int highest) {
    return QStringLiteral("nem %1 különböző szám 1 és %2 között")
        .arg(combinationCount)
        .arg(highest);
}

QString keySubject(const QString& keyFile) {
    return QStringLiteral("Kulcs: %1").arg(keyFile);
}

QString combinationRowsSubject(int slips, const QString& systemCode) {
    return QStringLiteral("Kombinációs sorok: %1 szelvény, rendszer: %2")
        .arg(slips)
        .arg(systemCode);
}

QString fullCombinationSubject(int size, const QString& numbers, int entries, int plainRows) {
    const QString counts = QStringLiteral("%1 bejegyzés, %2 sima sor").arg(entries).arg(plainRows);
    if (numbers.isEmpty()) {
        return QStringLiteral("Teljes kombináció: ") + counts;
    }
    return QStringLiteral("Teljes kombináció: %1 szám (%2), ").arg(size).arg(numbers) + counts;
}

QString heading(const QString& program) {
    return title + QStringLiteral(" – ") + program;
}

QString dateLine(const QString& date) {
    return QStringLiteral("Dátum: ") + date;
}

QString drawLine(const QString& drawName, const QString& numbers) {
    return drawName + QStringLiteral(": ") + numbers;
}

QString hitsClass(int hits) {
    return QStringLiteral("%1 találat").arg(hits);
}

QString pageNumber(int page) {
    return QStringLiteral("%1. oldal").arg(page);
}

QString gameName(int game) {
    switch (game) {
    case 5:
        return QStringLiteral("ötös lottó (5/90)");
    case 7:
        return QStringLiteral("skandináv lottó (7/35)");
    default:
        return QStringLiteral("hatos lottó (6/45)");
    }
}

QString archiveWeek(int year, int week) {
    return QStringLiteral("%1. %2. hét").arg(year).arg(week);
}

QString archiveMissing(const QString& path) {
    return QStringLiteral("A(z) %1 állomány nem található: áthelyezték vagy törölték.").arg(path);
}

QString archiveNotOpened(const QString& path) {
    return QStringLiteral("A(z) %1 állomány nem nyitható meg olvasásra.").arg(path);
}

QString archiveEmpty(const QString& path) {
    return QStringLiteral("A(z) %1 állomány üres: egyetlen húzás sincs benne.").arg(path);
}

QString archiveNotText(const QString& path) {
    return QStringLiteral("A(z) %1 állomány nem szöveges, így nem a húzások listája.").arg(path);
}

QString archiveUnreadable(const QString& path, int line, const QString& text) {
    return QStringLiteral("A(z) %1 állomány egyetlen sora sem olvasható húzásként (az első: "
                          "%2. sor: „%3”).")
        .arg(path)
        .arg(line)
        .arg(text.left(120));
}

QString archiveOfOtherGame(const QString& path, int fileGame, int ownGame) {
    return QStringLiteral("A(z) %1 állomány a(z) %2 húzásait tartalmazza, nem a(z) %3 "
                          "húzásait.")
        .arg(path, gameName(fileGame), gameName(ownGame));
}

QString archiveLoaded(const QString& fileName, long long draws, long long weeks, int skipped,
                      int firstSkippedLine, const QString& firstSkippedText) {
    QString line = draws == weeks
                       ? QStringLiteral("%1: %2 húzás").arg(fileName).arg(draws)
                       : QStringLiteral("%1: %2 húzás, %3 hét").arg(fileName).arg(draws).arg(weeks);
    if (skipped > 0) {
        line += QStringLiteral("; %1 olvashatatlan sor kimaradt, az első: %2. sor: „%3”")
                    .arg(skipped)
                    .arg(firstSkippedLine)
                    .arg(firstSkippedText.size() > 80 ? firstSkippedText.left(79) + QChar(0x2026)
                                                      : firstSkippedText);
    }
    return line;
}

QString rememberedArchiveProblem(const QString& reason) {
    return QStringLiteral("A legutóbb betöltött húzások nem olvashatók: ") + reason;
}

QString checkingAll() {
    return QStringLiteral("Minden húzás ellenőrzése…");
}

QString forints(long long amount) {
    QString digits = QString::number(amount);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QLatin1Char(' '));
    }
    return digits + QStringLiteral(" Ft");
}

QString archiveDrawTitle(const QString& identity, const QString& drawName, int drawsInWeek) {
    return drawsInWeek > 1 ? identity + QStringLiteral(", ") + drawName.toLower() : identity;
}

QString archiveSubject(const QString& fileName, long long draws, long long weeks) {
    return draws == weeks ? QStringLiteral("Húzások: %1 (%2 húzás)").arg(fileName).arg(draws)
                          : QStringLiteral("Húzások: %1 (%2 húzás, %3 hét)")
                                .arg(fileName)
                                .arg(draws)
                                .arg(weeks);
}

QString drawsCheckedValue(long long draws, long long weeks, const QString& oldest,
                          const QString& newest) {
    const QString span = oldest == newest ? oldest : oldest + QStringLiteral(" – ") + newest;
    return draws == weeks ? QStringLiteral("%1 (%2)").arg(draws).arg(span)
                          : QStringLiteral("%1, %2 hét (%3)").arg(draws).arg(weeks).arg(span);
}

QString winsOfClass(int hits) {
    return QStringLiteral("Nyerés %1 találattal").arg(hits);
}

QString unknownPrizeCount(int wins) {
    return QStringLiteral("+ %1 nyerés ismeretlen nyereménnyel").arg(wins);
}

QString bestKeyRow(int row, long long slip, int field) {
    return QStringLiteral("%1. sor (%2. szelvény, %3. mező)").arg(row).arg(slip).arg(field);
}

QString numberedItem(int number, const QString& itemColumn) {
    return QStringLiteral("%1. %2").arg(number).arg(itemColumn.toLower());
}

} // namespace DrawCheckText
