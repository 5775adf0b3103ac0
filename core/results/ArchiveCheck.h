#pragma once

#include "core/base/NumberMask.h"
#include "core/results/DrawArchive.h"
#include "core/results/DrawCheckResult.h"
#include "core/results/PreparedCheck.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

// "Minden húzás": what the result check looks at, checked against every draw of an archive.

// One draw that won anything.
struct ArchiveWin {
    std::size_t line = 0;           // the archive's line
    int draw = 0;                   // which draw of the line: 1 the hand draw of a 7-number week
    HitCounts combinations{};       // rows or combinations by hits
    long long prize = 0;            // what the file's prize per winner pays for the known classes
    long long unknownPrizeWins = 0; // winning rows or combinations of classes without a prize
    BestItem best;
};

struct ArchiveCheckResult {
    CheckedSubject subject = CheckedSubject::Key;
    int numbersPerRow = 6;
    int fewestWinningHits = 3;
    long long draws = 0; // draws checked
    long long weeks = 0; // the weeks they belong to
    QString oldest;      // the oldest and the newest draw checked: their dates, or weeks
    QString newest;
    std::vector<ArchiveWin> wins; // newest first
    HitCounts winsByClass{};      // winning rows or combinations of every draw by hits
    long long total = 0;          // the prizes of all wins with a known prize
    long long unknownPrizeWins = 0;
    std::optional<std::size_t> best;    // the best draw among wins: the highest known prize, then
                                        // the higher class, then the newer draw
    std::vector<long long> frequencies; // 1..N: how often each number was drawn
    NumberMask played;
    std::vector<Unchecked> unchecked;
    bool cancelled = false; // stopped before the end: nothing else holds
};

// How far a check of every draw is, read and stopped from another thread.
class ArchiveCheckProgress {
public:
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // Done part, 0..1.
    double fraction() const {
        const long long total = total_.load(std::memory_order_relaxed);
        return total > 0 ? double(done_.load(std::memory_order_relaxed)) / double(total) : 0.0;
    }

    void start(long long total) { total_.store(total, std::memory_order_relaxed); }
    void advance(long long steps) { done_.fetch_add(steps, std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<long long> done_{0};
    std::atomic<long long> total_{0};
};

// Counts the subject against every draw of the archive, one after the other; each draw of a
// 7-number week on its own, both paid at that week's prizes. Stops early, with `cancelled`
// set, when the progress is cancelled.
ArchiveCheckResult checkArchive(const PreparedSubject& subject, const DrawArchive& archive,
                                ArchiveCheckProgress* progress = nullptr);

// The name of a draw of the archive in a result: "2019. 8. hét – 2019.02.23." (Full) or
// "2019.02.23." (Date: the date alone where there is one), with the draw's name on a 7-number
// line ("…, gépi húzás").
enum class DrawNaming { Full, Date };
QString archiveDrawName(const DrawArchive& archive, std::size_t line, int draw,
                        DrawNaming naming = DrawNaming::Full);
