#include "tools/templategen/CoverModel.h"

#include "core/slip/SystemTable.h"

#include <bit>

RankMask rangeMask(int first, int last) {
    RankMask mask = 0;
    for (int r = first; r <= last; ++r) {
        mask |= RankMask{1} << (r - 1);
    }
    return mask;
}

int rankCount(RankMask mask) {
    return std::popcount(mask);
}

std::vector<int> ranksOf(RankMask mask) {
    std::vector<int> ranks;
    for (int r = 1; r <= 32; ++r) {
        if (mask & (RankMask{1} << (r - 1))) {
            ranks.push_back(r);
        }
    }
    return ranks;
}

RankMask combinationSet(int game, int n, char variant) {
    if (game == 5) {
        return rangeMask(1, 12);
    }
    if (game == 7) {
        return variant == '*' ? rangeMask(1, 10) : rangeMask(1, 11);
    }
    if (variant == '8') {
        return rangeMask(n - 7, n);
    }
    if (variant == '9') {
        return rangeMask(n - 8, n);
    }
    return rangeMask(1, 11);
}

std::vector<RankMask> playedSubsets(RankMask fix, RankMask combinationSet, int k) {
    std::vector<RankMask> played;
    const int wanted = k - rankCount(fix);
    if (wanted < 0 || (fix & combinationSet) != 0) {
        return played;
    }
    // Walk every submask of the combination set (at most 2^12 of them).
    RankMask sub = combinationSet;
    while (true) {
        if (rankCount(sub) == wanted) {
            played.push_back(fix | sub);
        }
        if (sub == 0) {
            break;
        }
        sub = (sub - 1) & combinationSet;
    }
    return played;
}

bool systemExists(int game, int fixCount, int combinationCount) {
    for (const QString& code : systemTable(game).codes) {
        if (systemFixCount(code) == fixCount && systemCombinationCount(code) == combinationCount) {
            return true;
        }
    }
    return false;
}

namespace {

void collect(int n, int k, int next, RankMask chosen, std::vector<RankMask>& out) {
    if (k == 0) {
        out.push_back(chosen);
        return;
    }
    for (int r = next; r <= n - k + 1; ++r) {
        collect(n, k - 1, r + 1, chosen | (RankMask{1} << (r - 1)), out);
    }
}

} // namespace

std::vector<RankMask> allSubsets(int n, int k) {
    std::vector<RankMask> out;
    collect(n, k, 1, 0, out);
    return out;
}
