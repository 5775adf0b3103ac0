#pragma once

#include <cstdint>

// Schönheim's lower bound on the rows of a key whose rows of k numbers hold t of any t of the
// v played numbers: L(v,k,t) = ceil(v/k * L(v-1,k-1,t-1)), L(v,k,0) = 1, in exact integer
// arithmetic. Requires 0 <= t <= k <= v.
constexpr std::uint64_t schonheimBound(int v, int k, int t) {
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const std::uint64_t numerator = std::uint64_t(v - i) * bound;
        const std::uint64_t denominator = std::uint64_t(k - i);
        bound = (numerator + denominator - 1) / denominator;
    }
    return bound;
}
