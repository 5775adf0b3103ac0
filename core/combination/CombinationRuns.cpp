#include "core/combination/CombinationRuns.h"

#include "core/base/BusyScope.h"
#include "core/base/Maker.h"
#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/base/Services.h"
#include "core/combination/CombinationSelection.h"
#include "core/print/PrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"

#include <vector>

namespace {

const QString fromToMessage = QStringLiteral("Hibás tól-ig megadás !");

// Only the first numbers of a row up to the slip's count are printed.
QString limitedRow(const QString& row, int numbersPrinted) {
    if (rowWidth(row) <= numbersPrinted) {
        return row;
    }
    return row.left(3 * numbersPrinted - 1);
}

} // namespace

CombinationRuns::CombinationRuns(const GameProfile& profile) : profile_(&profile) {}

namespace {

PrintRunResult resultOf(const std::optional<PrintJobOutcome>& outcome) {
    PrintRunResult result;
    if (outcome) {
        result.add(*outcome);
    }
    return result;
}

} // namespace

PrintRunResult CombinationRuns::runAllRows(const CombinationSelection& selection,
                                           const CombinationRunControls& controls,
                                           SlipRunServices services) {
    return resultOf(printRows(selection, controls, services, 0, int(selection.rows().size()) - 1));
}

PrintRunResult CombinationRuns::runFromTo(const CombinationSelection& selection,
                                          const CombinationRunControls& controls,
                                          SlipRunServices services) {
    const long long first = rowNumber(controls.firstRow);
    long long last = rowNumber(controls.lastRow);
    // Zero and negative row numbers are refused alike: there is no row before the first.
    if (first <= 0 || last <= 0) {
        services.messageBox.error(fromToMessage, Maker::messageTitle);
        return {};
    }
    const long long count = selection.rows().size();
    if (last > count) {
        last = count;
    }
    if (first > last) {
        services.messageBox.error(fromToMessage, Maker::messageTitle);
        return {};
    }
    return resultOf(printRows(selection, controls, services, int(first - 1), int(last - 1)));
}

PrintRunResult CombinationRuns::runFullCombination(CombinationSelection& selection,
                                                   const CombinationRunControls& controls,
                                                   SlipRunServices services) {
    PrintRunResult result;
    if (selection.entries().isEmpty()) {
        return result;
    }
    services.printer.beginJobGroup();
    for (int p = 0; p < selection.entries().size() && !result.failure; ++p) {
        // The entry is applied twice, as the run always did: selecting the list item applies
        // it, and the run applies it once more; both leave the same selection.
        selection.selectEntry(p);
        selection.selectEntry(p);
        const int lastRow = int(selection.rows().size()) - 1;
        if (const std::optional<PrintJobOutcome> outcome =
                printRows(selection, controls, services, 0, lastRow)) {
            result.add(*outcome);
        }
    }
    result.endGroup(services.printer.endJobGroup());
    return result;
}

std::optional<PrintJobOutcome> CombinationRuns::printRows(const CombinationSelection& selection,
                                                          const CombinationRunControls& controls,
                                                          SlipRunServices services, int first,
                                                          int last) {
    if (!selection.validateSelection(services.messageBox)) {
        return std::nullopt;
    }
    const QString symbol = markSymbolForOption(controls.markIndex);
    if (!symbol.isEmpty()) {
        markSymbol_ = symbol;
    }
    if (controls.ejectFirst) {
        if (services.showEjectNotice) {
            services.messageBox.error(pageEjectNotice, Maker::messageTitle);
        }
        services.printer.newPage();
    }
    BusyScope busy(services.busyPointer);
    busy.start();
    const SlipOrigin origin = combinationSlipOrigin(controls.offsetDown, controls.offsetRight);
    setUpSlipSurface(services.printer);

    const CombinationSlip& layout = combinationSlip(profile_->game);
    std::vector<CombinationSlipRow> rows;
    rows.reserve(std::size_t(last - first + 1));
    for (int s = first; s <= last; ++s) {
        rows.push_back({limitedRow(selection.rows()[s], layout.rowNumbersPrinted), s + 1LL});
    }
    composeCombinationSlips(services.printer, layout, profile_->highestNumber, rows,
                            selection.fixNumbers(), selection.systemIndex(),
                            MarkStyle{markSymbol_, controls.jokerYes}, origin);
    return services.printer.endJob();
}
