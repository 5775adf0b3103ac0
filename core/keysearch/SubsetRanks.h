#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

// Sets of the played numbers' indices (0..29) as bit masks, and their colex ranks: the rank of
// {a1 < a2 < ... < as} is C(a1,1) + C(a2,2) + ... + C(as,s), so the s-subsets of 0..n-1 are
// ranked 0..C(n,s)-1 without gaps and one table indexed by rank holds a value per subset.

// The most numbers a key may be made for; their masks fit in 32 bits.
inline constexpr int maxPlayedNumbers = 30;

// The largest subset size ranked (a row holds at most 7 numbers).
inline constexpr int maxRankedSize = 8;

namespace SubsetRanks {

inline constexpr auto binomials = [] {
    std::array<std::array<std::uint32_t, maxRankedSize + 1>, 33> c{};
    for (int n = 0; n <= 32; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= maxRankedSize; ++k) {
            c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    return c;
}();

} // namespace SubsetRanks

// C(n, k) for 0 <= n <= 32 and 0 <= k <= 8; 0 when k > n.
constexpr std::uint32_t binomial(int n, int k) {
    return SubsetRanks::binomials[n][k];
}

// Number of elements of a set. Without a processor instruction assumed (the portable x86-64
// baseline has none) std::popcount is a library call; this stays inline in the search's loops.
constexpr int setSize(std::uint32_t set) {
    set = set - ((set >> 1) & 0x55555555u);
    set = (set & 0x33333333u) + ((set >> 2) & 0x33333333u);
    set = (set + (set >> 4)) & 0x0F0F0F0Fu;
    return int((set * 0x01010101u) >> 24);
}

// Colex rank of a set among the subsets of its size.
inline std::uint32_t colexRank(std::uint32_t set) {
    std::uint32_t rank = 0;
    for (int position = 1; set != 0; ++position, set &= set - 1) {
        rank += SubsetRanks::binomials[std::countr_zero(set)][position];
    }
    return rank;
}

// The indices of the set's elements, ascending.
inline int setElements(std::uint32_t set, int* elements) {
    int count = 0;
    for (; set != 0; set &= set - 1) {
        elements[count++] = std::countr_zero(set);
    }
    return count;
}

// Calls f(subset) for every subset of `set` with `size` elements, in colex order.
template <typename F> void forEachSubset(std::uint32_t set, int size, F&& f) {
    int elements[32];
    const int count = setElements(set, elements);
    if (size > count || size < 0) {
        return;
    }
    if (size == 0) {
        f(std::uint32_t(0));
        return;
    }
    int index[32];
    for (int i = 0; i < size; ++i) {
        index[i] = i;
    }
    for (;;) {
        std::uint32_t subset = 0;
        for (int i = 0; i < size; ++i) {
            subset |= std::uint32_t(1) << elements[index[i]];
        }
        f(subset);
        // Colex successor: raise the lowest index that can move, reset those below it.
        int i = 0;
        while (i < size && index[i] + 1 == (i + 1 < size ? index[i + 1] : count)) {
            ++i;
        }
        if (i == size) {
            return;
        }
        ++index[i];
        for (int j = 0; j < i; ++j) {
            index[j] = j;
        }
    }
}

// The `size`-element index combinations of 0..count-1 as masks over those positions, in colex
// order: a pattern to pick subsets from a short array without re-enumerating each time.
inline std::vector<std::uint32_t> subsetPatterns(int count, int size) {
    std::vector<std::uint32_t> patterns;
    const std::uint32_t all = count >= 32 ? ~std::uint32_t(0) : (std::uint32_t(1) << count) - 1;
    forEachSubset(all, size, [&](std::uint32_t subset) { patterns.push_back(subset); });
    return patterns;
}
