#include "KeyAnnealing.h"

#include "SubsetRanks.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

namespace {

// Temperatures of the cooling: from the first to the last by the factor, then again.
constexpr double firstTemperature = 0.6;
constexpr double lastTemperature = 0.08;
constexpr double coolingFactor = 0.97;

// The greedy counts the sets an index would cover only while that takes at most this many set
// look-ups for one row.
constexpr std::uint64_t greedyCountingLimit = 1u << 20;

// Rows examined for the cheapest one to remove take at most about this many set look-ups.
constexpr std::uint64_t removalLookups = 1u << 21;

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The next set of the same size in colex order (Gosper's hack).
std::uint32_t nextSameSize(std::uint32_t set) {
    const std::uint32_t lowest = set & (~set + 1);
    const std::uint32_t ripple = set + lowest;
    return ripple | (((set ^ ripple) >> 2) / lowest);
}

// Calls f(set) for every target set that meets `row` in t or more indices.
template <typename F>
void forEachCoveredSet(const CoverShape& shape, std::uint32_t row, F&& f) {
    const std::uint32_t outside = shape.allIndices() & ~row;
    const int most = std::min(std::popcount(row), shape.m);
    for (int inRow = shape.t; inRow <= most; ++inRow) {
        forEachSubset(row, inRow, [&](std::uint32_t part) {
            forEachSubset(outside, shape.m - inRow, [&](std::uint32_t rest) { f(part | rest); });
        });
    }
}

// Target sets one row of k indices covers.
std::uint64_t setsPerRow(const CoverShape& shape) {
    std::uint64_t sets = 0;
    for (int inRow = shape.t; inRow <= std::min(shape.k, shape.m); ++inRow) {
        sets += std::uint64_t(binomial(shape.k, inRow)) * binomial(shape.n - shape.k, shape.m - inRow);
    }
    return sets;
}

} // namespace

std::vector<std::uint32_t> greedyKey(const CoverShape& shape, std::size_t maxRows,
                                     const std::atomic<bool>* cancelled) {
    const std::uint32_t setCount = binomial(shape.n, shape.m);
    const std::uint32_t all = shape.allIndices();
    std::vector<std::uint8_t> covered(setCount, 0);
    std::vector<int> uses(std::size_t(shape.n), 0);
    std::vector<std::uint32_t> rows;

    // Uncovered target sets that adding index p to the partial row would cover: those holding
    // p, t-1 indices of the row and the rest outside it.
    const auto gain = [&](std::uint32_t partial, int p) {
        const std::uint32_t bit = std::uint32_t(1) << p;
        const std::uint32_t outside = all & ~(partial | bit);
        std::int64_t sets = 0;
        forEachSubset(partial, shape.t - 1, [&](std::uint32_t part) {
            forEachSubset(outside, shape.m - shape.t, [&](std::uint32_t rest) {
                sets += covered[colexRank(bit | part | rest)] == 0;
            });
        });
        return sets;
    };

    std::uint32_t rank = 0;
    std::uint32_t set = (std::uint32_t(1) << shape.m) - 1;
    for (;;) {
        while (rank < setCount && covered[rank] != 0) {
            ++rank;
            set = nextSameSize(set);
        }
        if (rank == setCount || rows.size() > maxRows) {
            return rows;
        }
        if (cancelled != nullptr && cancelled->load(std::memory_order_relaxed)) {
            return {};
        }
        std::uint32_t row = 0;
        std::uint32_t start = set;
        for (int i = 0; i < shape.t; ++i, start &= start - 1) {
            row |= start & (~start + 1);
        }
        while (std::popcount(row) < shape.k) {
            const int size = std::popcount(row);
            const std::uint64_t lookups = std::uint64_t(binomial(size, shape.t - 1)) *
                                          binomial(shape.n - size - 1, shape.m - shape.t) *
                                          std::uint64_t(shape.n - size);
            int chosen = -1;
            std::int64_t chosenGain = -1;
            for (std::uint32_t free = all & ~row; free != 0; free &= free - 1) {
                const int p = std::countr_zero(free);
                const std::int64_t g = lookups <= greedyCountingLimit ? gain(row, p) : 0;
                if (g > chosenGain || (g == chosenGain && uses[p] < uses[chosen])) {
                    chosen = p;
                    chosenGain = g;
                }
            }
            row |= std::uint32_t(1) << chosen;
        }
        rows.push_back(row);
        for (std::uint32_t r = row; r != 0; r &= r - 1) {
            ++uses[std::countr_zero(r)];
        }
        forEachCoveredSet(shape, row, [&](std::uint32_t s) { covered[colexRank(s)] = 1; });
    }
}

AnnealingChain::AnnealingChain(const CoverShape& shape,
                               const std::vector<std::uint32_t>& coveringRows, std::uint64_t seed)
    : shape_(shape) {
    reseed(seed);
    const std::uint32_t setCount = binomial(shape.n, shape.m);
    coverCount_.assign(setCount, 0);
    uncoveredAt_.resize(setCount);
    uncovered_.resize(setCount);
    std::uint32_t set = (std::uint32_t(1) << shape.m) - 1;
    for (std::uint32_t rank = 0; rank < setCount; ++rank, set = nextSameSize(set)) {
        uncovered_[rank] = {rank, set};
        uncoveredAt_[rank] = std::int32_t(rank);
    }
    for (const std::uint32_t row : coveringRows) {
        addRow(row);
    }
    best_ = coveringRows;
    const std::uint64_t touched = 2ull * binomial(shape.k - 1, shape.t - 1) *
                                  binomial(shape.n - shape.k - 1, shape.m - shape.t);
    moveCost_ = std::int64_t(1 + touched / 64);
    lost_.reserve(touched);
    won_.reserve(touched);
    levelMoves_ = std::max<std::int64_t>(
        256, std::int64_t(coveringRows.size()) * shape.k * (shape.n - shape.k) / 4);
    setTemperature(firstTemperature);
}

void AnnealingChain::reseed(std::uint64_t seed) {
    for (std::uint64_t& word : state_) {
        word = splitMix(seed);
    }
}

std::uint64_t AnnealingChain::random() {
    // xoshiro256**
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}

std::uint32_t AnnealingChain::randomElement(std::uint32_t set) {
    std::uint32_t skip = below(std::uint32_t(std::popcount(set)));
    for (; skip > 0; --skip) {
        set &= set - 1;
    }
    return set & (~set + 1);
}

void AnnealingChain::cover(std::uint32_t rank) {
    if (coverCount_[rank]++ != 0) {
        return;
    }
    const std::int32_t at = uncoveredAt_[rank];
    const Uncovered last = uncovered_.back();
    uncovered_[std::size_t(at)] = last;
    uncoveredAt_[last.rank] = at;
    uncovered_.pop_back();
    uncoveredAt_[rank] = -1;
}

void AnnealingChain::uncover(std::uint32_t rank, std::uint32_t set) {
    if (--coverCount_[rank] != 0) {
        return;
    }
    uncoveredAt_[rank] = std::int32_t(uncovered_.size());
    uncovered_.push_back({rank, set});
}

void AnnealingChain::addRow(std::uint32_t row) {
    rows_.push_back(row);
    forEachCoveredSet(shape_, row, [&](std::uint32_t set) { cover(colexRank(set)); });
}

void AnnealingChain::removeRow(std::size_t index) {
    forEachCoveredSet(shape_, rows_[index],
                      [&](std::uint32_t set) { uncover(colexRank(set), set); });
    rows_[index] = rows_.back();
    rows_.pop_back();
}

int AnnealingChain::singlyCovered(std::uint32_t row) const {
    int sets = 0;
    forEachCoveredSet(shape_, row,
                      [&](std::uint32_t set) { sets += coverCount_[colexRank(set)] == 1; });
    return sets;
}

void AnnealingChain::removeCheapestRow() {
    const std::size_t count = rows_.size();
    const std::size_t examined =
        std::min<std::size_t>(count, std::max<std::uint64_t>(1, removalLookups / setsPerRow(shape_)));
    const std::size_t start = below(std::uint32_t(count));
    std::size_t cheapest = start;
    int cheapestSets = INT_MAX;
    for (std::size_t i = 0; i < examined; ++i) {
        const std::size_t index = (start + i) % count;
        const int sets = singlyCovered(rows_[index]);
        if (sets < cheapestSets) {
            cheapest = index;
            cheapestSets = sets;
        }
    }
    removeRow(cheapest);
}

std::size_t AnnealingChain::rowToChange(std::uint32_t target) {
    // A row holding t-1 indices of the uncovered set covers it after one exchange.
    const int wanted = shape_.t - 1;
    const std::uint32_t count = std::uint32_t(rows_.size());
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::uint32_t index = below(count);
        if (std::popcount(rows_[index] & target) == wanted) {
            return index;
        }
    }
    const std::uint32_t start = below(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t index = start + i < count ? start + i : start + i - count;
        if (std::popcount(rows_[index] & target) == wanted) {
            return index;
        }
    }
    return start;
}

