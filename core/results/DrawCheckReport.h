#pragma once

#include "core/combination/CombinationSelection.h"
#include "core/print/PrintSurface.h"
#include "core/results/ArchiveCheck.h"
#include "core/results/DrawArchive.h"
#include "core/results/DrawCheckResult.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

class BusyPointer;

// What the heading of a result names.
struct DrawCheckHeading {
    QString program; // the program, e.g. "keyprint6"
    QString subject; // what was checked: keyCheckSubject or combinationCheckSubject
    QDate date;      // today, from the Clock service
};

QString keyCheckSubject(const QString& keyFile);
// The loaded rows or the full combination of the selection, as the result was checked.
QString combinationCheckSubject(const CombinationSelection& selection, CheckedSubject subject);

// The result laid out as tables: the same for the dialog's lists, the copied text and the
// printed pages.
struct ReportTable {
    QString caption;
    QStringList columns;
    std::vector<QStringList> rows; // one cell per column
    QString emptyText;             // stands instead of the rows when there are none
};

struct ReportSection {
    QString title; // the draw and its numbers; empty for the unchecked items
    std::vector<ReportTable> tables;
};

struct DrawCheckReport {
    QStringList heading; // the program, what was checked, the date
    // Per draw: the winning classes, then the winners; last, the items not checked (if any).
    std::vector<ReportSection> sections;
};

DrawCheckReport drawCheckReport(const DrawCheckResult& result, const DrawCheckHeading& heading);

// The check of every draw of an archive: the heading names the archive too; a summary (draws
// and weeks checked, winning draws, wins per class, the total of the known prizes, the wins
// without a known prize, the best draw), the winning draws newest first, the numbers by
// frequency, and the items not checked.
DrawCheckReport archiveCheckReport(const ArchiveCheckResult& result, const DrawArchive& archive,
                                   const DrawCheckHeading& heading);

// The report as plain text for the clipboard ("Másolás"): one line per heading line, title,
// caption and table row, the cells of a row separated by tabs, a blank line between sections.
QString reportText(const DrawCheckReport& report);

// Lays the report out on A4 pages in twips: the heading on every page, each table with its
// column titles (repeated on a new page), columns as wide as their widest cell. Does not end
// the job.
void composeReport(PrintSurface& printer, const DrawCheckReport& report);

// Prints the report as one job, the busy pointer shown meanwhile.
PrintJobOutcome printReport(const DrawCheckReport& report, PrintSurface& printer,
                            BusyPointer& busyPointer);
