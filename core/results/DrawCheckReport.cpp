#include "core/results/DrawCheckReport.h"

#include "core/base/BusyScope.h"
#include "core/results/DrawCheckTexts.h"
#include "core/slip/SystemTable.h"

#include <algorithm>

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

ReportTable classTable(const DrawCheckResult& result, const DrawResult& draw) {
    const bool rows = result.subject == CheckedSubject::Key;
    ReportTable table{Text::classTable,
                      {Text::hitsColumn, rows ? Text::rowsColumn : Text::combinationsColumn},
                      {},
                      {}};
    for (const auto& [hits, count] : result.winningClasses(draw)) {
        table.rows.push_back({Text::hitsClass(hits), QString::number(count)});
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

    void printTable(const ReportTable& table) {
        setFont(bodyPoints, false);
        std::vector<double> x(std::size_t(table.columns.size()), leftEdge);
        double right = leftEdge;
        for (qsizetype c = 0; c < table.columns.size(); ++c) {
            double width = printer_.measureText(table.columns[c]);
            for (const QStringList& row : table.rows) {
                width = std::max(width, printer_.measureText(row.value(c)));
            }
            x[std::size_t(c)] = right;
            right += width + columnGap;
        }
        line({table.caption}, {}, true);
        if (table.rows.empty()) {
            line({table.emptyText}, {}, false);
            return;
        }
        columns_ = &table.columns;
        columnX_ = x;
        line(table.columns, x, true);
        for (const QStringList& row : table.rows) {
            line(row, x, false);
        }
        columns_ = nullptr;
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
        setFont(bodyPoints, bold);
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
