#pragma once

#include "tools/templategen/CoverModel.h"

#include <QString>

#include <vector>

// One combination entry of a template: its variant character and its FIX ranks.
struct PlanEntry {
    char variant;
    RankMask fix;
};

// The content of one full-combination template in ranks: entry 0 (the base set) is implicit,
// then the entries, then the plain rows (the K-subsets no entry plays).
struct TemplatePlan {
    int game = 0;
    int n = 0;
    int k = 0;
    std::vector<PlanEntry> entries;
    std::vector<RankMask> plainRows;

    int itemCount() const { return 1 + int(entries.size()) + int(plainRows.size()); }
};

int numbersPerRow(int game);
RankMask baseSet(int game); // ranks 1..11, in game 5 ranks 1..12

// Builds the template of the game for n chosen numbers (13..20).
TemplatePlan buildPlan(int game, int n);

// Checks the exact partition, the systems, disjointness and the ranks; empty when all hold.
QString checkPlan(const TemplatePlan& plan);

// The file text: line 0, the entries, "Sima szelvény" and the plain rows, one per line.
QString templateText(const TemplatePlan& plan);
