// Every shipped template, checked exhaustively against the rules a template must keep: exact
// partition of all K-subsets, systems of the game's table, FIX ranks apart from the combination
// set of the entry's variant, every rank above 12 convertible, and the fewest items.
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/slip/SystemTable.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <bit>
#include <cstdint>
#include <vector>

namespace {

using Mask = std::uint32_t;

Mask ranks(int first, int last) {
    Mask m = 0;
    for (int r = first; r <= last; ++r) {
        m |= Mask{1} << (r - 1);
    }
    return m;
}

// The combination numbers an entry plays, as ranks, written out from the game rules.
Mask variantSet(int game, int n, QChar variant) {
    if (game == 5) {
        return ranks(1, 12);
    }
    if (game == 7) {
        return variant == QLatin1Char('*') ? ranks(1, 10) : ranks(1, 11);
    }
    if (variant == QLatin1Char('8')) {
        return ranks(n - 7, n);
    }
    if (variant == QLatin1Char('9')) {
        return ranks(n - 8, n);
    }
    return variant == QLatin1Char(' ') ? ranks(1, 11) : 0;
}

bool hasSystem(int game, int fix, int combination) {
    for (const QString& code : systemTable(game).codes) {
        if (systemFixCount(code) == fix && systemCombinationCount(code) == combination) {
            return true;
        }
    }
    return false;
}

int minimumItems(int game, int n) {
    static const int seven[] = {7, 14, 26, 47, 85, 156, 291, 547};
    static const int six[] = {4, 8, 16, 42, 124, 310, 149, 197};
    static const int five[] = {2, 4, 8, 27, 87, 228, 505, 989};
    const int* table = game == 7 ? seven : game == 6 ? six : five;
    return table[n - 13];
}

struct Case {
    int game;
    int n;
};

class ShippedTemplate : public ::testing::TestWithParam<Case> {
protected:
    QString path() const {
        return QStringLiteral(SLIP_DATA_DIR) + QLatin1Char('/') +
               FullCombinationTemplate::fileName(GetParam().game, GetParam().n);
    }
};

// Parses "NN NN ... " cells from character 4 on into a mask; fails on a malformed cell.
Mask cellMask(const QString& line, int n, int expectedCount) {
    static const QRegularExpression cells(QStringLiteral("^((0[1-9]|1[0-9]|20) )*$"));
    EXPECT_TRUE(cells.match(line.mid(3)).hasMatch()) << line.toStdString();
    Mask m = 0;
    const int count = FullCombinationTemplate::rankCount(line);
    EXPECT_EQ(count, expectedCount) << line.toStdString();
    for (int j = 1; j <= count; ++j) {
        const int r = FullCombinationTemplate::rank(line, j);
        EXPECT_TRUE(r >= 1 && r <= n) << line.toStdString();
        EXPECT_EQ(m & (Mask{1} << (r - 1)), 0u) << "repeated rank in " << line.toStdString();
        m |= Mask{1} << (r - 1);
    }
    return m;
}

void playAll(Mask fix, Mask set, int k, std::vector<std::uint8_t>& played) {
    const int wanted = k - std::popcount(fix);
    Mask sub = set;
    while (true) {
        if (std::popcount(sub) == wanted) {
            ++played[fix | sub];
        }
        if (sub == 0) {
            break;
        }
        sub = (sub - 1) & set;
    }
}

TEST_P(ShippedTemplate, PartitionsEveryCombinationExactlyOnceWithAllowedSystems) {
    const auto [game, n] = GetParam();
    const int k = game;
    const std::optional<FullCombinationTemplate> tmpl = FullCombinationTemplate::load(path());
    ASSERT_TRUE(tmpl.has_value()) << path().toStdString();
    const QStringList& items = tmpl->items();
    ASSERT_FALSE(items.isEmpty());

    std::vector<std::uint8_t> played(std::size_t{1} << n, 0);
    playAll(0, game == 5 ? ranks(1, 12) : ranks(1, 11), k, played); // entry 0
    const int marker = tmpl->markerPosition();
    Mask fixRanks = 0;
    for (int p = 1; p < marker; ++p) {
        const QString& line = items.at(p);
        const int fixCount = line.left(2).toInt();
        const Mask fix = cellMask(line, n, fixCount);
        const Mask set = variantSet(game, n, line.at(2));
        ASSERT_NE(set, 0u) << "unknown variant in " << line.toStdString();
        EXPECT_EQ(fix & set, 0u) << "FIX inside the combination set: " << line.toStdString();
        EXPECT_TRUE(hasSystem(game, fixCount, std::popcount(set))) << line.toStdString();
        fixRanks |= fix;
        playAll(fix, set, k, played);
    }
    for (int p = marker + 1; p < items.size(); ++p) {
        const QString& line = items.at(p);
        EXPECT_NE(line.at(0), QLatin1Char(' '));
        ++played[cellMask(line, n, k)];
    }
    EXPECT_EQ(fixRanks & ranks(13, n), ranks(13, n)) << "a rank above 12 is in no entry";

    long long once = 0;
    for (std::size_t x = 0; x < played.size(); ++x) {
        if (std::popcount(Mask(x)) == k) {
            ASSERT_EQ(played[x], 1) << "subset " << x << " played " << int(played[x]) << " times";
            ++once;
        } else {
            ASSERT_EQ(played[x], 0);
        }
    }
    EXPECT_EQ(once, binomial(n, k));
}

TEST_P(ShippedTemplate, UsesTheFewestItems) {
    const auto [game, n] = GetParam();
    const std::optional<FullCombinationTemplate> tmpl = FullCombinationTemplate::load(path());
    ASSERT_TRUE(tmpl.has_value());
    EXPECT_EQ(tmpl->markerPosition() + tmpl->plainRowCount(), minimumItems(game, n));
}

TEST_P(ShippedTemplate, TemplateMarksAreExactlyTheRanksOneToN) {
    const auto [game, n] = GetParam();
    const std::optional<FullCombinationTemplate> tmpl = FullCombinationTemplate::load(path());
    ASSERT_TRUE(tmpl.has_value());
    const std::vector<bool> marks = tmpl->templateMarks(game == 5 ? 90 : game == 6 ? 45 : 35);
    for (std::size_t r = 1; r < marks.size(); ++r) {
        EXPECT_EQ(marks[r], int(r) <= n) << "rank " << r;
    }
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (int game : {5, 6, 7}) {
        for (int n = 13; n <= 20; ++n) {
            cases.push_back({game, n});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllTemplates, ShippedTemplate, ::testing::ValuesIn(allCases()),
                         [](const auto& info) {
                             return "game" + std::to_string(info.param.game) + "_" +
                                    std::to_string(info.param.n);
                         });

} // namespace

#include "core/base/GameProfile.h"
#include "core/fullcombination/FullCombinationConversion.h"

namespace {

// Every shipped template converts for a spread-out choice of N numbers: rank r becomes the r-th
// smallest chosen number, the first three characters of every line stay, the entries end at
// "Sima szelvény" and the plain rows follow without their first three characters.
TEST_P(ShippedTemplate, ConvertsRankByRankIntoTheChosenNumbers) {
    const auto [game, n] = GetParam();
    const GameProfile& profile = gameProfile(game);
    const std::optional<FullCombinationTemplate> tmpl = FullCombinationTemplate::load(path());
    ASSERT_TRUE(tmpl.has_value());
    ASSERT_FALSE(tmpl->isCutOff());
    std::vector<int> chosen;
    std::vector<bool> chosenMarks(std::size_t(profile.highestNumber) + 1, false);
    for (int i = 0; i < n; ++i) {
        chosen.push_back(1 + i * (profile.highestNumber - 1) / (n - 1));
        chosenMarks[std::size_t(chosen.back())] = true;
    }
    const FullCombinationConversion result = convertFullCombination(
        profile, *tmpl, tmpl->templateMarks(profile.highestNumber), chosenMarks, 42);
    ASSERT_TRUE(result.ok) << result.problem.toStdString();
    EXPECT_TRUE(result.problem.isEmpty());

    const QStringList& items = tmpl->items();
    ASSERT_EQ(result.convertedLines.size(), items.size());
    EXPECT_EQ(result.convertedLines[0], "00");
    const int marker = tmpl->markerPosition();
    for (int p = 1; p < items.size(); ++p) {
        const QString& item = items[p];
        const QString& line = result.convertedLines[p];
        if (p == marker) {
            EXPECT_EQ(line, FullCombinationTemplate::plainMarker);
            continue;
        }
        QString expected = item.left(3);
        for (int j = 1; j <= FullCombinationTemplate::rankCount(item); ++j) {
            const int r = FullCombinationTemplate::rank(item, j);
            expected += QStringLiteral("%1 ").arg(chosen[std::size_t(r - 1)], 2, 10, QChar('0'));
        }
        ASSERT_EQ(line, expected) << item.toStdString();
    }
    EXPECT_EQ(result.handOver.entries, result.convertedLines.mid(0, marker));
    EXPECT_EQ(result.hasPlainRows, tmpl->plainRowCount() > 0);
    ASSERT_EQ(result.plainLines.size(), tmpl->plainRowCount());
    for (int i = 0; i < result.plainLines.size(); ++i) {
        EXPECT_EQ(result.plainLines[i], result.convertedLines[marker + 1 + i].mid(3));
    }
    EXPECT_EQ(result.handOver.plainSlipCount, tmpl->plainRowCount());
    EXPECT_EQ(result.handOver.expectedTotal, 42);
}

} // namespace
