#include "core/slip/SlipForm.h"

#include "core/base/GameProfile.h"
#include "core/print/PrintUnits.h"
#include "core/slip/SystemTable.h"

namespace {

const QString markFace = QStringLiteral("arial black");
constexpr double markPoints = 9;

// The cell whose centre is the centre of a mark printed with its top-left at the point.
MmRect cellAround(MmPoint markPoint, MmSize markCell) {
    const double centreX = markPoint.x + markCell.width / 2;
    const double centreY = markPoint.y + markCell.height / 2;
    return {centreX - slipFormCellSize.width / 2, centreY - slipFormCellSize.height / 2,
            slipFormCellSize.width, slipFormCellSize.height};
}

MmPoint at(SlipOrigin origin, MmPoint offset) {
    return {origin.x0 + offset.x, origin.y0 + offset.y};
}

// The cells of numbers 1..N of one field whose grid origin lies at fieldOrigin from (X0, Y0).
void addField(SlipForm& form, int field, const NumberGrid& grid, MmPoint fieldOrigin,
              int highestNumber, SlipOrigin origin, MmSize markCell) {
    for (int n = 1; n <= highestNumber; ++n) {
        const MmPoint cell = grid.cellOffset(n);
        const MmPoint mark{origin.x0 + fieldOrigin.x + cell.x, origin.y0 + fieldOrigin.y + cell.y};
        form.cells.push_back(
            {SlipFormCell::Kind::Number, field, n, QString::number(n), cellAround(mark, markCell)});
    }
}

void addJokers(SlipForm& form, MmPoint yes, MmPoint no, SlipOrigin origin, MmSize markCell) {
    form.cells.push_back({SlipFormCell::Kind::JokerYes, 0, 0, QStringLiteral("Igen"),
                          cellAround(at(origin, yes), markCell)});
    form.cells.push_back({SlipFormCell::Kind::JokerNo, 0, 0, QStringLiteral("Nem"),
                          cellAround(at(origin, no), markCell)});
}

} // namespace

MmSize markCellSize(TextMetrics& metrics, const QString& markSymbol) {
    const PrintFont font{markFace, markPoints, true};
    return {metrics.advance(font, markSymbol) * PrintUnits::millimetresPerInch,
            metrics.cellHeight(font) * PrintUnits::millimetresPerInch};
}

SlipForm keySlipForm(int game, SlipOrigin origin, MmSize markCell) {
    const KeySlip& layout = keySlip(game);
    const int highestNumber = gameProfile(game).highestNumber;
    SlipForm form;
    const int fields = 2 * layout.fieldsPerBand;
    form.cells.reserve(size_t(fields * highestNumber + 2));
    for (int field = 1; field <= fields; ++field) {
        addField(form, field, layout.grid, layout.fieldOrigin(field), highestNumber, origin,
                 markCell);
    }
    addJokers(form, layout.jokerYes, layout.jokerNo, origin, markCell);
    return form;
}

SlipForm combinationSlipForm(int game, SlipOrigin origin, MmSize markCell) {
    const CombinationSlip& layout = combinationSlip(game);
    const int highestNumber = gameProfile(game).highestNumber;
    const QStringList& codes = systemTable(game).codes;
    SlipForm form;
    form.cells.reserve(size_t(2 * highestNumber + 2 + codes.size()));
    addField(form, 1, layout.grid, layout.fixFieldOrigin(), highestNumber, origin, markCell);
    addField(form, 2, layout.grid, layout.combinationFieldOrigin(), highestNumber, origin,
             markCell);
    addJokers(form, layout.jokerYes, layout.jokerNo, origin, markCell);
    for (int s = 0; s < int(codes.size()); ++s) {
        form.cells.push_back({SlipFormCell::Kind::SystemBox, 0, s, codes[s],
                              cellAround(at(origin, layout.systemBox(s)), markCell)});
    }
    return form;
}
