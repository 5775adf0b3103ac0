#pragma once

#include "core/slip/SlipLayout.h"

#include <QString>

#include <optional>

// The four boxes the readings of a test sheet are typed into, in the order they are checked.
enum class ReadingBox { AHorizontal, AVertical, BHorizontal, BVertical };

// The caption of a reading box: "A – vízszintesen (mm):" ...
QString readingBoxLabel(ReadingBox box);

// What the user typed: where the centre of the slip's own cell (or box) lies on each scale of
// the sheet, in millimetres, right and down positive.
struct AlignmentReadings {
    QString aHorizontal;
    QString aVertical;
    QString bHorizontal; // both B boxes may stay empty: then A alone is used
    QString bVertical;
};

// The offsets the readings lead to, or why they cannot be used.
struct AlignmentResult {
    // Refused: the box at fault and a Hungarian message that names it; nothing else is set.
    std::optional<ReadingBox> faultyBox;
    QString error;

    // The new offsets: Text1 plus the mean vertical reading, Text2 plus the mean horizontal
    // one, in hundredths of a millimetre; as numbers, as the boxes and the settings file hold
    // them ("2", "1.5") and as the line the dialog shows ("Új eltolás: lefelé 2 mm, jobbra
    // 1,5 mm").
    double offsetDown = 0;
    double offsetRight = 0;
    QString offsetDownText;
    QString offsetRightText;
    QString newOffsetLine;

    // With B read: per axis the scale the printer prints the page at, 1 − (B − A reading) /
    // (B − A position).
    std::optional<double> scaleX;
    std::optional<double> scaleY;

    // A's and B's readings differing by more than 1 mm on either axis: a page scaled evenly
    // (both axes within one percentage point) or a slip standing askew. The mean can still be
    // applied; warningText says what is wrong and what to do.
    enum class Warning { None, Scaled, Askew };
    Warning warning = Warning::None;
    double impliedScale = 1; // Scaled: the mean of the two axes' scales
    QString warningText;

    bool accepted() const { return !faultyBox; }
};

// Reads the four boxes (decimals with "," or ".", a sign allowed, at most 150 mm either way)
// against the offsets the sheet was printed with (Text1, Text2 as the window held them) and the
// distance from A to B on the page (referenceSpan).
AlignmentResult readAlignment(const AlignmentReadings& readings, const QString& offsetDown,
                              const QString& offsetRight, MmPoint span);

// Millimetres as a Hungarian text shows them: to the hundredth, a decimal comma ("1,5", "-2").
QString hungarianMillimetres(double value);

// "lefelé 2 mm, jobbra 1,5 mm"
QString offsetWords(double down, double right);
