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

} // namespace DrawCheckText
