// Every shipped full-combination template, converted into chosen numbers as "Csere" does and
// checked whole: its entries and plain rows together have, in every class, exactly as many
// combinations as all K-number combinations of the chosen numbers.
#include "core/base/GameProfile.h"
#include "core/combination/CombinationSelection.h"
#include "core/fullcombination/FullCombinationChoice.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/results/FullCombinationDrawCheck.h"
#include "core/slip/SystemTable.h"
#include "tests/drawcheck/RandomRows.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

namespace {

struct Template {
    int game;
    int size; // N of the template: numbers chosen
};

void PrintTo(const Template& t, std::ostream* os) {
    *os << "tkombi" << t.game << "_" << t.size;
}

class FullCombinationCheck : public ::testing::TestWithParam<Template> {
protected:
    void SetUp() override {
        const QString name = FullCombinationTemplate::fileName(game(), GetParam().size);
        ASSERT_TRUE(QFile::copy(QStringLiteral(SLIP_DATA_DIR) + QLatin1Char('/') + name,
                                folder.filePath(name)));
        fakes.program.folder = folder.path();
        Services services = fakes.services();
        FullCombinationChoice choice(profile(), services, selection);
        chosen = pick(numbersUpTo(profile().highestNumber), GetParam().size, random);
        for (int n : chosen) {
            choice.toggleChosen(n);
        }
        choice.selectOption(GetParam().size - FullCombinationChoice::smallestSize);
        choice.loadTemplate();
        ASSERT_TRUE(choice.convert());
    }
    int game() const { return GetParam().game; }
    const GameProfile& profile() const { return gameProfile(game()); }

    // A draw with `inside` of the chosen numbers and the rest from the others.
    Draw drawWith(int inside) {
        std::vector<int> others;
        for (int n : numbersUpTo(profile().highestNumber)) {
            if (!std::binary_search(chosen.begin(), chosen.end(), n)) {
                others.push_back(n);
            }
        }
        std::vector<int> drawn = pick(chosen, inside, random);
        const std::vector<int> outside = pick(others, profile().numbersPerRow - inside, random);
        drawn.insert(drawn.end(), outside.begin(), outside.end());
        return readDraws(profile(), {drawText(drawn)}).draws.front();
    }

    QTemporaryDir folder;
    FakeServices fakes;
    CombinationSelection selection{profile()};
    std::mt19937 random{unsigned(GetParam().game * 100 + GetParam().size)};
    std::vector<int> chosen;
};

TEST_P(FullCombinationCheck, ClassesAreThoseOfAllCombinationsOfTheChosenNumbers) {
    const int k = profile().numbersPerRow;
    const int n = GetParam().size;
    const SelectionSlip before = selection.currentSlip();
    const SelectionCounters counters = selection.counters();
    std::vector<Draw> draws;
    for (int inside = 0; inside <= k; ++inside) {
        draws.push_back(drawWith(inside));
    }
    const DrawCheckOutcome outcome = checkFullCombination(selection, draws);
    ASSERT_TRUE(outcome.ok()) << outcome.refusal->toStdString();
    EXPECT_TRUE(outcome.result.unchecked.empty());
    ASSERT_EQ(outcome.result.draws.size(), draws.size());
    for (int inside = 0; inside <= k; ++inside) {
        SCOPED_TRACE(inside);
        const DrawResult& checked = outcome.result.draws[std::size_t(inside)];
        HitCounts listed{};
        for (const Winner& w : checked.winners) {
            for (std::size_t h = 0; h < listed.size(); ++h) {
                listed[h] += w.combinations[h];
            }
            EXPECT_EQ(w.slip, w.item == CheckedItem::Entry ? 1 : 0);
        }
        for (int h = 0; h <= maxNumbersPerRow; ++h) {
            EXPECT_EQ(checked.combinations[std::size_t(h)],
                      binomial(inside, h) * binomial(n - inside, k - h))
                << h << " hits";
            // Every winning combination is on a listed winner.
            if (h >= profile().fewestWinningHits) {
                EXPECT_EQ(listed[std::size_t(h)], checked.combinations[std::size_t(h)]);
            }
        }
    }
    // Nothing of the selection changed.
    const SelectionSlip after = selection.currentSlip();
    EXPECT_EQ(after.rows, before.rows);
    EXPECT_EQ(after.fixNumbers, before.fixNumbers);
    EXPECT_EQ(after.systemIndex, before.systemIndex);
    EXPECT_EQ(selection.counters().fixCount, counters.fixCount);
    EXPECT_EQ(selection.counters().combinationCount, counters.combinationCount);
}

TEST_P(FullCombinationCheck, AGoneOrChangedPlainRowFileIsSaidAndNothingIsChecked) {
    const QString path = selection.plainRowFile();
    if (selection.plainSlipCount() == 0) {
        EXPECT_TRUE(path.isEmpty());
        return;
    }
    const std::vector<Draw> draws{drawWith(2)};
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("01 02 03 04 05 06 07\r\n");
    file.close();
    std::optional<QString> refusal = checkFullCombination(selection, draws).refusal;
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains(path));
    ASSERT_TRUE(QFile::remove(path));
    refusal = checkFullCombination(selection, draws).refusal;
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains(path));
    EXPECT_EQ(selection.plainRowFile(), path);
}

// The slip an entry makes without being applied is the one applying it leaves, entry after
// entry, as the full-combination run selects them.
TEST_P(FullCombinationCheck, EntrySlipIsWhatSelectingTheEntryLeaves) {
    CombinationSelection applied = selection;
    SelectionSlip slip = selection.currentSlip();
    for (int p = 0; p < int(selection.entries().size()); ++p) {
        SCOPED_TRACE(selection.entries()[p].toStdString());
        slip = selection.entrySlip(p, slip);
        applied.selectEntry(p);
        const SelectionSlip expected = applied.currentSlip();
        EXPECT_EQ(slip.rows, expected.rows);
        EXPECT_EQ(slip.fixNumbers, expected.fixNumbers);
        EXPECT_EQ(slip.systemIndex, expected.systemIndex);
        EXPECT_EQ(slip.fixCount, expected.fixCount);
        EXPECT_EQ(slip.combinationCount, expected.combinationCount);
        EXPECT_EQ(selection.selectionProblem(slip), applied.selectionProblem());
    }
}

std::vector<Template> shippedTemplates() {
    std::vector<Template> all;
    for (int game : {5, 6, 7}) {
        for (int size = 13; size <= 20; ++size) {
            all.push_back({game, size});
        }
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Shipped, FullCombinationCheck, ::testing::ValuesIn(shippedTemplates()));

} // namespace
