#include "KeyGeneration.h"

#include "CoveringBound.h"
#include "CoveringCheck.h"
#include "KeyAnnealing.h"
#include "KeyFile.h"
#include "SubsetRanks.h"

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
           r.drawnAmong <= r.rowLength;
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
    std::size_t floor = 1;
    if (shape.t == shape.m) {
        const std::uint64_t bound = schonheimBound(shape.n, shape.k, shape.t);
        result.lowerBound = std::int64_t(bound);
        if (bound > std::uint64_t(maxKeyRows)) {
            result.status = KeyStatus::TooLarge;
            return result;
        }
        floor = std::size_t(bound);
    }

    const auto isCancelled = [&] { return shared.cancelled(); };
    // The greedy key is checked like every key before it may be returned, and stays the key to
    // return when no smaller one passes the check.
    std::vector<std::uint32_t> verified =
        greedyKey(shape, std::size_t(maxKeyRows), &shared.cancelFlag());
    if (isCancelled()) {
        result.status = KeyStatus::Cancelled;
        return result;
    }
    if (verified.size() > std::size_t(maxKeyRows)) {
        result.status = KeyStatus::TooLarge;
        return result;
    }
    if (!coversAllSets(verified, shape.n, shape.t, shape.m)) {
        // Cannot happen: the greedy adds rows until every set is covered.
        result.status = KeyStatus::Cancelled;
        return result;
    }

    if (verified.size() > floor) {
        // One chain of each kind; one with the same symmetry as the chain before it starts as a
        // copy of that chain.
        std::vector<AnnealingChain> chains;
        const std::vector<ChainKind> kinds = chainKinds(shape.n);
        chains.reserve(kinds.size());
        for (std::size_t c = 0; c < kinds.size(); ++c) {
            const ChainKind& kind = kinds[c];
            const KeySymmetry& symmetry = kind.symmetry;
            if (c > 0 && kinds[c - 1].symmetry.rotated == symmetry.rotated &&
                kinds[c - 1].symmetry.step == symmetry.step) {
                chains.push_back(chains.back());
            } else if (symmetry.rotated == 0) {
                chains.emplace_back(shape, verified, 0);
            } else {
                const std::size_t order = std::size_t(kind.order());
                chains.emplace_back(shape, symmetry, (verified.size() + order - 1) / order, c);
            }
            chains.back().setCooling(kind.cooling);
        }
        const std::uint64_t requestSeed = std::uint64_t(shape.n) << 24 |
                                          std::uint64_t(shape.k) << 16 |
                                          std::uint64_t(shape.t) << 8 | std::uint64_t(shape.m);
        for (std::size_t c = 0; c < chains.size(); ++c) {
            chains[c].reseed(requestSeed * 0x9E3779B97F4A7C15ull + c);
        }
        const int threadCount = std::clamp(
            options.threads > 0 ? options.threads : int(std::thread::hardware_concurrency()), 1,
            int(chains.size()));
        // The chain with the smallest key among those of the kind (of any kind: nullptr), the
        // lowest numbered on a tie; none while no chain has a key.
        const auto leader = [&](const ChainKind* kind) {
            std::optional<std::size_t> best;
            for (std::size_t c = 0; c < chains.size(); ++c) {
                const std::size_t size = chains[c].bestRows().size();
                if ((kind == nullptr || sameKind(kinds[c], *kind)) && size > 0 &&
                    (!best || size < chains[*best].bestRows().size())) {
                    best = c;
                }
            }
            return best;
        };

        for (int round = 0; round < roundCount; ++round) {
            std::atomic<int> nextChain{0};
            const auto work = [&] {
                for (int c; (c = nextChain.fetch_add(1)) < int(chains.size());) {
                    AnnealingChain& chain = chains[std::size_t(c)];
                    std::int64_t used = 0;
                    while (used < roundSteps && !isCancelled()) {
                        const std::int64_t slice =
                            chain.run(std::min(sliceSteps, roundSteps - used), floor);
                        shared.advance(slice);
                        used += slice;
                        if (slice == 0) {
                            break;
                        }
                    }
                }
            };
            {
                std::vector<std::jthread> helpers;
                for (int i = 1; i < threadCount; ++i) {
                    helpers.emplace_back(work);
                }
                work();
            }
            if (isCancelled()) {
                result.status = KeyStatus::Cancelled;
                return result;
            }
            const std::optional<std::size_t> best = leader(nullptr);
            if (best && chains[*best].bestRows().size() <= floor) {
                break;
            }
            for (std::size_t c = 0; c < chains.size(); ++c) {
                const std::optional<std::size_t> ahead = leader(&kinds[c]);
                if (ahead && *ahead != c &&
                    (chains[c].bestRows().empty() ||
                     chains[c].bestRows().size() > chains[*ahead].bestRows().size())) {
                    chains[c].adopt(chains[*ahead]);
                }
            }
        }
        // The smallest key that passes the check, by size and then chain number.
        std::vector<std::size_t> order(chains.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return chains[a].bestRows().size() < chains[b].bestRows().size();
        });
        for (const std::size_t c : order) {
            const std::vector<std::uint32_t>& found = chains[c].bestRows();
            if (!found.empty() && found.size() < verified.size() &&
                coversAllSets(found, shape.n, shape.t, shape.m)) {
                verified = found;
                break;
            }
        }
    }
    shared.finish();
    result.status = KeyStatus::Found;
    result.rows = sortedIndexRows(verified);
    return result;
}

std::vector<std::vector<int>> keyNumbers(const std::vector<std::vector<int>>& rows,
                                         QList<int> played) {
    std::sort(played.begin(), played.end());
    std::vector<std::vector<int>> numbers;
    numbers.reserve(rows.size());
    for (const std::vector<int>& row : rows) {
        std::vector<int> mapped;
        mapped.reserve(row.size());
        for (const int index : row) {
            mapped.push_back(played.value(index));
        }
        numbers.push_back(std::move(mapped));
    }
    return numbers;
}

QStringList keyRowTexts(const std::vector<std::vector<int>>& numberRows) {
    QStringList texts;
    texts.reserve(qsizetype(numberRows.size()));
    for (const std::vector<int>& row : numberRows) {
        QString text;
        for (const int number : row) {
            if (!text.isEmpty()) {
                text += QLatin1Char(' ');
            }
            text += QString::number(number).rightJustified(2, QLatin1Char('0'));
        }
        texts.append(text);
    }
    return texts;
}
