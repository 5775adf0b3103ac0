#pragma once

#include <cstdint>
#include <span>

// Exhaustive check of a key's guarantee on the indices 0..n-1 of the played numbers: a row is a
// bit mask of indices, and the key guarantees t hits when m of the drawn numbers are among the
// played ones if every m-subset of 0..n-1 meets some row in at least t indices.
// Limits: 1 <= t <= m <= n <= 30 and t <= 8; index bits at or above n are ignored.

// The number of m-subsets that meet no row in t or more indices.
std::uint64_t uncoveredSetCount(std::span<const std::uint32_t> rows, int n, int t, int m);

// True when no m-subset is left uncovered; stops at the first one that is.
bool coversAllSets(std::span<const std::uint32_t> rows, int n, int t, int m);
