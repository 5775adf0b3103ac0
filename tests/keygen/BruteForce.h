#pragma once

#include <bit>
#include <cstdint>
#include <vector>

// The guarantee checked the plain way: every m-subset of 0..n-1, every row.
inline std::uint64_t bruteUncovered(const std::vector<std::uint32_t>& rows, int n, int t, int m) {
    std::uint64_t uncovered = 0;
    for (std::uint32_t set = 0; set < (std::uint32_t(1) << n); ++set) {
        if (std::popcount(set) != m) {
            continue;
        }
        bool covered = false;
        for (const std::uint32_t row : rows) {
            covered = covered || std::popcount(row & set) >= t;
        }
        uncovered += covered ? 0 : 1;
    }
    return uncovered;
}
