#include "KeyAnnealing.h"
#include "BruteForce.h"
#include "KeyGeneration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

namespace {

std::uint32_t rotated(std::uint32_t set, int turning) {
    const std::uint32_t mask = (1u << turning) - 1;
    const std::uint32_t part = set & mask;
    return (set & ~mask) | (((part << 1) | (part >> (turning - 1))) & mask);
}

} // namespace

// Both greedy ways give covering keys of rows of k indices; given too few rows they stop one
// row past the limit.
TEST(GreedyKey, BothWaysCoverAndStopPastTheLimit) {
    std::mt19937 random(5);
    for (int trial = 0; trial < 30; ++trial) {
        const int k = 2 + int(random() % 5);
        const int n = k + 1 + int(random() % 6);
        const int t = 1 + int(random() % k);
        const int m = t + int(random() % (k - t + 1));
        const CoverShape shape{n, k, t, m};
        SCOPED_TRACE(testing::Message() << n << ' ' << k << ' ' << t << ' ' << m);
        for (const auto& greedy : {greedyOverAllRows, greedyByIndex}) {
            const std::vector<std::uint32_t> key = greedy(shape, 1000, nullptr);
            EXPECT_EQ(bruteUncovered(key, n, t, m), 0u);
            EXPECT_TRUE(std::all_of(key.begin(), key.end(), [&](std::uint32_t row) {
                return std::popcount(row) == k && row < (1u << n);
            }));
            if (key.size() > 2) {
                EXPECT_EQ(greedy(shape, 1, nullptr).size(), 2u);
            }
        }
    }
}

// A chain under a rotation keeps keys made of whole orbits: each is closed under the rotation
// and covers; a plain chain's key covers and is never larger than its start.
TEST(AnnealingChain, KeysCoverAndOrbitKeysAreClosed) {
    std::mt19937 random(3);
    for (int trial = 0; trial < 12; ++trial) {
        const int k = 4 + trial % 3;
        const int n = k + 2 + int(random() % 6);
        const int t = 2 + int(random() % (k - 2));
        const int m = t + int(random() % 2);
        const CoverShape shape{n, k, t, m};
        SCOPED_TRACE(testing::Message() << n << ' ' << k << ' ' << t << ' ' << m);
        const std::vector<std::uint32_t> start = greedyKey(shape, 100000);
        AnnealingChain plain(shape, start, std::uint64_t(trial));
        plain.run(200'000, 1);
        EXPECT_LE(plain.bestRows().size(), start.size());
        EXPECT_EQ(bruteUncovered(plain.bestRows(), n, t, m), 0u);
        for (const int turning : {n, n - 1}) {
            AnnealingChain orbits(shape, KeySymmetry{turning},
                                  start.size() / std::size_t(turning) + 1, std::uint64_t(trial));
            orbits.run(200'000, 1);
            const std::vector<std::uint32_t>& key = orbits.bestRows();
            ASSERT_FALSE(key.empty());
            EXPECT_EQ(bruteUncovered(key, n, t, m), 0u);
            for (const std::uint32_t row : key) {
                EXPECT_TRUE(std::binary_search(key.begin(), key.end(), rotated(row, turning)));
            }
        }
    }
}

// The progress a window polls only grows, stays within 0..1 and ends full.
TEST(MakeKey, ProgressGrowsToFull) {
    KeySearchProgress progress;
    std::vector<double> seen;
    std::atomic<bool> done{false};
    std::jthread poller([&] {
        while (!done.load()) {
            seen.push_back(progress.fraction());
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const KeyResult result = makeKey({16, 6, 4, 4}, {20'000'000, 2}, &progress);
    done.store(true);
    poller.join();
    EXPECT_EQ(result.status, KeyStatus::Found);
    EXPECT_DOUBLE_EQ(progress.fraction(), 1.0);
    ASSERT_GT(seen.size(), 3u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](double f) { return f >= 0 && f <= 1; }));
    EXPECT_GT(std::count_if(seen.begin(), seen.end(), [](double f) { return f > 0 && f < 1; }), 0);
}
