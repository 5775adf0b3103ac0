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

// The draw archive: its reading, the draw list and the check of every draw ("Minden húzás").
inline const QString loadArchiveButton = QStringLiteral("Húzások betöltése…");
inline const QString checkAllButton = QStringLiteral("Minden húzás");
inline const QString cancelButton = QStringLiteral("Mégse");
inline const QString drawListLabel = QStringLiteral("Húzás:");
inline const QString archiveFilter = QStringLiteral("Húzások (*.csv)");
QString gameName(int game);              // "hatos lottó (6/45)"
QString archiveWeek(int year, int week); // "2019. 8. hét"
QString archiveMissing(const QString& path);
QString archiveNotOpened(const QString& path);
QString archiveEmpty(const QString& path);
QString archiveNotText(const QString& path);
QString archiveUnreadable(const QString& path, int line, const QString& text);
QString archiveOfOtherGame(const QString& path, int fileGame, int ownGame);
// The line under the buttons once an archive is read: the file, its draws and weeks, the lines
// skipped and the first of them.
QString archiveLoaded(const QString& fileName, long long draws, long long weeks, int skipped,
                      int firstSkippedLine, const QString& firstSkippedText);
// The remembered archive cannot be read any more: the reason (one of the above).
QString rememberedArchiveProblem(const QString& reason);
QString checkingAll(); // while "Minden húzás" runs

// Amounts: "1 396 675 Ft"; an unknown prize: "ismeretlen".
QString forints(long long amount);
inline const QString unknownPrize = QStringLiteral("ismeretlen");

// A draw picked from the archive: its prizes beside the classes.
inline const QString archiveWinnersColumn = QStringLiteral("Nyertesek (húzáskor)");
inline const QString prizePerWinnerColumn = QStringLiteral("Nyeremény / nyertes");
inline const QString prizeTotalColumn = QStringLiteral("Nyeremény összesen");
QString archiveDrawTitle(const QString& identity, const QString& drawName, int drawsInWeek);

// The result of every draw.
QString archiveSubject(const QString& fileName, long long draws, long long weeks);
inline const QString summaryTable = QStringLiteral("Összesítés");
inline const QString summaryItemColumn = QStringLiteral("Megnevezés");
inline const QString summaryValueColumn = QStringLiteral("Érték");
inline const QString drawsChecked = QStringLiteral("Ellenőrzött húzások");
QString drawsCheckedValue(long long draws, long long weeks, const QString& oldest,
                          const QString& newest);
inline const QString winningDraws = QStringLiteral("Nyertes húzások");
QString winsOfClass(int hits); // "Nyerés 5 találattal"
inline const QString totalPrize = QStringLiteral("Nyeremény összesen");
inline const QString unknownPrizeWins = QStringLiteral("Nyerés ismeretlen nyereménnyel");
inline const QString bestDraw = QStringLiteral("Legjobb húzás");
inline const QString noBestDraw = QStringLiteral("nincs");
inline const QString winningDrawTable = QStringLiteral("Nyertes húzások, a legújabb elöl");
inline const QString drawColumn = QStringLiteral("Húzás");
inline const QString drawnColumn = QStringLiteral("Nyerőszámok");
inline const QString prizeColumn = QStringLiteral("Nyeremény");
inline const QString bestItemColumn = QStringLiteral("Legjobb");
QString unknownPrizeCount(int wins); // "+ 2 nyerés ismeretlen nyereménnyel"
inline const QString noWinningDraw = QStringLiteral("Egyik húzás sem nyert.");
inline const QString frequencyTable = QStringLiteral("Számok gyakorisága");
inline const QString numberColumn = QStringLiteral("Szám");
inline const QString timesDrawnColumn = QStringLiteral("Húzva");
// The best item of a draw: "4. szelvény" (the item's column name), a key row with the slip and
// field it prints on: "12. sor (3. szelvény, 2. mező)".
QString numberedItem(int number, const QString& itemColumn);
QString bestKeyRow(int row, long long slip, int field);

} // namespace DrawCheckText
