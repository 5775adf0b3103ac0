#include "core/keysearch/CoveringCheck.h"

#include "core/keysearch/SubsetRanks.h"

#include <bit>
#include <vector>

namespace {

// A row meets an m-set S in t or more indices exactly when it holds one of S's t-subsets. The
// t-subsets held by some row are marked in a bitset indexed by colex rank, stored as one word
// per (t-1)-subset Q: bit y of word Q is the mark of Q + {y}. S = P + {x}, with x the largest
// index, is then covered when a word of a (t-1)-subset Q of P has a bit in P (a marked t-subset
// inside P) or has bit x; OR-ing P's words tests all 32 choices of x at once.
std::uint64_t countUncovered(std::span<const std::uint32_t> rows, int n, int t, int m,
                             bool stopAtFirst) {
    if (t < 1 || t > m || m > n || n > maxPlayedNumbers || t > maxRankedSize) {
        return 0;
    }
    const std::uint32_t all = (std::uint32_t(1) << n) - 1;
    std::vector<std::uint32_t> marks(binomial(n, t - 1), 0);
    for (const std::uint32_t row : rows) {
        const std::uint32_t inside = row & all;
        forEachSubset(inside, t - 1, [&](std::uint32_t q) { marks[colexRank(q)] |= inside & ~q; });
    }

    // Every (m-1)-subset P, with the (t-1)-subsets of P picked by position.
    const int prefixSize = m - 1;
    const std::vector<std::uint32_t> patterns = subsetPatterns(prefixSize, t - 1);
    std::uint64_t uncovered = 0;
    std::uint32_t prefix = (std::uint32_t(1) << prefixSize) - 1;
    const std::uint32_t end = std::uint32_t(1) << n;
    int elements[32];
    while (prefix < end) {
        setElements(prefix, elements);
        std::uint32_t covered = 0;
        for (const std::uint32_t pattern : patterns) {
            std::uint32_t rank = 0;
            int position = 1;
            for (std::uint32_t p = pattern; p != 0; p &= p - 1, ++position) {
                rank += binomial(elements[std::countr_zero(p)], position);
            }
            covered |= marks[rank];
        }
        if ((covered & prefix) == 0) {
            const std::uint32_t above =
                prefixSize == 0 ? all : all & ~((std::uint32_t(2) << elements[prefixSize - 1]) - 1);
            const std::uint32_t missing = above & ~covered;
            if (missing != 0) {
                uncovered += std::uint64_t(setSize(missing));
                if (stopAtFirst) {
                    return uncovered;
                }
            }
        }
        if (prefix == 0) {
            break;
        }
        // Next set of the same size (Gosper's hack): colex order.
        const std::uint32_t lowest = prefix & (~prefix + 1);
        const std::uint32_t ripple = prefix + lowest;
        prefix = ripple | (((prefix ^ ripple) >> 2) / lowest);
    }
    return uncovered;
}

} // namespace

std::uint64_t uncoveredSetCount(std::span<const std::uint32_t> rows, int n, int t, int m) {
    return countUncovered(rows, n, t, m, false);
}

bool coversAllSets(std::span<const std::uint32_t> rows, int n, int t, int m) {
    return countUncovered(rows, n, t, m, true) == 0;
}
