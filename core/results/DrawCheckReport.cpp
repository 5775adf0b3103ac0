#include "core/results/DrawCheckReport.h"

#include "core/base/BusyScope.h"
#include "core/results/DrawCheckTexts.h"
#include "core/slip/SystemTable.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

namespace Text = DrawCheckText;

const QString reportFace = QStringLiteral("times new roman");
constexpr double headingPoints = 12;
constexpr double bodyPoints = 10;
constexpr double lineHeight = 240;  // twips between lines
constexpr double leftEdge = 720;    // half an inch from the paper's edges
constexpr double rightEdge = 11186; // A4 is 11906 twips wide
constexpr double topEdge = 720;
constexpr double bottomEdge = 15840; // and 16838 high: room for about 62 lines
constexpr double columnGap = 240;
constexpr double minimumPoints = 6; // the smallest face a wide table is printed in

QString twoDigitList(const std::vector<int>& numbers) {
    QStringList cells;
    for (int n : numbers) {
        cells << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return cells.join(QLatin1Char(' '));
}

QString itemColumn(CheckedItem item) {
    switch (item) {
    case CheckedItem::KeyRow:
        return Text::keyRowColumn;
    case CheckedItem::CombinationSlip:
        return Text::slipColumn;
    case CheckedItem::Entry:
        return Text::entryColumn;
    case CheckedItem::PlainRow:
        return Text::plainRowColumn;
    }
    return {};
}

QString prizeText(std::optional<long long> prize) {
    return prize ? Text::forints(*prize) : Text::unknownPrize;
}

// The classes; for a draw picked from an archive, its winners and prize per winner in each class
// and what the rows or combinations of the class would have been paid.
ReportTable classTable(const DrawCheckResult& result, const DrawResult& draw) {
    const bool rows = result.subject == CheckedSubject::Key;
    ReportTable table{Text::classTable,
                      {Text::hitsColumn, rows ? Text::rowsColumn : Text::combinationsColumn},
                      {},
                      {}};
    if (draw.prizes) {
        table.columns << Text::archiveWinnersColumn << Text::prizePerWinnerColumn
                      << Text::prizeTotalColumn;
    }
    for (const auto& [hits, count] : result.winningClasses(draw)) {
        QStringList cells{Text::hitsClass(hits), QString::number(count)};
        if (draw.prizes) {
            const long long winners = draw.prizes->winners[std::size_t(hits)];
            const std::optional<long long> prize = draw.prizes->prize(hits);
            cells << (winners >= 0 ? QString::number(winners) : Text::unknownPrize)
                  << prizeText(prize)
                  << (count == 0 ? Text::forints(0) : prizeText(prize ? *prize * count : prize));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

// The winners of one kind: key or plain rows with their hits, slips and entries with their
// FIX and combination hits and the combinations in each winning class.
ReportTable winnerTable(const DrawCheckResult& result, const DrawResult& draw, CheckedItem item) {
    ReportTable table;
    table.emptyText = Text::noWinner;
    const auto classes = result.winningClasses(draw);
    switch (item) {
    case CheckedItem::KeyRow:
        table.caption = Text::winningKeyRows;
        table.columns = {Text::keyRowColumn, Text::slipColumn,       Text::fieldColumn,
                         Text::hitsColumn,   Text::hitNumbersColumn, Text::numbersColumn};
        break;
    case CheckedItem::PlainRow:
        table.caption = Text::winningPlainRows;
        table.columns = {Text::plainRowColumn, Text::hitsColumn, Text::hitNumbersColumn,
                         Text::numbersColumn};
        break;
    case CheckedItem::CombinationSlip:
    case CheckedItem::Entry:
        table.caption = item == CheckedItem::Entry ? Text::winningEntries : Text::winningSlips;
        table.columns = {itemColumn(item), Text::fixHitsColumn, Text::combinationHitsColumn,
                         Text::hitNumbersColumn};
        for (const auto& winningClass : classes) {
            table.columns << Text::hitsClass(winningClass.first);
        }
        break;
    }
    for (const Winner& winner : draw.winners) {
        if (winner.item != item) {
            continue;
        }
        const QString number = QString::number(winner.number);
        const QString hitNumbers = twoDigitList(winner.hits().numbers());
        switch (item) {
        case CheckedItem::KeyRow:
            table.rows.push_back(
                {number, QString::number(winner.slip), QString::number(winner.field),
                 QString::number(winner.rowHits.count()), hitNumbers, winner.row.trimmed()});
            break;
        case CheckedItem::PlainRow:
            table.rows.push_back({number, QString::number(winner.rowHits.count()), hitNumbers,
                                  winner.row.trimmed()});
            break;
        case CheckedItem::CombinationSlip:
        case CheckedItem::Entry: {
            QStringList cells{number, QString::number(winner.fixHits.count()),
                              QString::number(winner.rowHits.count()), hitNumbers};
            for (const auto& winningClass : classes) {
                cells << QString::number(winner.combinations[std::size_t(winningClass.first)]);
            }
            table.rows.push_back(std::move(cells));
            break;
        }
        }
    }
    return table;
}

std::vector<CheckedItem> winnerItems(CheckedSubject subject) {
    switch (subject) {
    case CheckedSubject::Key:
        return {CheckedItem::KeyRow};
    case CheckedSubject::CombinationRows:
        return {CheckedItem::CombinationSlip};
    case CheckedSubject::FullCombination:
        return {CheckedItem::Entry, CheckedItem::PlainRow};
    }
    return {};
}

ReportTable uncheckedTable(const std::vector<Unchecked>& unchecked) {
    ReportTable table{Text::unchecked, {Text::itemColumn, Text::reasonColumn}, {}, {}};
    for (const Unchecked& item : unchecked) {
        table.rows.push_back(
            {itemColumn(item.item) + QLatin1Char(' ') + QString::number(item.number), item.reason});
    }
    return table;
}

// The best item of a draw as the winning-draw table and the summary name it.
QString bestItemText(const BestItem& best) {
    if (best.item == CheckedItem::KeyRow) {
        return Text::bestKeyRow(best.number, best.slip, best.field);
    }
    return Text::numberedItem(best.number, itemColumn(best.item));
}

int topClass(const HitCounts& combinations) {
    for (int h = maxNumbersPerRow; h > 0; --h) {
        if (combinations[std::size_t(h)] > 0) {
            return h;
        }
    }
    return 0;
}

QString winPrize(const ArchiveWin& win) {
    QString text = Text::forints(win.prize);
    if (win.unknownPrizeWins > 0) {
        text += QLatin1Char(' ') + Text::unknownPrizeCount(int(win.unknownPrizeWins));
    }
    return text;
}

std::vector<int> drawnNumbers(const DrawArchive& archive, const ArchiveWin& win) {
    return archive.lines[win.line].draws[std::size_t(win.draw)].numbers();
}

ReportTable summaryTable(const ArchiveCheckResult& result, const DrawArchive& archive) {
    ReportTable table{
        Text::summaryTable, {Text::summaryItemColumn, Text::summaryValueColumn}, {}, {}};
    table.rows.push_back(
        {Text::drawsChecked,
         Text::drawsCheckedValue(result.draws, result.weeks, result.oldest, result.newest)});
    table.rows.push_back({Text::winningDraws, QString::number(result.wins.size())});
    for (int h = std::min(result.numbersPerRow, maxNumbersPerRow); h >= result.fewestWinningHits;
         --h) {
        table.rows.push_back(
            {Text::winsOfClass(h), QString::number(result.winsByClass[std::size_t(h)])});
    }
    table.rows.push_back({Text::totalPrize, Text::forints(result.total)});
    table.rows.push_back({Text::unknownPrizeWins, QString::number(result.unknownPrizeWins)});
    QString best = Text::noBestDraw;
    if (result.best) {
        const ArchiveWin& win = result.wins[*result.best];
        best = archiveDrawName(archive, win.line, win.draw) + QStringLiteral(": ") + winPrize(win) +
               QStringLiteral(", ") + Text::hitsClass(topClass(win.combinations)) +
               QStringLiteral(", ") + bestItemText(win.best);
    }
    table.rows.push_back({Text::bestDraw, best});
    return table;
}

ReportTable winningDrawTable(const ArchiveCheckResult& result, const DrawArchive& archive) {
    ReportTable table{
        Text::winningDrawTable, {Text::drawColumn, Text::drawnColumn}, {}, Text::noWinningDraw};
    const int top = std::min(result.numbersPerRow, maxNumbersPerRow);
    for (int h = top; h >= result.fewestWinningHits; --h) {
        table.columns << Text::hitsClass(h);
    }
    table.columns << Text::prizeColumn << Text::bestItemColumn;
    table.rows.reserve(result.wins.size());
    for (const ArchiveWin& win : result.wins) {
        QStringList cells{archiveDrawName(archive, win.line, win.draw, DrawNaming::Date),
                          twoDigitList(drawnNumbers(archive, win))};
        for (int h = top; h >= result.fewestWinningHits; --h) {
            cells << QString::number(win.combinations[std::size_t(h)]);
        }
        cells << winPrize(win) << bestItemText(win.best);
        table.rows.push_back(std::move(cells));
    }
    return table;
}

// The frequencies in groups of columns side by side, read down each group: N numbers on a
// fifth as many lines.
ReportTable frequencyTable(const std::vector<long long>& frequencies) {
    constexpr int groups = 5;
    ReportTable table{Text::frequencyTable, {}, {}, {}};
    const int highest = int(frequencies.size()) - 1;
    const int lines = (highest + groups - 1) / groups;
    for (int g = 0; g < groups; ++g) {
        table.columns << Text::numberColumn << Text::timesDrawnColumn;
    }
    for (int r = 0; r < lines; ++r) {
        QStringList cells;
        for (int g = 0; g < groups; ++g) {
            const int number = g * lines + r + 1;
            if (number <= highest) {
                cells << QString::number(number)
                      << QString::number(frequencies[std::size_t(number)]);
            }
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

// Writes the report onto pages, a line at a time, beginning a new page (with the heading and
// the current table's column titles) when the next line would not fit.
class ReportPrinter {
public:
    ReportPrinter(PrintSurface& printer, const DrawCheckReport& report)
        : printer_(printer), report_(report) {}

    void print() {
        printer_.setFontName(reportFace);
        printer_.setUnits(PrintSurface::Units::Twips);
        beginPage();
        for (const ReportSection& section : report_.sections) {
            if (!section.title.isEmpty()) {
                line({section.title}, {}, true);
            }
            for (const ReportTable& table : section.tables) {
                printTable(table);
            }
            skipLine();
        }
    }

private:
    void beginPage() {
        ++page_;
        y_ = topEdge;
        setFont(headingPoints, true);
        const QString first = report_.heading.value(0);
        at(leftEdge, first);
        const QString number = Text::pageNumber(page_);
        at(rightEdge - printer_.measureText(number), number);
        y_ += lineHeight * headingPoints / bodyPoints;
        setFont(bodyPoints, false);
        for (qsizetype i = 1; i < report_.heading.size(); ++i) {
            at(leftEdge, report_.heading[i]);
            y_ += lineHeight;
        }
        y_ += lineHeight;
    }

    // A table wider than the page is printed in a smaller face, down to minimumPoints.
    void printTable(const ReportTable& table) {
        std::vector<double> x;
        tablePoints_ = bodyPoints;
        double right = placeColumns(table, x);
        if (right - columnGap > rightEdge) {
            const double scale = (rightEdge - leftEdge) / (right - columnGap - leftEdge);
            tablePoints_ = std::max(minimumPoints, std::floor(2 * bodyPoints * scale) / 2);
            right = placeColumns(table, x);
        }
        const double points = tablePoints_;
        tablePoints_ = bodyPoints;
        line({table.caption}, {}, true);
        if (table.rows.empty()) {
            line({table.emptyText}, {}, false);
            return;
        }
        tablePoints_ = points;
        columns_ = &table.columns;
        columnX_ = x;
        line(table.columns, x, true);
        for (const QStringList& row : table.rows) {
            line(row, x, false);
        }
        columns_ = nullptr;
        tablePoints_ = bodyPoints;
    }

    // Each column as wide as its widest cell in the table's face; returns the right end.
    double placeColumns(const ReportTable& table, std::vector<double>& x) {
        setFont(tablePoints_, false);
        x.assign(std::size_t(table.columns.size()), leftEdge);
        double right = leftEdge;
        for (qsizetype c = 0; c < table.columns.size(); ++c) {
            double width = printer_.measureText(table.columns[c]);
            for (const QStringList& row : table.rows) {
                width = std::max(width, printer_.measureText(row.value(c)));
            }
            x[std::size_t(c)] = right;
            right += width + columnGap;
        }
        return right;
    }

    // One line of cells at the given places (the first at the left edge when none given).
    void line(const QStringList& cells, const std::vector<double>& x, bool bold) {
        if (y_ + lineHeight > bottomEdge) {
            printer_.newPage();
            beginPage();
            if (columns_) {
                printCells(*columns_, columnX_, true);
            }
        }
        printCells(cells, x, bold);
    }

    void printCells(const QStringList& cells, const std::vector<double>& x, bool bold) {
        setFont(tablePoints_, bold);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            at(std::size_t(c) < x.size() ? x[std::size_t(c)] : leftEdge, cells[c]);
        }
        y_ += lineHeight;
    }

    void skipLine() { y_ += lineHeight; }

    void at(double x, const QString& text) {
        printer_.setPosX(x);
        printer_.setPosY(y_);
        printer_.printText(text, false);
    }

    void setFont(double points, bool bold) {
        printer_.setFontSize(points);
        printer_.setBold(bold);
    }

    PrintSurface& printer_;
    const DrawCheckReport& report_;
    int page_ = 0;
    double y_ = topEdge;
    double tablePoints_ = bodyPoints;      // the face of the table being printed
    const QStringList* columns_ = nullptr; // the table being printed, for a new page
    std::vector<double> columnX_;
};

} // namespace

QString keyCheckSubject(const QString& keyFile) {
    return Text::keySubject(keyFile);
}

QString combinationCheckSubject(const CombinationSelection& selection, CheckedSubject subject) {
    if (subject == CheckedSubject::FullCombination) {
        const std::vector<int>& numbers = selection.fullCombinationNumbers();
        return Text::fullCombinationSubject(int(numbers.size()), twoDigitList(numbers),
                                            int(selection.entries().size()),
                                            selection.plainSlipCount());
    }
    return Text::combinationRowsSubject(int(selection.rows().size()),
                                        selection.systemCode(selection.systemIndex()));
}

DrawCheckReport drawCheckReport(const DrawCheckResult& result, const DrawCheckHeading& heading) {
    DrawCheckReport report;
    report.heading << Text::heading(heading.program) << heading.subject
                   << Text::dateLine(heading.date.toString(QStringLiteral("yyyy-MM-dd")));
    for (const DrawResult& draw : result.draws) {
        ReportSection section{Text::drawLine(draw.name, twoDigitList(draw.drawn)), {}};
        section.tables.push_back(classTable(result, draw));
        for (CheckedItem item : winnerItems(result.subject)) {
            section.tables.push_back(winnerTable(result, draw, item));
        }
        report.sections.push_back(std::move(section));
    }
    if (!result.unchecked.empty()) {
        report.sections.push_back({QString(), {uncheckedTable(result.unchecked)}});
    }
    return report;
}

DrawCheckReport archiveCheckReport(const ArchiveCheckResult& result, const DrawArchive& archive,
                                   const DrawCheckHeading& heading) {
    DrawCheckReport report;
    report.heading << Text::heading(heading.program) << heading.subject
                   << Text::archiveSubject(QFileInfo(archive.path).fileName(), result.draws,
                                           result.weeks)
                   << Text::dateLine(heading.date.toString(QStringLiteral("yyyy-MM-dd")));
    report.sections.push_back({Text::checkAllButton,
                               {summaryTable(result, archive), winningDrawTable(result, archive),
                                frequencyTable(result.frequencies)}});
    if (!result.unchecked.empty()) {
        report.sections.push_back({QString(), {uncheckedTable(result.unchecked)}});
    }
    return report;
}

QString reportText(const DrawCheckReport& report) {
    QStringList lines = report.heading;
    for (const ReportSection& section : report.sections) {
        lines << QString();
        if (!section.title.isEmpty()) {
            lines << section.title;
        }
        for (const ReportTable& table : section.tables) {
            lines << table.caption;
            if (table.rows.empty()) {
                lines << table.emptyText;
                continue;
            }
            lines << table.columns.join(QLatin1Char('\t'));
            for (const QStringList& row : table.rows) {
                lines << row.join(QLatin1Char('\t'));
            }
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void composeReport(PrintSurface& printer, const DrawCheckReport& report) {
    ReportPrinter(printer, report).print();
}

PrintJobOutcome printReport(const DrawCheckReport& report, PrintSurface& printer,
                            BusyPointer& busyPointer) {
    BusyScope busy(busyPointer);
    busy.start();
    composeReport(printer, report);
    PrintJobOutcome outcome = printer.endJob();
    busy.stop();
    return outcome;
}
