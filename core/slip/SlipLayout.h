#pragma once

#include <QString>

// Millimetre geometry of the slips. X grows to the right, Y downwards; X0 and Y0 come from the
// user's print offset, H is the header base (Y0, or 0 when Y0 is negative).

struct MmPoint {
    double x = 0;
    double y = 0;
};

// Number grid of one field: numbers run down the columns, successive grid rows step to the left.
struct NumberGrid {
    static constexpr double pitch = 4.2;
    int columns; // C
    int rows;

    // Offset of number n's cell from the grid origin (GX, GY): (-4.2*i, 4.2*j).
    MmPoint cellOffset(int n) const;
};

enum class HeaderBase {
    Offset,    // measured from Y0
    HeaderTop, // measured from H
};

// One text of a slip header: printed at (X0 + dx, base + dy).
struct HeaderItem {
    QString text;
    double dx;
    double dy;
    HeaderBase base;
};

enum class SlipNumberPattern {
    Plain,      // "###0": the plain decimal number
    RightAlign3 // "@@@": right-aligned in three characters
};

struct SlipNumberPlace {
    SlipNumberPattern pattern;
    double dx;
    double dy;
    HeaderBase base;
};

struct KeySlip {
    NumberGrid grid;
    int fieldsPerBand;     // F
    int maxFieldsPerSlip;  // also the default of the fields-per-slip box
    double bandPitch;      // BP, along X
    double fieldPitch;     // FP, along Y
    double gridStart;      // G0, along Y
    double yAdjust;        // added to the Text1 value to give Y0
    double landscapeShift; // further Y0 shift when printing landscape
    MmPoint jokerYes;      // offsets from (X0, Y0)
    MmPoint jokerNo;
    int headerLineCount; // maker and telephone lines present (0 or 2)
    HeaderItem headerLines[2];
    SlipNumberPlace slipNumber;

    // Grid origin of field f (1-based) relative to (X0, Y0).
    MmPoint fieldOrigin(int field) const;
};

struct CombinationSlip {
    NumberGrid grid;
    double fixFieldX;         // XB
    double gridStart;         // G0
    double combinationShift;  // the combination field lies this far left of the FIX field
    int systemBoxesPerColumn; // R
    double systemBoxTop;      // SY
    double systemBoxPitch;    // SP
    MmPoint jokerYes;
    MmPoint jokerNo;
    HeaderItem headerLines[2];
    SlipNumberPlace slipNumber;
    int rowNumbersPrinted; // numbers of a row printed at most

    MmPoint fixFieldOrigin() const;
    MmPoint combinationFieldOrigin() const;
    // Box of system index s (0-based) relative to (X0, Y0).
    MmPoint systemBox(int systemIndex) const;
};

const KeySlip& keySlip(int game);
const CombinationSlip& combinationSlip(int game);

// Header base: Y0 itself when it is zero or more, otherwise the page top.
inline double headerBase(double y0) {
    return y0 >= 0 ? y0 : 0.0;
}

// The slip number as the pattern prints it.
QString formatSlipNumber(long long number, SlipNumberPattern pattern);