int AnnealingChain::evaluate(std::uint32_t row, std::uint32_t out, std::uint32_t in) {
    // Only sets holding exactly t-1 of the row's other indices change: those with `out` (and
    // not `in`) stop being covered by the row, those with `in` (and not `out`) start.
    lost_.clear();
    won_.clear();
    const std::uint32_t kept = row & ~out;
    const std::uint32_t outside = shape_.allIndices() & ~(row | in);
    int delta = 0;
    forEachSubset(kept, shape_.t - 1, [&](std::uint32_t part) {
        forEachSubset(outside, shape_.m - shape_.t, [&](std::uint32_t rest) {
            const std::uint32_t lost = part | rest | out;
            const std::uint32_t lostRank = colexRank(lost);
            const std::uint32_t won = colexRank(part | rest | in);
            delta += int(coverCount_[lostRank] == 1) - int(coverCount_[won] == 0);
            lost_.push_back({lostRank, lost});
            won_.push_back(won);
        });
    });
    return delta;
}

void AnnealingChain::setTemperature(double temperature) {
    temperature_ = temperature;
    movesAtLevel_ = 0;
    threshold_[0] = UINT32_MAX;
    for (int delta = 1; delta <= maxDelta; ++delta) {
        const double p = std::exp(-delta / temperature);
        threshold_[delta] = p >= 1.0 ? UINT32_MAX : std::uint32_t(p * 4294967296.0);
    }
}

