#include "core/slip/SlipComposer.h"

#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/print/PrintSurface.h"

#include <algorithm>

namespace {

const QString headerFace = QStringLiteral("times new roman");
const QString markFace = QStringLiteral("arial black");
constexpr double slipPoints = 9;

// Prints one text with its top-left corner at (x, y), ending the line.
void printAt(PrintSurface& surface, double x, double y, const QString& text) {
    surface.setPosX(x);
    surface.setPosY(y);
    surface.printText(text);
}

double baseOf(HeaderBase base, const SlipOrigin& origin) {
    return base == HeaderBase::HeaderTop ? headerBase(origin.y0) : origin.y0;
}

// Prints a mark with its top-left corner at (x, y).
void markAt(PrintSurface& surface, double x, double y, const QString& mark) {
    surface.setPosX(x);
    surface.setPosY(y);
    surface.printMark(mark);
}

void printHeaderItem(PrintSurface& surface, const HeaderItem& item, const SlipOrigin& origin) {
    printAt(surface, origin.x0 + item.dx, baseOf(item.base, origin) + item.dy, item.text);
}

void printSlipNumber(PrintSurface& surface, const SlipNumberPlace& place, long long number,
                     const SlipOrigin& origin) {
    printAt(surface, origin.x0 + place.dx, baseOf(place.base, origin) + place.dy,
            formatSlipNumber(number, place.pattern));
}

void printJoker(PrintSurface& surface, MmPoint yes, MmPoint no, const MarkStyle& style,
                const SlipOrigin& origin) {
    const MmPoint box = style.jokerYes ? yes : no;
    markAt(surface, origin.x0 + box.x, origin.y0 + box.y, style.markSymbol);
}

bool inRange(int number, int highestNumber) {
    return number >= 1 && number <= highestNumber;
}

// Marks the numbers of a row in the grid whose origin is fieldOrigin (relative to X0, Y0), in
// the order they stand in the row. At most maxNumbers of them are read; numbers outside 1..N
// are left unmarked.
void markRow(PrintSurface& surface, const NumberGrid& grid, MmPoint fieldOrigin,
             const QString& rowText, int maxNumbers, int highestNumber, const MarkStyle& style,
             const SlipOrigin& origin) {
    const int count = std::min(rowWidth(rowText), maxNumbers);
    for (int k = 1; k <= count; ++k) {
        const int n = rowValue(rowText, k);
        if (!inRange(n, highestNumber)) {
            continue;
        }
        const MmPoint cell = grid.cellOffset(n);
        markAt(surface, origin.x0 + fieldOrigin.x + cell.x, origin.y0 + fieldOrigin.y + cell.y,
               style.markSymbol);
    }
}

// Field number (1-based) of a row in an all-rows run: its position mod P, plus one.
int allRowsField(int position, int fieldsPerSlip) {
    const int rest = position % fieldsPerSlip;
    return (rest < 0 ? rest + fieldsPerSlip : rest) + 1;
}

// Slip number of the slip whose first row stands at the given position.
long long slipNumberOf(int position, int fieldsPerSlip) {
    const long long p = position;
    const long long quotient =
        p >= 0 ? p / fieldsPerSlip : -((-p + fieldsPerSlip - 1) / fieldsPerSlip);
    return quotient + 1;
}

} // namespace

KeySlipPlace allRowsSlipPlace(int position, int fieldsPerSlip) {
    return {slipNumberOf(position, fieldsPerSlip), allRowsField(position, fieldsPerSlip)};
}

namespace {

void beginKeySlip(PrintSurface& surface, const KeySlip& layout, long long slipNumber,
                  const MarkStyle& style, const SlipOrigin& origin) {
    surface.setFontName(headerFace);
    const int lines = std::clamp(layout.headerLineCount, 0, 2);
    for (int i = 0; i < lines; ++i) {
        printHeaderItem(surface, layout.headerLines[i], origin);
    }
    printSlipNumber(surface, layout.slipNumber, slipNumber, origin);
    surface.setFontName(markFace);
    printJoker(surface, layout.jokerYes, layout.jokerNo, style, origin);
}

} // namespace

