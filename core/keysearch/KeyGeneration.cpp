#include "core/keysearch/KeyGeneration.h"

#include "core/keysearch/CoveringBound.h"
#include "core/keysearch/CoveringCheck.h"
#include "core/keysearch/KeyAnnealing.h"
#include "core/keysearch/SubsetRanks.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <thread>

namespace {

// The search is split into this many chains (chainKinds), each run for a share of the steps in
// every round. After a round a chain whose best key is larger than the best of its kind takes
// over the state of the chain with that key (the lowest-numbered one on a tie). Which thread
// runs a chain changes nothing, so the key depends on the request and the steps alone.
constexpr int chainCount = 8;
constexpr int roundCount = 16;

// Steps of one call into a chain between looks at the cancel flag and the progress counter.
constexpr std::int64_t sliceSteps = 1 << 14;

// The default effort, in steps (see AnnealingChain::run): about ten seconds on two cores.
constexpr std::int64_t defaultSteps = 500'000'000;

// What each chain searches: no symmetry improves the greedy key; a rotation of the first r
// indices (all of them, all but the last, or the first even number of them by two places)
// looks for a key made of whole orbits, at a steady temperature or cooling again and again. The
// orbit searches are small and end in sizes that are multiples of the orbit length, so several of
// them give the best chances. Chains of one kind are adjacent.
struct ChainKind {
    KeySymmetry symmetry;
    Cooling cooling;
    int order() const {
        return symmetry.rotated == 0 ? 1
                                     : symmetry.rotated / std::gcd(symmetry.rotated, symmetry.step);
    }
};

std::vector<ChainKind> chainKinds(int n) {
    const Cooling steady{0.3, 0.3};
    const Cooling cycling{0.4, 0.2};
    const KeySymmetry none{0, 1};
    const KeySymmetry all{n, 1};
    const KeySymmetry allButLast{n - 1, 1};
    const KeySymmetry byTwo{n % 2 == 0 ? n : n - 1, 2};
    return {{none, steady},       {none, steady},        {all, steady},   {all, cycling},
            {allButLast, steady}, {allButLast, cycling}, {byTwo, steady}, {byTwo, cycling}};
}

bool sameKind(const ChainKind& a, const ChainKind& b) {
    return a.symmetry.rotated == b.symmetry.rotated && a.symmetry.step == b.symmetry.step &&
           a.cooling == b.cooling;
}

bool validShape(const KeyRequest& r) {
    return r.rowLength >= 2 && r.rowLength <= 7 && r.played > r.rowLength &&
           r.played <= maxPlayedNumbers && r.guaranteed >= 2 && r.guaranteed <= r.drawnAmong &&
           r.drawnAmong <= r.rowLength && r.rowLimit >= 1;
}

std::vector<std::vector<int>> sortedIndexRows(const std::vector<std::uint32_t>& masks) {
    std::vector<std::vector<int>> rows;
    rows.reserve(masks.size());
    for (std::uint32_t mask : masks) {
        std::vector<int> row;
        for (; mask != 0; mask &= mask - 1) {
            row.push_back(std::countr_zero(mask));
        }
        rows.push_back(std::move(row));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The chains of one search, one of each kind, and the rounds they run in. The steps of a round
// are shared out among the chains; after a round a chain behind the leader of its kind takes
// over the leader's state.
class ChainSearch {
public:
    ChainSearch(const CoverShape& shape, const std::vector<std::uint32_t>& greedy)
        : shape_(shape), kinds_(chainKinds(shape.n)) {
        startChains(greedy);
        reseed();
    }

    // Runs every round unless a key of `floor` rows turns up first. False when cancelled.
    bool run(std::int64_t roundSteps, std::size_t floor, int threadCount,
             KeySearchProgress& progress) {
        for (int round = 0; round < roundCount; ++round) {
            runRound(roundSteps, floor, threadCount, progress);
            if (progress.cancelled()) {
                return false;
            }
            const std::optional<std::size_t> best = leader(nullptr);
            if (best && chains_[*best].bestRows().size() <= floor) {
                break;
            }
            followLeaders();
        }
        return true;
    }

    // The smallest key found that passes the exhaustive check, by size and then chain number,
    // when it is smaller than `verified`; otherwise `verified`.
    std::vector<std::uint32_t> smallestCheckedKey(std::vector<std::uint32_t> verified) const {
        std::vector<std::size_t> order(chains_.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return chains_[a].bestRows().size() < chains_[b].bestRows().size();
        });
        for (const std::size_t c : order) {
            const std::vector<std::uint32_t>& found = chains_[c].bestRows();
            if (!found.empty() && found.size() < verified.size() &&
                coversAllSets(found, shape_.n, shape_.t, shape_.m)) {
                return found;
            }
        }
        return verified;
    }

private:
    // A chain without symmetry starts from the greedy key; one under a symmetry from random
    // orbit representatives, about as many as the greedy key has orbits; one with the same
    // symmetry as the chain before it starts as a copy of that chain.
    void startChains(const std::vector<std::uint32_t>& greedy) {
        chains_.reserve(kinds_.size());
        for (std::size_t c = 0; c < kinds_.size(); ++c) {
            const ChainKind& kind = kinds_[c];
            const KeySymmetry& symmetry = kind.symmetry;
            if (c > 0 && kinds_[c - 1].symmetry.rotated == symmetry.rotated &&
                kinds_[c - 1].symmetry.step == symmetry.step) {
                chains_.push_back(chains_.back());
            } else if (symmetry.rotated == 0) {
                chains_.emplace_back(shape_, greedy, 0);
            } else {
                const std::size_t order = std::size_t(kind.order());
                chains_.emplace_back(shape_, symmetry, (greedy.size() + order - 1) / order, c);
            }
            chains_.back().setCooling(kind.cooling);
        }
    }

    // Seeds that depend on the request and the chain alone.
    void reseed() {
        const std::uint64_t requestSeed = std::uint64_t(shape_.n) << 24 |
                                          std::uint64_t(shape_.k) << 16 |
                                          std::uint64_t(shape_.t) << 8 | std::uint64_t(shape_.m);
        for (std::size_t c = 0; c < chains_.size(); ++c) {
            chains_[c].reseed(requestSeed * 0x9E3779B97F4A7C15ull + c);
        }
    }

    // Every chain runs its share of the round, in slices between looks at the cancel flag; the
    // threads take the chains in turn, so which thread runs a chain changes nothing.
    void runRound(std::int64_t roundSteps, std::size_t floor, int threadCount,
                  KeySearchProgress& progress) {
        std::atomic<int> nextChain{0};
        const auto work = [&] {
            for (int c; (c = nextChain.fetch_add(1)) < int(chains_.size());) {
                AnnealingChain& chain = chains_[std::size_t(c)];
                std::int64_t used = 0;
                while (used < roundSteps && !progress.cancelled()) {
                    const std::int64_t slice =
                        chain.run(std::min(sliceSteps, roundSteps - used), floor);
                    progress.advance(slice);
                    used += slice;
                    if (slice == 0) {
                        break;
                    }
                }
            }
        };
        std::vector<std::jthread> helpers;
        for (int i = 1; i < threadCount; ++i) {
            helpers.emplace_back(work);
        }
        work();
    }

    // The chain with the smallest key among those of the kind (of any kind: nullptr), the lowest
    // numbered on a tie; none while no chain has a key.
    std::optional<std::size_t> leader(const ChainKind* kind) const {
        std::optional<std::size_t> best;
        for (std::size_t c = 0; c < chains_.size(); ++c) {
            const std::size_t size = chains_[c].bestRows().size();
            if ((kind == nullptr || sameKind(kinds_[c], *kind)) && size > 0 &&
                (!best || size < chains_[*best].bestRows().size())) {
                best = c;
            }
        }
        return best;
    }

    void followLeaders() {
        for (std::size_t c = 0; c < chains_.size(); ++c) {
            const std::optional<std::size_t> ahead = leader(&kinds_[c]);
            if (ahead && *ahead != c &&
                (chains_[c].bestRows().empty() ||
                 chains_[c].bestRows().size() > chains_[*ahead].bestRows().size())) {
                chains_[c].adopt(chains_[*ahead]);
            }
        }
    }

    CoverShape shape_;
    std::vector<ChainKind> kinds_;
    std::vector<AnnealingChain> chains_;
};

int threadsFor(const KeySearchOptions& options) {
    const int wanted =
        options.threads > 0 ? options.threads : int(std::thread::hardware_concurrency());
    return std::clamp(wanted, 1, chainCount);
}

} // namespace

double KeySearchProgress::fraction() const {
    const std::int64_t total = total_.load(std::memory_order_relaxed);
    const std::int64_t done = done_.load(std::memory_order_relaxed);
    return total <= 0 ? 0.0 : std::clamp(double(done) / double(total), 0.0, 1.0);
}

void KeySearchProgress::start(std::int64_t total) {
    done_.store(0, std::memory_order_relaxed);
    total_.store(std::max<std::int64_t>(1, total), std::memory_order_relaxed);
}

std::int64_t defaultKeySearchSteps() {
    return defaultSteps;
}

KeyResult makeKey(const KeyRequest& request, const KeySearchOptions& options,
                  KeySearchProgress* progress) {
    KeySearchProgress ownProgress;
    KeySearchProgress& shared = progress != nullptr ? *progress : ownProgress;
    const std::int64_t steps = options.steps > 0 ? options.steps : defaultSteps;
    const std::int64_t roundSteps = std::max<std::int64_t>(1, steps / (chainCount * roundCount));
    shared.start(roundSteps * chainCount * roundCount);

    KeyResult result;
    if (!validShape(request)) {
        return result;
    }
    const CoverShape shape{request.played, request.rowLength, request.guaranteed,
                           request.drawnAmong};
    const std::size_t limit = std::size_t(request.rowLimit);

    // No key is smaller than Schönheim's bound; a bound beyond the limit needs no search.
    std::size_t floor = 1;
    if (shape.t == shape.m) {
        const std::uint64_t bound = schonheimBound(shape.n, shape.k, shape.t);
        result.lowerBound = std::int64_t(bound);
        if (bound > limit) {
            result.status = KeyStatus::TooLarge;
            return result;
        }
        floor = std::size_t(bound);
    }

    // The greedy key is checked like every key before it may be returned, and stays the key to
    // return when no smaller one passes the check. The greedy adds rows until every set is
    // covered, so a greedy key that fails the check is a fault, told as a refused request.
    std::vector<std::uint32_t> verified = greedyKey(shape, limit, &shared.cancelFlag());
    if (shared.cancelled()) {
        result.status = KeyStatus::Cancelled;
        return result;
    }
    if (verified.size() > limit) {
        result.status = KeyStatus::TooLarge;
        return result;
    }
    if (!coversAllSets(verified, shape.n, shape.t, shape.m)) {
        return result;
    }

    if (verified.size() > floor) {
        ChainSearch search(shape, verified);
        if (!search.run(roundSteps, floor, threadsFor(options), shared)) {
            result.status = KeyStatus::Cancelled;
            return result;
        }
        verified = search.smallestCheckedKey(std::move(verified));
    }
    shared.finish();
    result.status = KeyStatus::Found;
    result.rows = sortedIndexRows(verified);
    return result;
}
