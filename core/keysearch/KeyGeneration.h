#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// Making a key with a stated guarantee ("Kulcs készítés"): rows of `rowLength` numbers out of
// `played` numbers such that whenever `drawnAmong` of the drawn numbers are among the played
// ones, some row holds at least `guaranteed` of them. The search works on the indices
// 0..played-1; index i stands for the i-th smallest played number.
struct KeyRequest {
    int played = 0;       // n, rowLength < n <= 30
    int rowLength = 6;    // K, the game's numbers per row
    int guaranteed = 3;   // t, 2 <= t <= m
    int drawnAmong = 3;   // m, t <= m <= K
    int rowLimit = 32736; // the most rows a key may have (a key file's limit)
};

// Search effort. The same request and steps give the same key on any machine with any number
// of threads: the work is split into a fixed set of chains with fixed seeds.
struct KeySearchOptions {
    std::int64_t steps = 0; // 0: the default effort (about ten seconds on two cores)
    int threads = 0;        // 0: every core
};

// Shared with a window that shows progress and may stop the search: one object per search. It
// may be read and cancel() called from any thread while makeKey() runs.
class KeySearchProgress {
public:
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    const std::atomic<bool>& cancelFlag() const { return cancelled_; }

    // Done part of the search, 0..1.
    double fraction() const;

    // Internal bookkeeping of makeKey().
    void start(std::int64_t total);
    void advance(std::int64_t steps) { done_.fetch_add(steps, std::memory_order_relaxed); }
    void finish() { done_.store(total_.load(std::memory_order_relaxed)); }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<std::int64_t> done_{0};
    std::atomic<std::int64_t> total_{1};
};

enum class KeyStatus {
    Found,     // rows hold a key that passed the exhaustive check
    Cancelled, // stopped by the caller; no rows
    TooLarge,  // the key cannot fit within the request's rowLimit rows; no rows
    Invalid,   // the request is outside the limits of KeyRequest; no rows
};

struct KeyResult {
    KeyStatus status = KeyStatus::Invalid;
    // Ascending indices within each row, rows in ascending (lexicographic) order.
    std::vector<std::vector<int>> rows;
    // Schönheim's bound when drawnAmong == guaranteed, otherwise nothing (also with TooLarge).
    std::optional<std::int64_t> lowerBound;
};

// The default effort of KeySearchOptions::steps.
std::int64_t defaultKeySearchSteps();

// Searches for a key as small as it can find within the effort, on the given threads, and
// returns it only after the exhaustive check passed. A request whose bound exceeds its rowLimit
// is refused before any search (TooLarge, lowerBound above the limit); so is one whose greedy
// key passes the limit (TooLarge; the bound, if any, is then within the limit). A request
// outside the limits of KeyRequest gives Invalid with no rows.
KeyResult makeKey(const KeyRequest& request, const KeySearchOptions& options = {},
                  KeySearchProgress* progress = nullptr);
