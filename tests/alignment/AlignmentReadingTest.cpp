#include "core/alignment/AlignmentReading.h"
#include "core/alignment/TestSheet.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Warning = AlignmentResult::Warning;

struct ReadingCase {
    const char* typed;   // the four boxes: "A across|A down|B across|B down"
    const char* offsets; // Text1|Text2 the sheet was printed with
    const char* becomes; // Text1|Text2 afterwards
    Warning warning = Warning::None;
    double scale = 1; // implied by a scaled page
    std::optional<ReadingBox> faulty = std::nullopt;
};

// keyprint6: B lies 58.7 mm left of A and 108.9 mm below it; a page printed at 98 % moves B's
// reading by 2 % of that against A's: +1.174 mm across, -2.178 mm down.
const ReadingCase cases[] = {
    {"1,5|2||", "0|0", "2|1.5"},              // A alone
    {"1|-0.5|+1.5| 0,5 ", "3|-2", "3|-0.75"}, // the mean of A and B
    {"0|0|0|0", "1,1|-2,25", "1.1|-2.25"},    // offsets typed with a comma
    {"\u22122|\u22121||", "0|0", "-1|-2"},    // the typeset minus sign
    {"-150|150||", "0|0", "150|-150"},        // at most 150 mm
    {"0.3|0|1.3|-1", "0|0", "-0.5|0.8"},      // a millimetre apart is no warning
    {"0,5|0,5|-0,674|2,678", "0|0", "1.59|-0.09", Warning::Scaled, 0.98},
    {"0|0|1.174|-2.178", "4|4", "2.91|4.59", Warning::Scaled, 1.02},
    {"0|0|2|0", "0|0", "0|1", Warning::Askew},
    {"abc|1||", "0|0", "", Warning::None, 1, ReadingBox::AHorizontal},
    {"1| ||", "0|0", "", Warning::None, 1, ReadingBox::AVertical},
    {"1|1||2", "0|0", "", Warning::None, 1, ReadingBox::BHorizontal},
    {"1|1|2|", "0|0", "", Warning::None, 1, ReadingBox::BVertical},
    {"1|1|2|150,5", "0|0", "", Warning::None, 1, ReadingBox::BVertical},
    {"1,2,3|1||", "0|0", "", Warning::None, 1, ReadingBox::AHorizontal},
    {"1|1e2||", "0|0", "", Warning::None, 1, ReadingBox::AVertical},
};

TEST(AlignmentReading, ReadingsGiveOffsetsAndTellAScaleOrASkew) {
    const MmPoint span = referenceSpan(PrinterFamily::Key, 6);
    ASSERT_NEAR(span.x, -58.7, 1e-9);
    ASSERT_NEAR(span.y, 108.9, 1e-9);
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const QStringList typed = QString::fromUtf8(c.typed).split('|');
        const QStringList offsets = QString(c.offsets).split('|');
        const AlignmentResult r =
            readAlignment({typed[0], typed[1], typed[2], typed[3]}, offsets[0], offsets[1], span);
        EXPECT_EQ(r.faultyBox, c.faulty);
        if (c.faulty) {
            EXPECT_TRUE(r.error.startsWith(readingBoxLabel(*c.faulty))) << r.error.toStdString();
            EXPECT_TRUE(r.newOffsetLine.isEmpty());
            continue;
        }
        EXPECT_EQ(r.offsetDownText + '|' + r.offsetRightText, QString(c.becomes));
        // The line the dialog shows has the new values with a decimal comma.
        for (QString value : {r.offsetDownText, r.offsetRightText}) {
            EXPECT_TRUE(r.newOffsetLine.contains(value.replace('.', ',') + " mm"))
                << r.newOffsetLine.toStdString();
        }
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.warningText.isEmpty(), c.warning == Warning::None);
        EXPECT_EQ(r.scaleX.has_value(), !typed[2].isEmpty());
        if (c.warning == Warning::Scaled) {
            EXPECT_NEAR(r.impliedScale, c.scale, 1e-9);
            EXPECT_TRUE(r.warningText.contains(QString::number(c.scale * 100) + " %"))
                << r.warningText.toStdString();
        }
    }
}

} // namespace
