#include "tools/templategen/TemplatePlan.h"

#include <QStringList>

#include <algorithm>
#include <map>

int numbersPerRow(int game) {
    return game;
}

RankMask baseSet(int game) {
    return game == 5 ? rangeMask(1, 12) : rangeMask(1, 11);
}

namespace {

// Subsets of the given ranks with the given size, in lexicographic order.
std::vector<RankMask> subsetsOf(RankMask universe, int size) {
    const std::vector<int> ranks = ranksOf(universe);
    std::vector<RankMask> out;
    for (RankMask local : allSubsets(int(ranks.size()), size)) {
        RankMask mask = 0;
        for (int i : ranksOf(local)) {
            mask |= RankMask{1} << (ranks[i - 1] - 1);
        }
        out.push_back(mask);
    }
    return out;
}

void addEntries(TemplatePlan& plan, char variant, RankMask universe, int minSize, int maxSize) {
    for (int size = minSize; size <= maxSize; ++size) {
        for (RankMask fix : subsetsOf(universe, size)) {
            plan.entries.push_back({variant, fix});
        }
    }
}

// Game 7: the K-subsets with the outside ranks O (ranks 12..n) are one "|O| 11" entry; the table
// has no "1 11" and "2 11", so for |O| of 1 or 2 they split by rank 11 into two "*" entries
// (FIX O plus 11, and FIX O alone, both over ranks 1..10). Seven outside ranks are plain rows.
void planSeven(TemplatePlan& plan) {
    const RankMask outside = rangeMask(12, plan.n);
    const RankMask eleven = rangeMask(11, 11);
    for (int size = 1; size <= 6; ++size) {
        for (RankMask o : subsetsOf(outside, size)) {
            if (size <= 2) {
                plan.entries.push_back({'*', o | eleven});
                plan.entries.push_back({'*', o});
            } else {
                plan.entries.push_back({' ', o});
            }
        }
    }
}

// Game 6: the outside ranks O (12..n) as FIX over the base set for |O| 1..4 (1..3 from 19 numbers
// on); the short sets of the 8 and 9 highest ranks then play the subsets with many outside ranks.
void planSix(TemplatePlan& plan) {
    const int n = plan.n;
    const RankMask outside = rangeMask(12, n);
    if (n <= 18) {
        addEntries(plan, ' ', outside, 1, 4);
        if (n == 18) {
            addEntries(plan, '8', 0, 0, 0); // the 6-subsets of ranks 11..18
        }
    } else if (n == 19) {
        // " " covers at most 3 outside ranks; "9" over ranks 11..19 takes the subsets with at
        // most one rank of 1..10, "8" over 12..19 those with two ranks of 1..10 and not rank 11.
        addEntries(plan, ' ', outside, 1, 3);
        addEntries(plan, '9', rangeMask(1, 10), 0, 1);
        addEntries(plan, '8', rangeMask(1, 10), 2, 2);
    } else {
        // 20: " " covers at least 3 base ranks, "9" over ranks 12..20 all with at most 2.
        addEntries(plan, ' ', outside, 1, 3);
        addEntries(plan, '9', rangeMask(1, 11), 0, 2);
    }
}

// Game 5: FIX = the outside ranks O (13..n) over ranks 1..12 for |O| 1..3; the table has no
// system with 4 FIX numbers, so everything else is plain rows.
void planFive(TemplatePlan& plan) {
    addEntries(plan, ' ', rangeMask(13, plan.n), 1, 3);
}

// How often each K-subset is played by entry 0 and the entries.
std::map<RankMask, int> coverage(const TemplatePlan& plan) {
    std::map<RankMask, int> played;
    for (RankMask x : playedSubsets(0, baseSet(plan.game), plan.k)) {
        ++played[x];
    }
    for (const PlanEntry& e : plan.entries) {
        const RankMask set = combinationSet(plan.game, plan.n, e.variant);
        for (RankMask x : playedSubsets(e.fix, set, plan.k)) {
            ++played[x];
        }
    }
    return played;
}

QString rankCells(RankMask mask) {
    QString text;
    for (int r : ranksOf(mask)) {
        text += QStringLiteral("%1 ").arg(r, 2, 10, QLatin1Char('0'));
    }
    return text;
}

} // namespace

TemplatePlan buildPlan(int game, int n) {
    TemplatePlan plan;
    plan.game = game;
    plan.n = n;
    plan.k = numbersPerRow(game);
    if (game == 7) {
        planSeven(plan);
    } else if (game == 6) {
        planSix(plan);
    } else {
        planFive(plan);
    }
    const std::map<RankMask, int> played = coverage(plan);
    for (RankMask x : allSubsets(n, plan.k)) {
        if (!played.contains(x)) {
            plan.plainRows.push_back(x);
        }
    }
    return plan;
}

QString checkPlan(const TemplatePlan& plan) {
    const RankMask all = rangeMask(1, plan.n);
    RankMask fixRanks = 0;
    for (const PlanEntry& e : plan.entries) {
        const RankMask set = combinationSet(plan.game, plan.n, e.variant);
        if ((e.fix & set) != 0 || (e.fix & ~all) != 0) {
            return QStringLiteral("FIX ranks overlap the combination set");
        }
        if (!systemExists(plan.game, rankCount(e.fix), rankCount(set))) {
            return QStringLiteral("no system %1 %2").arg(rankCount(e.fix)).arg(rankCount(set));
        }
        fixRanks |= e.fix;
    }
    if ((rangeMask(13, plan.n) & ~fixRanks) != 0) {
        return QStringLiteral("a rank above 12 is no entry's FIX rank");
    }
    std::map<RankMask, int> played = coverage(plan);
    for (RankMask x : plan.plainRows) {
        ++played[x];
    }
    const std::vector<RankMask> subsets = allSubsets(plan.n, plan.k);
    const bool exact = played.size() == subsets.size() &&
                       std::all_of(subsets.begin(), subsets.end(), [&](RankMask x) {
                           const auto it = played.find(x);
                           return it != played.end() && it->second == 1;
                       });
    return exact ? QString() : QStringLiteral("not an exact partition");
}

QString templateText(const TemplatePlan& plan) {
    QStringList lines{QStringLiteral("00")};
    for (const PlanEntry& e : plan.entries) {
        lines << QStringLiteral("%1").arg(rankCount(e.fix), 2, 10, QLatin1Char('0')) +
                     QLatin1Char(e.variant) + rankCells(e.fix);
    }
    if (!plan.plainRows.empty()) {
        lines << QStringLiteral("Sima szelvény");
        for (RankMask x : plan.plainRows) {
            lines << QStringLiteral("00 ") + rankCells(x);
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
