#include "SlipLayout.h"

#include "GameProfile.h"

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
    static const KeySlip five{
        {10, 9}, 3, 6, 41.0, 46.5, 8.5, 5.2, 49.5,
        {1.2, 67.0}, {1.2, 75.5},
        2,
        {{makerKey, 7.0, 0.0, HeaderBase::HeaderTop},
         {QStringLiteral("  ") + Maker::telephoneLine, 7.0, 4.0,
          HeaderBase::HeaderTop}},
        {SlipNumberPattern::RightAlign3, 12.0, 8.0, HeaderBase::Offset},
    };
    static const KeySlip six{
        {7, 7}, 4, 8, 33.5, 33.5, 13.5, 0.0, 0.0,
        {1.5, 13.5 + 4 * 4.2}, {1.5, 13.5 + 6 * 4.2},
        0,
        {},
        {SlipNumberPattern::Plain, 12.0, 10.0, HeaderBase::HeaderTop},
    };
    static const KeySlip seven{
        {5, 7}, 5, 10, 33.5, 25.2, 13.5, 5.2, 49.5,
        {1.5, 13.5 + 4 * 4.2}, {1.5, 13.5 + 6 * 4.2},
        2,
        {{makerKey, 7.0, 0.0, HeaderBase::HeaderTop},
         {Maker::telephoneLine, 7.0, 4.0, HeaderBase::HeaderTop}},
        {SlipNumberPattern::RightAlign3, 7.0, 14.0, HeaderBase::Offset},
    };
    return game == 5 ? five : game == 7 ? seven : six;
}

const CombinationSlip& combinationSlip(int game) {
    const HeaderItem maker{makerCombination, 0.0, 0.0, HeaderBase::HeaderTop};
    const HeaderItem phone{Maker::telephoneLine, 5.0, 3.0, HeaderBase::HeaderTop};
    static const CombinationSlip five{
        {15, 6}, 82.5, 13.5, 33.5, 12, 13.5 + 67 + 8.4, 5 * 4.2,
        {1.2, 13.5 + 4 * 4.2}, {1.2, 13.5 + 6 * 4.2},
        {maker, phone},
        {SlipNumberPattern::Plain, 15.0, 15.0, HeaderBase::HeaderTop},
        15,
    };
    static const CombinationSlip six{
        {7, 7}, 82.5, 13.5, 33.5, 12, 59.7, 6 * 4.2,
        {1.2, 13.5 + 4 * 4.2}, {1.2, 13.5 + 6 * 4.2},
        {maker, phone},
        {SlipNumberPattern::Plain, 15.0, 15.0, HeaderBase::HeaderTop},
        40,
    };
    static const CombinationSlip seven{
        {5, 7}, 78.5, 18.5, 33.5, 15, 56.7, 6 * 4.2,
        {2.5, 14.5 + 4 * 4.2}, {2.5, 14.5 + 6 * 4.2},
        {maker, phone},
        {SlipNumberPattern::Plain, 15.0, 10.0, HeaderBase::HeaderTop},
        40,
    };
    return game == 5 ? five : game == 7 ? seven : six;
}

QString formatSlipNumber(long long number, SlipNumberPattern pattern) {
    const QString digits = QString::number(number);
    if (pattern == SlipNumberPattern::RightAlign3) {
        return digits.rightJustified(3, QLatin1Char(' '));
    }
    return digits;
}
