#include "core/keysearch/KeyGeneration.h"
#include "core/base/RowText.h"
#include "core/files/KeyFile.h"
#include "core/keys/KeyGenerationForm.h"
#include "tests/keygen/BruteForce.h"

#include <gtest/gtest.h>

#include <chrono>

#include <atomic>

#include <algorithm>
#include <random>
#include <thread>

namespace {

std::vector<std::uint32_t> masks(const std::vector<std::vector<int>>& rows) {
    std::vector<std::uint32_t> result;
    for (const std::vector<int>& row : rows) {
        std::uint32_t mask = 0;
        for (const int index : row) {
            mask |= 1u << index;
        }
        result.push_back(mask);
    }
    return result;
}

// A plain greedy: for each m-set, in mask order, that no row covers yet, a row of its lowest t
// indices and the lowest other indices.
std::size_t plainGreedySize(int n, int k, int t, int m) {
    std::vector<std::uint32_t> rows;
    for (std::uint32_t set = 0; set < (1u << n); ++set) {
        if (std::popcount(set) != m) {
            continue;
        }
        if (std::none_of(rows.begin(), rows.end(),
                         [&](std::uint32_t row) { return std::popcount(row & set) >= t; })) {
            std::uint32_t row = 0;
            for (std::uint32_t rest = set; std::popcount(row) < t; rest &= rest - 1) {
                row |= rest & (~rest + 1);
            }
            for (int i = 0; std::popcount(row) < k; ++i) {
                row |= 1u << i;
            }
            rows.push_back(row);
        }
    }
    return rows.size();
}

} // namespace

// Random small requests of the three games: each key is sorted, holds the guarantee by the
// plain check, is no larger than the plain greedy and no smaller than the bound.
TEST(MakeKey, RandomRequestsGiveValidSmallKeys) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 24; ++trial) {
        const int k = 5 + trial % 3;
        const int n = k + 1 + int(random() % 6);
        const int t = 2 + int(random() % (k - 1));
        const int m = t + int(random() % (k - t + 1));
        const KeyResult result = makeKey({n, k, t, m}, {300'000, 2});
        SCOPED_TRACE(testing::Message() << n << ' ' << k << ' ' << t << ' ' << m);
        ASSERT_EQ(result.status, KeyStatus::Found);
        EXPECT_TRUE(std::is_sorted(result.rows.begin(), result.rows.end()));
        for (const std::vector<int>& row : result.rows) {
            EXPECT_EQ(int(row.size()), k);
            EXPECT_TRUE(std::adjacent_find(row.begin(), row.end(), std::greater_equal<>()) ==
                        row.end());
            EXPECT_TRUE(row.front() >= 0 && row.back() < n);
        }
        EXPECT_EQ(bruteUncovered(masks(result.rows), n, t, m), 0u);
        EXPECT_LE(result.rows.size(), plainGreedySize(n, k, t, m));
        EXPECT_EQ(result.lowerBound.has_value(), t == m);
        if (result.lowerBound) {
            EXPECT_GE(std::int64_t(result.rows.size()), *result.lowerBound);
        }
    }
}

// The same request gives the same key again and with one or two threads; the progress ends
// full.
TEST(MakeKey, SameKeyWhateverTheThreads) {
    const KeyRequest request{14, 6, 4, 4};
    KeySearchProgress progress;
    const KeyResult first = makeKey(request, {3'000'000, 1}, &progress);
    EXPECT_DOUBLE_EQ(progress.fraction(), 1.0);
    const KeyResult again = makeKey(request, {3'000'000, 1});
    const KeyResult twoThreads = makeKey(request, {3'000'000, 2});
    ASSERT_EQ(first.status, KeyStatus::Found);
    EXPECT_EQ(first.rows, again.rows);
    EXPECT_EQ(first.rows, twoThreads.rows);
}

// Cancelling before or during a search returns no key; a request beyond the key's rows is
// refused with its bound, and one with m > t whose greedy key passes the limit the same way.
TEST(MakeKey, CancelledOrTooLargeGivesNoRows) {
    KeySearchProgress cancelledEarly;
    cancelledEarly.cancel();
    const KeyResult early = makeKey({20, 6, 4, 4}, {}, &cancelledEarly);
    EXPECT_EQ(early.status, KeyStatus::Cancelled);
    EXPECT_TRUE(early.rows.empty());

    KeySearchProgress progress;
    std::jthread canceller([&] {
        while (progress.fraction() < 0.01) {
            std::this_thread::yield();
        }
        progress.cancel();
    });
    const KeyResult during = makeKey({20, 6, 4, 4}, {}, &progress);
    EXPECT_EQ(during.status, KeyStatus::Cancelled);
    EXPECT_TRUE(during.rows.empty());

    const KeyResult huge = makeKey({30, 7, 6, 6});
    EXPECT_EQ(huge.status, KeyStatus::TooLarge);
    EXPECT_TRUE(huge.rows.empty());
    EXPECT_GT(huge.lowerBound.value_or(0), maxKeyRows);

    // Without a bound the greedy key shows it: it passes the limit (a small one, so the greedy
    // stops soon).
    const KeyResult unbounded = makeKey({30, 7, 6, 7, 1000});
    EXPECT_EQ(unbounded.status, KeyStatus::TooLarge);
    EXPECT_TRUE(unbounded.rows.empty());
    EXPECT_FALSE(unbounded.lowerBound.has_value());
}

// Rows mapped to the played numbers (in any order) and written as key-file rows read back as
// the same numbers.
TEST(MakeKey, KeyRowsReadBackAsThePlayedNumbers) {
    const QList<int> played = {45, 3, 17, 9, 30, 1, 22};
    const KeyResult result = makeKey({7, 6, 5, 5}, {10'000, 1});
    const std::vector<std::vector<int>> numbers = keyNumbers(result.rows, played);
    const QStringList texts = keyRowTexts(numbers);
    ASSERT_EQ(texts.size(), qsizetype(result.rows.size()));
    for (qsizetype r = 0; r < texts.size(); ++r) {
        ASSERT_EQ(rowWidth(texts[r]), 6);
        for (int i = 0; i < 6; ++i) {
            QList<int> sorted = played;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(rowValue(texts[r], i + 1),
                      sorted[result.rows[std::size_t(r)][std::size_t(i)]]);
            EXPECT_EQ(numbers[std::size_t(r)][std::size_t(i)], rowValue(texts[r], i + 1));
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
