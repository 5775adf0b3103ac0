#include "core/keysearch/CoveringCheck.h"
#include "core/keysearch/CoveringBound.h"
#include "tests/keygen/BruteForce.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

// Random keys, many of them failing, some covering (all rows of k added), with stray rows of
// other sizes and bits above n: the bit-parallel count must equal the plain one.
TEST(CoveringCheck, CountsLikeBruteForce) {
    std::mt19937 random(7);
    int covering = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 3 + int(random() % 11);
        const int k = 2 + int(random() % std::min(6, n - 1));
        const int t = 1 + int(random() % k);
        const int m = t + int(random() % (std::min(n, 8) - t + 1));
        std::vector<std::uint32_t> rows(random() % 40);
        for (std::uint32_t& row : rows) {
            while (std::popcount(row & ((1u << n) - 1)) < k) {
                row |= 1u << (random() % (n + 2));
            }
        }
        if (trial % 5 == 0) {
            for (std::uint32_t row = 0; row < (1u << n); ++row) {
                if (std::popcount(row) == k) {
                    rows.push_back(row);
                }
            }
        }
        const std::uint64_t expected = bruteUncovered(rows, n, t, m);
        covering += expected == 0;
        ASSERT_EQ(uncoveredSetCount(rows, n, t, m), expected)
            << n << ' ' << k << ' ' << t << ' ' << m;
        ASSERT_EQ(coversAllSets(rows, n, t, m), expected == 0);
    }
    EXPECT_GT(covering, 40);
    EXPECT_LT(covering, 360);
}

// The widest case: 30 numbers, 7 drawn, 3 hits, random rows of 7 (index 29 included); the plain
// count walks the 7-sets from one to the next with the same number of bits.
TEST(CoveringCheck, CountsLikeBruteForceOnThirtyNumbers) {
    std::mt19937 random(30);
    std::vector<std::uint32_t> rows(40, 1u << 29);
    for (std::uint32_t& row : rows) {
        while (std::popcount(row) < 7) {
            row |= 1u << (random() % 30);
        }
    }
    std::uint64_t expected = 0;
    for (std::uint32_t set = 0x7F; set < (1u << 30);) {
        expected += std::none_of(rows.begin(), rows.end(),
                                 [&](std::uint32_t row) { return std::popcount(row & set) >= 3; });
        const std::uint32_t lowest = set & (~set + 1);
        const std::uint32_t ripple = set + lowest;
        set = ripple | (((set ^ ripple) >> 2) / lowest);
    }
    EXPECT_GT(expected, 0u);
    EXPECT_EQ(uncoveredSetCount(rows, 30, 3, 7), expected);
    EXPECT_FALSE(coversAllSets(rows, 30, 3, 7));
}

// Schönheim's recursion, its exact value for t = k (all k-subsets) and for t = 1.
TEST(SchonheimBound, RecursionAndClosedCases) {
    for (int v = 2; v <= 30; ++v) {
        for (int k = 1; k < v && k <= 7; ++k) {
            EXPECT_EQ(schonheimBound(v, k, 1), std::uint64_t((v + k - 1) / k));
            std::uint64_t all = 1;
            for (int i = 0; i < k; ++i) {
                all = all * std::uint64_t(v - i) / std::uint64_t(i + 1);
            }
            EXPECT_EQ(schonheimBound(v, k, k), all);
            for (int t = 2; t <= k; ++t) {
                const std::uint64_t inner = schonheimBound(v - 1, k - 1, t - 1);
                EXPECT_EQ(schonheimBound(v, k, t), (std::uint64_t(v) * inner + k - 1) / k);
            }
        }
    }
}
