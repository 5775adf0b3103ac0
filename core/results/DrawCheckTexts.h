#pragma once

#include <QString>

// Every text of the result check ("Találatok") but the reasons a typed number list is refused
// (numberListReason): the refusals of a check, why an item was not checked, and the headings of the
// result as it is copied and printed.
namespace DrawCheckText {

// The dialog.
inline const QString title = QStringLiteral("Találatok");
inline const QString loadedRows = QStringLiteral("A betöltött sorok");
inline const QString fullCombination = QStringLiteral("A teljes kombináció");

// What a draw box must hold.
QString drawInstruction(int numbersPerRow, int highest);
// The message of a refused draw box: the draw's name when the game has more than one draw
// (empty otherwise), the reason and the instruction.
QString drawProblem(const QString& drawName, const QString& reason, const QString& instruction);

// Refusals of a whole check.
inline const QString noFullCombination = QStringLiteral("Nincs betöltött teljes kombináció !");
QString fixCountMismatch(int marked, int systemFix);
QString plainRowFileUnknown();
QString plainRowFileUnreadable(const QString& path);
QString plainRowFileChanged(const QString& path, int expected, int found);

// Why an item was not checked.
QString keyRowNotPlayable(int numbersPerRow, int highest);
QString slipRowWidth(int width, int combinationCount);
QString slipRowNumbers(int combinationCount, int highest);

// What was checked, for the heading.
QString keySubject(const QString& keyFile);
QString combinationRowsSubject(int slips, const QString& systemCode);
// numbers: the full combination's numbers as "01 02 03"; empty when not known.
QString fullCombinationSubject(int size, const QString& numbers, int entries, int plainRows);

// The heading and the tables.
QString heading(const QString& program);
QString dateLine(const QString& date);
QString drawLine(const QString& drawName, const QString& numbers);
QString hitsClass(int hits); // "5 találat"
inline const QString hitsColumn = QStringLiteral("Találat");
inline const QString rowsColumn = QStringLiteral("Sor");
inline const QString combinationsColumn = QStringLiteral("Kombináció");
inline const QString keyRowColumn = QStringLiteral("Sor");
inline const QString slipColumn = QStringLiteral("Szelvény");
inline const QString fieldColumn = QStringLiteral("Mező");
inline const QString entryColumn = QStringLiteral("Bejegyzés");
inline const QString plainRowColumn = QStringLiteral("Sima sor");
inline const QString fixHitsColumn = QStringLiteral("FIX találat");
inline const QString combinationHitsColumn = QStringLiteral("Kombinációs találat");
inline const QString hitNumbersColumn = QStringLiteral("Eltalált számok");
inline const QString numbersColumn = QStringLiteral("Számok");
inline const QString itemColumn = QStringLiteral("Tétel");
inline const QString reasonColumn = QStringLiteral("Ok");
inline const QString classTable = QStringLiteral("Nyerőosztályok");
inline const QString winningKeyRows = QStringLiteral("Nyertes sorok");
inline const QString winningSlips = QStringLiteral("Nyertes szelvények");
inline const QString winningEntries = QStringLiteral("Nyertes bejegyzések");
inline const QString winningPlainRows = QStringLiteral("Nyertes sima sorok");
inline const QString noWinner = QStringLiteral("Nincs nyertes.");
inline const QString unchecked = QStringLiteral("Nem ellenőrizhető");
QString pageNumber(int page); // "1. oldal"

} // namespace DrawCheckText