std::int64_t AnnealingChain::run(std::int64_t steps, std::size_t floor) {
    std::int64_t used = 0;
    while (used < steps) {
        if (uncovered_.empty()) {
            if (rows_.size() < best_.size()) {
                best_ = rows_;
            }
            if (best_.size() <= floor || rows_.size() <= 1) {
                return used;
            }
            removeCheapestRow();
            continue;
        }
        if (best_.size() <= floor) {
            return used;
        }
        const Uncovered target = uncovered_[below(std::uint32_t(uncovered_.size()))];
        const std::size_t index = rowToChange(target.set);
        const std::uint32_t row = rows_[index];
        const std::uint32_t out = randomElement(row & ~target.set);
        const std::uint32_t in = randomElement(target.set & ~row);
        const int delta = evaluate(row, out, in);
        used += moveCost_;
        if (delta <= 0 ||
            (delta <= maxDelta && std::uint32_t(random() >> 32) < threshold_[delta])) {
            rows_[index] = row ^ out ^ in;
            for (const std::uint32_t rank : won_) {
                cover(rank);
            }
            for (const Uncovered& set : lost_) {
                uncover(set.rank, set.set);
            }
        }
        if (++movesAtLevel_ >= levelMoves_) {
            const double next = temperature_ * coolingFactor;
            setTemperature(next < lastTemperature ? firstTemperature : next);
        }
    }
    return used;
}

void AnnealingChain::adopt(const AnnealingChain& other) {
    std::uint64_t state[4];
    std::copy(std::begin(state_), std::end(state_), state);
    *this = other;
    std::copy(std::begin(state), std::end(state), state_);
}
