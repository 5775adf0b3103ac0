#include "CombinationRuns.h"

#include "CombinationSelection.h"
#include "NumberText.h"
#include "PrintSurface.h"
#include "RowText.h"
#include "Services.h"
#include "SlipComposer.h"
#include "SlipLayout.h"

#include <vector>

namespace {

const QString fromToMessage = QStringLiteral("Hibás tól-ig megadás !");
// A row number typed into "Tól:" or "Ig:", read leniently and rounded to a whole row.
long long rowNumber(const QString& text) {
    return roundHalfEven(leadingNumber(text));
}

// Only the first numbers of a row up to the slip's count are printed.
QString limitedRow(const QString& row, int numbersPrinted) {
    if (rowWidth(row) <= numbersPrinted) {
        return row;
    }
    return row.left(3 * numbersPrinted - 1);
}

void refuse(MessageBoxService& messageBox, const QString& text) {
    messageBox.show(text, MessageBoxService::Icon::Critical, MessageBoxService::Buttons::Ok,
                    Maker::messageTitle);
}

} // namespace

CombinationRuns::CombinationRuns(const GameProfile& profile) : profile_(profile) {}

int CombinationRuns::runAllRows(const CombinationSelection& selection,
                                const CombinationRunControls& controls,
                                CombinationRunServices services) {
    return printRows(selection, controls, services, 0, int(selection.rows().size()) - 1);
}

int CombinationRuns::runFromTo(const CombinationSelection& selection,
                               const CombinationRunControls& controls,
                               CombinationRunServices services) {
    const long long first = rowNumber(controls.text3);
    long long last = rowNumber(controls.text4);
    // Zero and negative row numbers are refused alike: there is no row before the first.
    if (first <= 0 || last <= 0) {
        refuse(services.messageBox, fromToMessage);
        return 0;
    }
    const long long count = selection.rows().size();
    if (last > count) {
        last = count;
    }
    if (first > last) {
        refuse(services.messageBox, fromToMessage);
        return 0;
    }
    return printRows(selection, controls, services, int(first - 1), int(last - 1));
}

int CombinationRuns::runFullCombination(CombinationSelection& selection,
                                        const CombinationRunControls& controls,
                                        CombinationRunServices services) {
    int jobs = 0;
    for (int p = 0; p < selection.entries().size(); ++p) {
        selection.selectEntry(p);
        selection.selectEntry(p);
        jobs += runAllRows(selection, controls, services);
    }
    return jobs;
}

int CombinationRuns::printRows(const CombinationSelection& selection,
                               const CombinationRunControls& controls,
                               CombinationRunServices services, int first, int last) {
    if (!selection.validateSelection(services.messageBox)) {
        return 0;
    }
    const QString symbol = markSymbolForOption(controls.markIndex);
    if (!symbol.isEmpty()) {
        markSymbol_ = symbol;
    }
    if (controls.check1) {
        services.messageBox.show(pageEjectNotice, MessageBoxService::Icon::Critical,
                                 MessageBoxService::Buttons::Ok, Maker::messageTitle);
        services.printer.newPage();
    }
    services.busyPointer.setBusy(true);
    const SlipOrigin origin = combinationSlipOrigin(controls.text1, controls.text2);
    setUpSlipSurface(services.printer);

    const CombinationSlip& layout = combinationSlip(profile_.game);
    std::vector<CombinationSlipRow> rows;
    rows.reserve(std::size_t(last - first + 1));
    for (int s = first; s <= last; ++s) {
        rows.push_back({limitedRow(selection.rows()[s], layout.rowNumbersPrinted), s + 1LL});
    }
    composeCombinationSlips(services.printer, layout, profile_.highestNumber, rows,
                            selection.fixNumbers(), selection.systemIndex(),
                            MarkStyle{markSymbol_, controls.jokerYes}, origin);
    services.printer.endJob();
    services.busyPointer.setBusy(false);
    return 1;
}
