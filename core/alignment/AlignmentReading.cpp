#include "core/alignment/AlignmentReading.h"

#include "core/base/NumberText.h"

#include <QRegularExpression>

#include <array>
#include <cmath>

namespace {

constexpr double farthestReading = 150; // mm either way
constexpr double agreeingReadings = 1;  // mm: A and B further apart tell a scale or a skew
constexpr double agreeingScales = 0.01; // one percentage point: a scale, not a skew
constexpr double rounding = 1e-9;       // what typed decimals lose in binary

double toHundredths(double value) {
    return std::round(value * 100) / 100;
}

struct Reading {
    enum class Kind { Empty, NotANumber, TooFar, Number };
    Kind kind = Kind::Empty;
    double value = 0;
    QString typed; // blanks around it removed
};

// A decimal with "," or "." and a sign, nothing else; the minus sign of typeset text counts as
// one.
Reading read(const QString& text) {
    Reading reading;
    reading.typed = text.trimmed();
    if (reading.typed.isEmpty()) {
        return reading;
    }
    static const QRegularExpression decimal(
        QStringLiteral(R"(^([+-]?)\s*(\d+([.,]\d*)?|[.,]\d+)$)"));
    QString plain = reading.typed;
    plain.replace(QChar(0x2212), QLatin1Char('-'));
    const QRegularExpressionMatch match = decimal.match(plain);
    bool ok = false;
    if (match.hasMatch()) {
        QString digits = match.captured(2);
        digits.replace(QLatin1Char(','), QLatin1Char('.'));
        reading.value = digits.toDouble(&ok);
        if (match.captured(1) == QLatin1String("-")) {
            reading.value = -reading.value;
        }
    }
    if (!ok) {
        reading.kind = Reading::Kind::NotANumber;
    } else if (std::fabs(reading.value) > farthestReading) {
        reading.kind = Reading::Kind::TooFar;
    } else {
        reading.kind = Reading::Kind::Number;
    }
    return reading;
}

AlignmentResult refused(ReadingBox box, const QString& why) {
    AlignmentResult result;
    result.faultyBox = box;
    result.error = readingBoxLabel(box) + QLatin1Char('\n') + why;
    return result;
}

// The fault of a box that must hold a reading, if any.
std::optional<QString> faultOf(const Reading& reading) {
    switch (reading.kind) {
    case Reading::Kind::Empty:
        return QStringLiteral("A mező üres: írja be, amit a próbalap skáláján leolvasott.");
    case Reading::Kind::NotANumber:
        return QStringLiteral("„%1” nem szám. Milliméterben írja be, tizedesvesszővel vagy "
                              "-ponttal, előjellel is (például -1,5).")
            .arg(reading.typed);
    case Reading::Kind::TooFar:
        return QStringLiteral("„%1” mm túl messze van: egy leolvasás legfeljebb %2 mm lehet "
                              "mindkét irányban. Mérje meg újra.")
            .arg(reading.typed)
            .arg(farthestReading);
    case Reading::Kind::Number:
        break;
    }
    return std::nullopt;
}

QString percent(double scale) {
    return hungarianMillimetres(std::round(scale * 1000) / 10);
}

const QString whatToDo =
    QStringLiteral("Kapcsolja ki a nyomtató vagy a PDF-nézegető méretezését („Oldalhoz "
                   "igazítás”, „Fit to page”), nézze meg, egyenesen áll-e a szelvény a vezetők "
                   "között, és nyomtasson új próbalapot. Az átlagolt eltolás így is "
                   "alkalmazható.");

// A's and B's readings more than a millimetre apart: an even scale when both axes agree,
// otherwise a slip that stands askew.
void judgeSpread(AlignmentResult& result, double spreadX, double spreadY) {
    if (!result.scaleX || !result.scaleY ||
        (std::fabs(spreadX) <= agreeingReadings + rounding &&
         std::fabs(spreadY) <= agreeingReadings + rounding)) {
        return;
    }
    const QString differ = QStringLiteral("Figyelem: az A és a B leolvasása több mint 1 mm-rel "
                                          "eltér, ");
    if (std::fabs(*result.scaleX - *result.scaleY) <= agreeingScales + rounding) {
        result.warning = AlignmentResult::Warning::Scaled;
        result.impliedScale = (*result.scaleX + *result.scaleY) / 2;
        result.warningText = differ +
                             QStringLiteral("a nyomtató kb. %1 %-ra méretezi a lapot. ")
                                 .arg(percent(result.impliedScale)) +
                             whatToDo;
    } else {
        result.warning = AlignmentResult::Warning::Askew;
        result.warningText = differ + QStringLiteral("a szelvény ferdén áll. ") + whatToDo;
    }
}

} // namespace

