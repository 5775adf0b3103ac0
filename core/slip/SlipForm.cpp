#include "core/slip/SlipForm.h"

#include "core/base/GameProfile.h"
#include "core/print/PrintUnits.h"
#include "core/slip/SystemTable.h"

namespace {

// The cell centred on the given point (the mark's centre) of a mark printed with its top-left
// at markPoint.
MmRect cellAround(MmPoint markPoint, MmPoint markCentre) {
    const double centreX = markPoint.x + markCentre.x;
    const double centreY = markPoint.y + markCentre.y;
    return {centreX - slipFormCellSize.width / 2, centreY - slipFormCellSize.height / 2,
            slipFormCellSize.width, slipFormCellSize.height};
}

MmPoint middleOf(MmSize markCell) {
    return {markCell.width / 2, markCell.height / 2};
}

MmPoint at(SlipOrigin origin, MmPoint offset) {
    return {origin.x0 + offset.x, origin.y0 + offset.y};
}

// The cells of numbers 1..N of one field whose grid origin lies at fieldOrigin from (X0, Y0).
void addField(SlipForm& form, int field, const NumberGrid& grid, MmPoint fieldOrigin,
              int highestNumber, SlipOrigin origin, MmPoint markCentre) {
    for (int n = 1; n <= highestNumber; ++n) {
        const MmPoint cell = grid.cellOffset(n);
        const MmPoint mark{origin.x0 + fieldOrigin.x + cell.x, origin.y0 + fieldOrigin.y + cell.y};
        form.cells.push_back({SlipFormCell::Kind::Number, field, n, QString::number(n),
                              cellAround(mark, markCentre)});
    }
}

void addJokers(SlipForm& form, MmPoint yes, MmPoint no, SlipOrigin origin, MmPoint markCentre) {
    form.cells.push_back({SlipFormCell::Kind::JokerYes, 0, 0, QStringLiteral("Igen"),
                          cellAround(at(origin, yes), markCentre)});
    form.cells.push_back({SlipFormCell::Kind::JokerNo, 0, 0, QStringLiteral("Nem"),
                          cellAround(at(origin, no), markCentre)});
}

} // namespace

MmSize markCellSize(TextMetrics& metrics, const QString& markSymbol) {
    const PrintFont font = slipMarkFont();
    return {metrics.advance(font, markSymbol) * PrintUnits::millimetresPerInch,
            metrics.cellHeight(font) * PrintUnits::millimetresPerInch};
}

SlipForm keySlipForm(int game, SlipOrigin origin, MmSize markCell) {
    return keySlipForm(game, origin, middleOf(markCell));
}

SlipForm combinationSlipForm(int game, SlipOrigin origin, MmSize markCell) {
    return combinationSlipForm(game, origin, middleOf(markCell));
}

SlipForm keySlipForm(int game, SlipOrigin origin, MmPoint markCentre) {
    const KeySlip& layout = keySlip(game);
    const int highestNumber = gameProfile(game).highestNumber;
    SlipForm form;
    const int fields = 2 * layout.fieldsPerBand;
    form.cells.reserve(size_t(fields * highestNumber + 2));
    for (int field = 1; field <= fields; ++field) {
        addField(form, field, layout.grid, layout.fieldOrigin(field), highestNumber, origin,
                 markCentre);
    }
    addJokers(form, layout.jokerYes, layout.jokerNo, origin, markCentre);
    return form;
}

SlipForm combinationSlipForm(int game, SlipOrigin origin, MmPoint markCentre) {
    const CombinationSlip& layout = combinationSlip(game);
    const int highestNumber = gameProfile(game).highestNumber;
    const QStringList& codes = systemTable(game).codes;
    SlipForm form;
    form.cells.reserve(size_t(2 * highestNumber + 2 + codes.size()));
    addField(form, 1, layout.grid, layout.fixFieldOrigin(), highestNumber, origin, markCentre);
    addField(form, 2, layout.grid, layout.combinationFieldOrigin(), highestNumber, origin,
             markCentre);
    addJokers(form, layout.jokerYes, layout.jokerNo, origin, markCentre);
    for (int s = 0; s < int(codes.size()); ++s) {
        form.cells.push_back({SlipFormCell::Kind::SystemBox, 0, s, codes[s],
                              cellAround(at(origin, layout.systemBox(s)), markCentre)});
    }
    return form;
}
