#include "core/alignment/TestSheet.h"

#include "core/alignment/AlignmentReading.h"
#include "core/base/GameProfile.h"
#include "core/base/NumberText.h"
#include "core/print/PrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SystemTable.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

using Orientation = PrintSurface::Orientation;

constexpr double armLength = 10;      // mm each way from the centre
constexpr double tickStep = 0.5;      // mm between ticks
constexpr int ticksPerArm = 20;       // armLength / tickStep
constexpr double lineWidth = 0.1;     // mm: arms and ticks
constexpr double outlineWidth = 0.05; // mm: the cells' outlines, thinner than the scales
constexpr double labelledTick = 1.0;  // half lengths of the ticks: every 2 mm (labelled) ...
constexpr double wholeTick = 0.7;     // ... every whole millimetre ...
constexpr double halfTick = 0.4;      // ... and every half
constexpr double nearLabels = 2.5;    // mm from the horizontal arm to the nearer row of its numbers
constexpr double farLabels = 4.0;     // ... and to the farther row (middles of the rows)
constexpr double besideArm = 2.0;     // mm from the vertical arm to the near edge of its numbers
constexpr double letterAway = 7;      // mm right and down from the centre to the letter's middle
constexpr double labelPoints = 5;     // the scale's numbers
constexpr double textPoints = 6;      // the line of text
constexpr double textWidth = 70;      // mm: the text is broken into lines this wide at most
const QString textFace = QStringLiteral("times new roman");
const QString defaultMark = QStringLiteral("x");

// The paper the sheet is cut to: A4 in the job's orientation, the page the programs print on
// when there is no printer.
struct Paper {
    double width;
    double height;
};

Paper paperFor(Orientation orientation) {
    return orientation == Orientation::Landscape ? Paper{297, 210} : Paper{210, 297};
}

Orientation orientationOf(const TestSheetRequest& request) {
    return request.family == PrinterFamily::Key && request.landscape ? Orientation::Landscape
                                                                     : Orientation::Portrait;
}

QString markOf(const TestSheetRequest& request) {
    return request.markSymbol.isEmpty() ? defaultMark : request.markSymbol;
}

SlipOrigin originOf(const TestSheetRequest& request) {
    if (request.family == PrinterFamily::Key) {
        return keySlipOrigin(keySlip(request.game), request.offsetDown, request.offsetRight,
                             request.landscape);
    }
    return combinationSlipOrigin(request.offsetDown, request.offsetRight);
}

const SlipFormCell* findCell(const SlipForm& form, SlipFormCell::Kind kind, int field, int value) {
    const auto found = std::find_if(form.cells.begin(), form.cells.end(), [&](const auto& cell) {
        return cell.kind == kind && cell.field == field && cell.value == value;
    });
    return found == form.cells.end() ? nullptr : &*found;
}

MmPoint centreOf(const SlipFormCell* cell) {
    return cell ? cell->rect.centre() : MmPoint{};
}

// An axis-parallel line cut at the paper's edge; nothing when none of it is on the paper.
void drawOnPaper(PrintSurface& surface, const Paper& paper, MmPoint from, MmPoint to,
                 double width = lineWidth) {
    const double left = std::max(std::min(from.x, to.x), 0.0);
    const double right = std::min(std::max(from.x, to.x), paper.width);
    const double top = std::max(std::min(from.y, to.y), 0.0);
    const double bottom = std::min(std::max(from.y, to.y), paper.height);
    if (left > right || top > bottom) {
        return;
    }
    surface.drawLine(left, top, right, bottom, width);
}

// Prints a text with its ink centred on the point, when all of its ink is on the paper.
void printCentred(PrintSurface& surface, const Paper& paper, MmPoint centre, const QString& text) {
    const InkBox ink = surface.measureInk(text);
    const double x = centre.x - ink.centreX();
    const double y = centre.y - ink.centreY();
    if (x + ink.left < 0 || y + ink.top < 0 || x + ink.left + ink.width > paper.width ||
        y + ink.top + ink.height > paper.height) {
        return;
    }
    surface.setPosX(x);
    surface.setPosY(y);
    surface.printText(text);
}

QString scaleNumber(int millimetres) {
    return millimetres > 0 ? QStringLiteral("+%1").arg(millimetres)
                           : QStringLiteral("\u2212%1").arg(-millimetres);
}

// A cross centred on the point: 10 mm arms, a tick every half millimetre, the numbers every
// 2 mm, + to the right and downwards. The numbers of the two arms wind round the centre, each in
// a quarter of its own (the horizontal arm's + below it and its − above, the vertical arm's +
// to its left and its − to its right), clear of the cell around the centre; the horizontal
// arm's in two rows so that neighbours do not touch. The letter stands in the quarter right and
// below.
void drawCross(PrintSurface& surface, const Paper& paper, MmPoint c, const QString& letter) {
    drawOnPaper(surface, paper, {c.x - armLength, c.y}, {c.x + armLength, c.y});
    drawOnPaper(surface, paper, {c.x, c.y - armLength}, {c.x, c.y + armLength});
    for (int k = -ticksPerArm; k <= ticksPerArm; ++k) {
        if (k == 0) {
            continue;
        }
        const double d = k * tickStep;
        const double half = k % 4 == 0 ? labelledTick : k % 2 == 0 ? wholeTick : halfTick;
        drawOnPaper(surface, paper, {c.x + d, c.y - half}, {c.x + d, c.y + half});
        drawOnPaper(surface, paper, {c.x - half, c.y + d}, {c.x + half, c.y + d});
    }
    surface.setFontName(textFace);
    surface.setBold(false);
    surface.setFontSize(labelPoints);
    for (int mm = -int(armLength); mm <= int(armLength); mm += 2) {
        if (mm == 0) {
            continue;
        }
        const QString number = scaleNumber(mm);
        const double away = (std::abs(mm) / 2) % 2 == 1 ? nearLabels : farLabels;
        const double side = mm > 0 ? 1 : -1;
        const InkBox ink = surface.measureInk(number);
        printCentred(surface, paper, {c.x + mm, c.y + side * away}, number);
        printCentred(surface, paper, {c.x - side * (besideArm + ink.width / 2), c.y + mm}, number);
    }
    surface.setBold(true);
    surface.setFontSize(9);
    printCentred(surface, paper, {c.x + letterAway, c.y + letterAway}, letter);
}

