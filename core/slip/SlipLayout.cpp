#include "core/slip/SlipLayout.h"

#include "core/base/GameProfile.h"
#include "core/base/Maker.h"

namespace {

const QString makerKey = QStringLiteral("   Kelvadata/2010");
const QString makerCombination = QStringLiteral(" Kelvadata/2010");

} // namespace

MmPoint NumberGrid::cellOffset(int n) const {
    const int index = n - 1;
    // Floor division keeps out-of-range numbers on the same lattice instead of folding them.
    int row = index / columns;
    int column = index % columns;
    if (column < 0) {
        column += columns;
        --row;
    }
    return {-pitch * row, pitch * (column + 1)};
}

MmPoint KeySlip::fieldOrigin(int field) const {
    const int band = field <= fieldsPerBand ? 0 : 1;
    const int place = field - fieldsPerBand * band;
    return {83.0 - bandPitch * band, gridStart + fieldPitch * (place - 1)};
}

MmPoint CombinationSlip::fixFieldOrigin() const {
    return {fixFieldX, gridStart};
}

MmPoint CombinationSlip::combinationFieldOrigin() const {
    return {fixFieldX - combinationShift, gridStart};
}

MmPoint CombinationSlip::systemBox(int systemIndex) const {
    const int r = systemBoxesPerColumn;
    return {82.5 - NumberGrid::pitch * ((systemIndex % r) + 1),
            systemBoxTop + systemBoxPitch * (systemIndex / r)};
}

const KeySlip& keySlip(int game) {
    const HeaderItem maker{makerKey, 7.0, 0.0, HeaderBase::HeaderTop};
    static const KeySlip five{
        .grid = {10, 9},
        .fieldsPerBand = 3,
        .maxFieldsPerSlip = 6,
        .bandPitch = 41.0,
        .fieldPitch = 46.5,
        .gridStart = 8.5,
        .yAdjust = 5.2,
        .landscapeShift = 49.5,
        .jokerYes = {1.2, 67.0},
        .jokerNo = {1.2, 75.5},
        .headerLineCount = 2,
        .headerLines = {maker,
                        {QStringLiteral("  ") + Maker::telephoneLine, 7.0, 4.0,
                         HeaderBase::HeaderTop}},
        .slipNumber = {SlipNumberPattern::RightAlign3, 12.0, 8.0, HeaderBase::Offset},
    };
    static const KeySlip six{
        .grid = {7, 7},
        .fieldsPerBand = 4,
        .maxFieldsPerSlip = 8,
        .bandPitch = 33.5,
        .fieldPitch = 33.5,
        .gridStart = 13.5,
        .yAdjust = 0.0,
        .landscapeShift = 0.0,
        .jokerYes = {1.5, 13.5 + 4 * 4.2},
        .jokerNo = {1.5, 13.5 + 6 * 4.2},
        .headerLineCount = 0,
        .headerLines = {},
        .slipNumber = {SlipNumberPattern::Plain, 12.0, 10.0, HeaderBase::HeaderTop},
    };
    static const KeySlip seven{
        .grid = {5, 7},
        .fieldsPerBand = 5,
        .maxFieldsPerSlip = 10,
        .bandPitch = 33.5,
        .fieldPitch = 25.2,
        .gridStart = 13.5,
        .yAdjust = 5.2,
        .landscapeShift = 49.5,
        .jokerYes = {1.5, 13.5 + 4 * 4.2},
        .jokerNo = {1.5, 13.5 + 6 * 4.2},
        .headerLineCount = 2,
        .headerLines = {maker, {Maker::telephoneLine, 7.0, 4.0, HeaderBase::HeaderTop}},
        .slipNumber = {SlipNumberPattern::RightAlign3, 7.0, 14.0, HeaderBase::Offset},
    };
    return forGame(game, five, six, seven);
}

const CombinationSlip& combinationSlip(int game) {
    const HeaderItem maker{makerCombination, 0.0, 0.0, HeaderBase::HeaderTop};
    const HeaderItem phone{Maker::telephoneLine, 5.0, 3.0, HeaderBase::HeaderTop};
    static const CombinationSlip five{
        .grid = {15, 6},
        .fixFieldX = 82.5,
        .gridStart = 13.5,
        .combinationShift = 33.5,
        .systemBoxesPerColumn = 12,
        .systemBoxTop = 13.5 + 67 + 8.4,
        .systemBoxPitch = 5 * 4.2,
        .jokerYes = {1.2, 13.5 + 4 * 4.2},
        .jokerNo = {1.2, 13.5 + 6 * 4.2},
        .headerLines = {maker, phone},
        .slipNumber = {SlipNumberPattern::Plain, 15.0, 15.0, HeaderBase::HeaderTop},
        .rowNumbersPrinted = 15,
    };
    static const CombinationSlip six{
        .grid = {7, 7},
        .fixFieldX = 82.5,
        .gridStart = 13.5,
        .combinationShift = 33.5,
        .systemBoxesPerColumn = 12,
        .systemBoxTop = 59.7,
        .systemBoxPitch = 6 * 4.2,
        .jokerYes = {1.2, 13.5 + 4 * 4.2},
        .jokerNo = {1.2, 13.5 + 6 * 4.2},
        .headerLines = {maker, phone},
        .slipNumber = {SlipNumberPattern::Plain, 15.0, 15.0, HeaderBase::HeaderTop},
        .rowNumbersPrinted = 40,
    };
    static const CombinationSlip seven{
        .grid = {5, 7},
        .fixFieldX = 78.5,
        .gridStart = 18.5,
        .combinationShift = 33.5,
        .systemBoxesPerColumn = 15,
        .systemBoxTop = 56.7,
        .systemBoxPitch = 6 * 4.2,
        .jokerYes = {2.5, 14.5 + 4 * 4.2},
        .jokerNo = {2.5, 14.5 + 6 * 4.2},
        .headerLines = {maker, phone},
        .slipNumber = {SlipNumberPattern::Plain, 15.0, 10.0, HeaderBase::HeaderTop},
        .rowNumbersPrinted = 40,
    };
    return forGame(game, five, six, seven);
}

QString formatSlipNumber(long long number, SlipNumberPattern pattern) {
    const QString digits = QString::number(number);
    if (pattern == SlipNumberPattern::RightAlign3) {
        return digits.rightJustified(3, QLatin1Char(' '));
    }
    return digits;
}
