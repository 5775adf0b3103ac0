// The draw boxes of the result check: what is accepted, and every refusal with the piece of
// text or the count it is about.
#include "core/results/DrawEntry.h"
#include "core/base/GameProfile.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Typed {
    int game;
    const char* first;  // the first draw box
    const char* second; // the second (the 7-game's hand draw); ignored by the other games
    NumberListFault fault;
    int box;           // the refused box
    const char* piece; // what the message must quote, if anything
    int count;         // the count it must name, if any
};

void PrintTo(const Typed& t, std::ostream* os) {
    *os << t.game << " [" << t.first << "] [" << t.second << "]";
}

class DrawBoxes : public ::testing::TestWithParam<Typed> {};

TEST_P(DrawBoxes, AcceptExactlyKDifferentNumbersOrSayWhatIsWrong) {
    const Typed& t = GetParam();
    const GameProfile& profile = gameProfile(t.game);
    const DrawEntry entry =
        readDraws(profile, {QString::fromUtf8(t.first), QString::fromUtf8(t.second)});
    if (t.fault == NumberListFault::None) {
        ASSERT_TRUE(entry.ok()) << entry.problem->toStdString();
        ASSERT_FALSE(entry.draws.empty());
        for (const Draw& draw : entry.draws) {
            ASSERT_EQ(int(draw.numbers.size()), profile.numbersPerRow);
            EXPECT_TRUE(std::is_sorted(draw.numbers.begin(), draw.numbers.end()));
            EXPECT_EQ(draw.mask.count(), profile.numbersPerRow);
            for (int n : draw.numbers) {
                EXPECT_TRUE(n >= 1 && n <= profile.highestNumber && draw.mask.contains(n));
            }
        }
        // A second box left empty is no draw.
        EXPECT_EQ(entry.draws.size(), t.game == 7 && QString::fromUtf8(t.second).trimmed().isEmpty()
                                          ? 1u
                                          : std::size_t(profile.drawNames.size()));
        return;
    }
    ASSERT_FALSE(entry.ok());
    EXPECT_TRUE(entry.draws.empty());
    EXPECT_EQ(entry.fault.fault, t.fault);
    EXPECT_EQ(entry.faultyBox, t.box);
    const QString message = *entry.problem;
    EXPECT_TRUE(message.contains(QString::number(profile.highestNumber)));
    if (*t.piece) {
        EXPECT_EQ(entry.fault.piece, QString::fromUtf8(t.piece));
        EXPECT_TRUE(message.contains(QString::fromUtf8(t.piece))) << message.toStdString();
    }
    if (t.count > 0) {
        EXPECT_EQ(entry.fault.count, t.count);
        EXPECT_TRUE(message.contains(QString::number(t.count))) << message.toStdString();
    }
    // Where a week has two draws, the message says which box is wrong.
    EXPECT_EQ(message.startsWith(profile.drawNames[t.box]), profile.drawNames.size() > 1);
}

using F = NumberListFault;
INSTANTIATE_TEST_SUITE_P(
    Typed, DrawBoxes,
    ::testing::Values(Typed{6, "1 2 3 4 5 6", "", F::None, 0, "", 0},
                      Typed{6, "45,2 - 33  4,,5-6", "", F::None, 0, "", 0},
                      Typed{5, "90-1-45-02-3", "", F::None, 0, "", 0},
                      Typed{7, "1 2 3 4 5 6 35", "  ", F::None, 0, "", 0},
                      Typed{7, "1 2 3 4 5 6 7", "35 34 33 32 31 30 29", F::None, 0, "", 0},
                      // Letters and other pieces that are not whole numbers.
                      Typed{6, "1 2 3 4 5 x", "", F::NotWhole, 0, "x", 0},
                      Typed{6, "1 2 3 4 5 6a", "", F::NotWhole, 0, "6a", 0},
                      Typed{5, "1 2 3 4 5.5", "", F::NotWhole, 0, "5.5", 0},
                      Typed{5, "1 2 3 4 +5", "", F::NotWhole, 0, "+5", 0},
                      Typed{6, "1\t2 3 4 5 6", "", F::NotWhole, 0, "1\t2", 0},
                      // Outside 1..N.
                      Typed{6, "1 2 3 4 5 46", "", F::OutOfRange, 0, "46", 0},
                      Typed{5, "0 1 2 3 4", "", F::OutOfRange, 0, "0", 0},
                      Typed{5, "1 2 3 4 99999999999999999999", "", F::OutOfRange, 0,
                            "99999999999999999999", 0},
                      Typed{7, "1 2 3 4 5 6 7", "1 2 3 4 5 6 36", F::OutOfRange, 1, "36", 0},
                      // Repeated.
                      Typed{7, "1-2-3-4-5-6-6", "", F::Repeated, 0, "6", 0},
                      Typed{6, "07 1 2 3 4 7", "", F::Repeated, 0, "7", 0},
                      // Too few, too many, none.
                      Typed{6, "1 2 3", "", F::TooFew, 0, "", 3},
                      Typed{7, "1 2 3 4 5 6 7", "8 9", F::TooFew, 1, "", 2},
                      Typed{5, "1 2 3 4 5 6", "", F::TooMany, 0, "", 6},
                      Typed{6, "", "", F::Empty, 0, "", 0},
                      Typed{6, " , - ", "", F::Empty, 0, "", 0},
                      Typed{7, "", "1 2 3 4 5 6 7", F::Empty, 0, "", 0}));

} // namespace