void outline(PrintSurface& surface, const Paper& paper, const MmRect& r) {
    const double right = r.left + r.width;
    const double bottom = r.top + r.height;
    drawOnPaper(surface, paper, {r.left, r.top}, {right, r.top}, outlineWidth);
    drawOnPaper(surface, paper, {r.left, bottom}, {right, bottom}, outlineWidth);
    drawOnPaper(surface, paper, {r.left, r.top}, {r.left, bottom}, outlineWidth);
    drawOnPaper(surface, paper, {right, r.top}, {right, bottom}, outlineWidth);
}

// The words of the text in lines no wider than the width, measured in the current font: each
// word once, a line as its words and the blanks between them.
QStringList brokenIntoLines(PrintSurface& surface, const QString& text, double width) {
    const double blank = surface.measureText(QStringLiteral(" "));
    QStringList lines;
    QString line;
    double used = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const double wordWidth = surface.measureText(word);
        if (!line.isEmpty() && used + blank + wordWidth > width) {
            lines << line;
            line.clear();
        }
        used = line.isEmpty() ? wordWidth : used + blank + wordWidth;
        line = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

// The text where a slip's header goes: from X0 and the header base, never off the paper's top
// or left edge.
void printText(PrintSurface& surface, const TestSheetRequest& request, SlipOrigin origin) {
    surface.setFontName(textFace);
    surface.setBold(false);
    surface.setFontSize(textPoints);
    surface.setPosY(headerBase(origin.y0));
    const double x = std::max(origin.x0, 0.0);
    for (const QString& line : brokenIntoLines(surface, testSheetText(request), textWidth)) {
        surface.setPosX(x);
        surface.printText(line);
    }
}

} // namespace

TestSheetGeometry testSheetGeometry(const TestSheetRequest& request, MmPoint markCentre) {
    TestSheetGeometry geometry;
    geometry.origin = originOf(request);
    const int highest = gameProfile(request.game).highestNumber;
    const bool key = request.family == PrinterFamily::Key;
    const SlipForm form = key ? keySlipForm(request.game, geometry.origin, markCentre)
                              : combinationSlipForm(request.game, geometry.origin, markCentre);
    const int lastField = key ? keySlip(request.game).maxFieldsPerSlip : 2;
    const int lastSystem = int(systemTable(request.game).codes.size()) - 1;
    const SlipFormCell* b = key ? findCell(form, SlipFormCell::Kind::Number, lastField, highest)
                                : findCell(form, SlipFormCell::Kind::SystemBox, 0, lastSystem);
    geometry.a = centreOf(findCell(form, SlipFormCell::Kind::Number, 1, 1));
    geometry.b = centreOf(b);
    for (const SlipFormCell& cell : form.cells) {
        if (cell.kind == SlipFormCell::Kind::Number &&
            (cell.field == 1 || cell.field == lastField)) {
            geometry.outlines.push_back(cell.rect);
        }
    }
    if (!key && b) {
        geometry.outlines.push_back(b->rect);
    }
    return geometry;
}

MmPoint referenceSpan(PrinterFamily family, int game) {
    TestSheetRequest request;
    request.family = family;
    request.game = game;
    const TestSheetGeometry geometry = testSheetGeometry(request, {});
    return {geometry.b.x - geometry.a.x, geometry.b.y - geometry.a.y};
}

QString testSheetText(const TestSheetRequest& request) {
    const QString orientation = orientationOf(request) == Orientation::Landscape
                                    ? QStringLiteral("fekvő")
                                    : QStringLiteral("álló");
    const QString cell = request.family == PrinterFamily::Key
                             ? QStringLiteral("a szelvény saját kockájának")
                             : QStringLiteral("a szelvény saját kockájának (B-nél a rendszer "
                                              "dobozának)");
    return QStringLiteral("Próbalap – %1 – eltolás: %2 – %3 – %4. Olvassa le az A és a B "
                          "skáláján, hol van %5 közepe: jobbra és lefelé pozitív. Ha a skálán "
                          "túl van, mérje meg vonalzóval.")
        .arg(request.programName,
             offsetWords(double(offsetNumber(request.offsetDown)),
                         double(offsetNumber(request.offsetRight))),
             orientation, request.date.toString(QStringLiteral("yyyy.MM.dd")), cell);
}

PrintRunResult printTestSheet(PrintSurface& surface, const TestSheetRequest& request) {
    const Orientation orientation = orientationOf(request);
    if (request.family == PrinterFamily::Key) {
        surface.setOrientation(orientation);
    }
    setUpSlipSurface(surface);
    const Paper paper = paperFor(orientation);
    const TestSheetGeometry geometry =
        testSheetGeometry(request, markInkCentre(surface, markOf(request)));
    for (const MmRect& cell : geometry.outlines) {
        outline(surface, paper, cell);
    }
    drawCross(surface, paper, geometry.a, QStringLiteral("A"));
    drawCross(surface, paper, geometry.b, QStringLiteral("B"));
    printText(surface, request, geometry.origin);
    PrintRunResult result;
    result.add(surface.endJob());
    return result;
}