QString readingBoxLabel(ReadingBox box) {
    switch (box) {
    case ReadingBox::AHorizontal:
        return QStringLiteral("A – vízszintesen (mm):");
    case ReadingBox::AVertical:
        return QStringLiteral("A – függőlegesen (mm):");
    case ReadingBox::BHorizontal:
        return QStringLiteral("B – vízszintesen (mm):");
    case ReadingBox::BVertical:
        return QStringLiteral("B – függőlegesen (mm):");
    }
    return {};
}

QString hungarianMillimetres(double value) {
    QString text = plainDecimal(toHundredths(value));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString offsetWords(double down, double right) {
    return QStringLiteral("lefelé %1 mm, jobbra %2 mm")
        .arg(hungarianMillimetres(down), hungarianMillimetres(right));
}

AlignmentResult readAlignment(const AlignmentReadings& readings, const QString& offsetDown,
                              const QString& offsetRight, MmPoint span) {
    const std::array<Reading, 4> typed{read(readings.aHorizontal), read(readings.aVertical),
                                       read(readings.bHorizontal), read(readings.bVertical)};
    const std::array<ReadingBox, 4> boxes{ReadingBox::AHorizontal, ReadingBox::AVertical,
                                          ReadingBox::BHorizontal, ReadingBox::BVertical};
    for (size_t i = 0; i < 2; ++i) {
        if (const std::optional<QString> fault = faultOf(typed[i])) {
            return refused(boxes[i], *fault);
        }
    }
    const bool withB =
        typed[2].kind != Reading::Kind::Empty || typed[3].kind != Reading::Kind::Empty;
    if (withB) {
        for (size_t i = 2; i < 4; ++i) {
            if (typed[i].kind == Reading::Kind::Empty) {
                return refused(boxes[i],
                               QStringLiteral("A mező üres, pedig a másik B mező ki van töltve: "
                                              "töltse ki mindkét B mezőt, vagy hagyja üresen "
                                              "mindkettőt."));
            }
            if (const std::optional<QString> fault = faultOf(typed[i])) {
                return refused(boxes[i], *fault);
            }
        }
    }
    const double aX = typed[0].value;
    const double aY = typed[1].value;
    const double bX = withB ? typed[2].value : aX;
    const double bY = withB ? typed[3].value : aY;

    AlignmentResult result;
    result.offsetDown = toHundredths(double(offsetNumber(offsetDown)) + (aY + bY) / 2);
    result.offsetRight = toHundredths(double(offsetNumber(offsetRight)) + (aX + bX) / 2);
    result.offsetDownText = plainDecimal(result.offsetDown);
    result.offsetRightText = plainDecimal(result.offsetRight);
    result.newOffsetLine =
        QStringLiteral("Új eltolás: ") + offsetWords(result.offsetDown, result.offsetRight);
    if (withB && span.x != 0 && span.y != 0) {
        result.scaleX = 1 - (bX - aX) / span.x;
        result.scaleY = 1 - (bY - aY) / span.y;
        judgeSpread(result, bX - aX, bY - aY);
    }
    return result;
}