SlipOrigin keySlipOrigin(const KeySlip& layout, const QString& offsetDown,
                         const QString& offsetRight, bool landscape) {
    double y0 = double(offsetNumber(offsetDown)) + layout.yAdjust;
    if (landscape) {
        y0 += layout.landscapeShift;
    }
    return {double(offsetNumber(offsetRight)), y0};
}

SlipOrigin combinationSlipOrigin(const QString& offsetDown, const QString& offsetRight) {
    return {double(offsetNumber(offsetRight)), double(offsetNumber(offsetDown))};
}

QString markSymbolForOption(int optionIndex) {
    switch (optionIndex) {
    case 0:
        return QStringLiteral("x");
    case 1:
        return QStringLiteral("*");
    case 2:
        return QStringLiteral("•");
    default:
        return {};
    }
}

void setUpSlipSurface(PrintSurface& surface) {
    surface.setFontName(headerFace);
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.setBold(true);
    surface.setFontSize(slipPoints);
}

PrintFont slipMarkFont() {
    return {markFace, slipPoints, true};
}

MmPoint markInkCentre(PrintSurface& surface, const QString& markSymbol) {
    const PrintFont font = slipMarkFont();
    surface.setUnits(PrintSurface::Units::Millimetres);
    surface.setFontName(font.face);
    surface.setBold(font.bold);
    surface.setFontSize(font.points);
    const InkBox ink = surface.measureInk(markSymbol);
    return {ink.centreX(), ink.centreY()};
}

void composeKeySlips(PrintSurface& surface, const KeySlip& layout, int numbersPerRow,
                     int highestNumber, const std::vector<KeyRow>& rows, int fieldsPerSlip,
                     KeyRunMode mode, const MarkStyle& style, SlipOrigin origin) {
    // The fields of a slip never exceed the layout's two bands.
    const int p = std::clamp(fieldsPerSlip, 1, std::max(1, layout.maxFieldsPerSlip));
    bool firstSlip = true;
    int field = 0;
    for (const KeyRow& row : rows) {
        if (mode == KeyRunMode::AllRows) {
            field = allRowsSlipPlace(row.position, p).field;
        } else {
            field = field % p + 1;
        }
        if (field == 1) {
            if (!firstSlip) {
                surface.newPage();
            }
            firstSlip = false;
            beginKeySlip(surface, layout, slipNumberOf(row.position, p), style, origin);
        }
        markRow(surface, layout.grid, layout.fieldOrigin(field), row.text, numbersPerRow,
                highestNumber, style, origin);
    }
}

void composeCombinationSlips(PrintSurface& surface, const CombinationSlip& layout,
                             int highestNumber, const std::vector<CombinationSlipRow>& rows,
                             const std::vector<int>& fixNumbers, int systemIndex,
                             const MarkStyle& style, SlipOrigin origin) {
    std::vector<int> fix;
    fix.reserve(fixNumbers.size());
    for (int n : fixNumbers) {
        if (inRange(n, highestNumber)) {
            fix.push_back(n);
        }
    }
    std::sort(fix.begin(), fix.end());
    fix.erase(std::unique(fix.begin(), fix.end()), fix.end());

    bool firstSlip = true;
    for (const CombinationSlipRow& row : rows) {
        if (!firstSlip) {
            surface.newPage();
        }
        firstSlip = false;
        surface.setFontName(headerFace);
        printHeaderItem(surface, layout.headerLines[0], origin);
        printHeaderItem(surface, layout.headerLines[1], origin);
        printSlipNumber(surface, layout.slipNumber, row.slipNumber, origin);
        surface.setFontName(markFace);
        printJoker(surface, layout.jokerYes, layout.jokerNo, style, origin);
        markRow(surface, layout.grid, layout.combinationFieldOrigin(), row.text,
                layout.rowNumbersPrinted, highestNumber, style, origin);
        const MmPoint fixOrigin = layout.fixFieldOrigin();
        for (int n : fix) {
            const MmPoint cell = layout.grid.cellOffset(n);
            markAt(surface, origin.x0 + fixOrigin.x + cell.x, origin.y0 + fixOrigin.y + cell.y,
                   style.markSymbol);
        }
        // No system chosen (negative index): no box is marked.
        if (systemIndex >= 0) {
            const MmPoint box = layout.systemBox(systemIndex);
            markAt(surface, origin.x0 + box.x, origin.y0 + box.y, style.markSymbol);
        }
    }
}
