#include "core/alignment/AlignmentReading.h"
#include "core/alignment/TestSheet.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Warning = AlignmentResult::Warning;

struct ReadingCase {
    const char* name;
    AlignmentReadings typed;
    const char* offsetDown; // Text1 the sheet was printed with
    const char* offsetRight;
    std::optional<ReadingBox> faulty;
    const char* newDown = ""; // the texts Text1 and Text2 become
    const char* newRight = "";
    Warning warning = Warning::None;
    double scale = 1; // implied by a scaled page
};

// keyprint6: B lies 58.7 mm left of A and 108.9 mm below it; a page printed at 98 % moves B's
// reading by 2 % of that against A's: +1.174 mm across, -2.178 mm down.
const ReadingCase cases[] = {
    {"A alone", {"1,5", "2", "", ""}, "0", "0", {}, "2", "1.5", Warning::None, 1},
    {"mean of A and B",
     {"1", "-0.5", "+1.5", " 0,5 "},
     "3",
     "-2",
     {},
     "3",
     "-0.75",
     Warning::None,
     1},
    {"offsets typed with a comma",
     {"0", "0", "0", "0"},
     "1,1",
     "-2,25",
     {},
     "1.1",
     "-2.25",
     Warning::None,
     1},
    {"typeset minus sign",
     {"\u22122", "\u22121", "", ""},
     "0",
     "0",
     {},
     "-1",
     "-2",
     Warning::None,
     1},
    {"page at 98 %",
     {"0,5", "0,5", "-0,674", "2,678"},
     "0",
     "0",
     {},
     "1.59",
     "-0.09",
     Warning::Scaled,
     0.98},
    {"page at 102 %",
     {"0", "0", "1.174", "-2.178"},
     "4",
     "4",
     {},
     "2.91",
     "4.59",
     Warning::Scaled,
     1.02},
    {"slip askew", {"0", "0", "2", "0"}, "0", "0", {}, "0", "1", Warning::Askew, 1},
    {"a millimetre apart is no warning",
     {"0.3", "0", "1.3", "-1"},
     "0",
     "0",
     {},
     "-0.5",
     "0.8",
     Warning::None,
     1},
    {"at most 150 mm", {"-150", "150", "", ""}, "0", "0", {}, "150", "-150", Warning::None, 1},
    {"letters", {"abc", "1", "", ""}, "0", "0", ReadingBox::AHorizontal},
    {"empty A", {"1", " ", "", ""}, "0", "0", ReadingBox::AVertical},
    {"one B box empty", {"1", "1", "", "2"}, "0", "0", ReadingBox::BHorizontal},
    {"the other B box empty", {"1", "1", "2", ""}, "0", "0", ReadingBox::BVertical},
    {"beyond 150 mm", {"1", "1", "2", "150,5"}, "0", "0", ReadingBox::BVertical},
    {"two decimal points", {"1,2,3", "1", "", ""}, "0", "0", ReadingBox::AHorizontal},
    {"an exponent", {"1", "1e2", "", ""}, "0", "0", ReadingBox::AVertical},
};

TEST(AlignmentReading, ReadingsGiveOffsetsAndTellAScaleOrASkew) {
    const MmPoint span = referenceSpan(PrinterFamily::Key, 6);
    ASSERT_NEAR(span.x, -58.7, 1e-9);
    ASSERT_NEAR(span.y, 108.9, 1e-9);
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const AlignmentResult r = readAlignment(c.typed, QString::fromUtf8(c.offsetDown),
                                                QString::fromUtf8(c.offsetRight), span);
        EXPECT_EQ(r.faultyBox, c.faulty);
        if (c.faulty) {
            EXPECT_TRUE(r.error.startsWith(readingBoxLabel(*c.faulty))) << r.error.toStdString();
            EXPECT_TRUE(r.newOffsetLine.isEmpty());
            continue;
        }
        EXPECT_EQ(r.offsetDownText, QString::fromUtf8(c.newDown));
        EXPECT_EQ(r.offsetRightText, QString::fromUtf8(c.newRight));
        // The line the dialog shows has the new values with a decimal comma.
        for (QString value : {r.offsetDownText, r.offsetRightText}) {
            EXPECT_TRUE(r.newOffsetLine.contains(value.replace('.', ',') + " mm"))
                << r.newOffsetLine.toStdString();
        }
        EXPECT_EQ(r.warning, c.warning);
        EXPECT_EQ(r.warningText.isEmpty(), c.warning == Warning::None);
        EXPECT_EQ(r.scaleX.has_value(), !c.typed.bHorizontal.isEmpty());
        if (c.warning == Warning::Scaled) {
            EXPECT_NEAR(r.impliedScale, c.scale, 1e-9);
            EXPECT_TRUE(r.warningText.contains(
                QString::number(c.scale * 100, 'f', 1).replace(".0", "").replace('.', ',') + " %"))
                << r.warningText.toStdString();
        }
    }
}

} // namespace
