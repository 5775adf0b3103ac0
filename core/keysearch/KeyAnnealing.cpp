#include "core/keysearch/KeyAnnealing.h"

#include "core/keysearch/SubsetRanks.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <memory>
#include <numeric>

namespace {

// The cooling lowers the temperature by this factor after as many moves as the key has
// neighbours (rows times k times n-k).
constexpr double coolingFactor = 0.99;

// Target sets are counted in a table indexed by their bit mask when there are at most this
// many played numbers (no rank to compute in the inner loop), otherwise by colex rank.
constexpr int maxDirectIndices = 20;

// The greedy counts the sets an index would cover only while that takes at most this many set
// look-ups for one row.
constexpr std::uint64_t greedyCountingLimit = 1u << 20;

// The greedy rates every possible row when keeping the ratings takes at most this many updates.
constexpr std::uint64_t fullGreedyUpdates = std::uint64_t(1) << 28;

// Rows examined for the cheapest one to remove take at most about this many set look-ups.
constexpr std::uint64_t removalLookups = 1u << 18;

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
template <typename F> void forEachCoveredSet(const CoverShape& shape, std::uint32_t row, F&& f) {
    const std::uint32_t outside = shape.allIndices() & ~row;
    const int most = std::min(setSize(row), shape.m);
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
        sets +=
            std::uint64_t(binomial(shape.k, inRow)) * binomial(shape.n - shape.k, shape.m - inRow);
    }
    return sets;
}

// Calls f(row) for every row of k indices that meets the target set in t or more indices.
template <typename F> void forEachCoveringRow(const CoverShape& shape, std::uint32_t set, F&& f) {
    const std::uint32_t outside = shape.allIndices() & ~set;
    for (int inSet = shape.t; inSet <= std::min(shape.k, shape.m); ++inSet) {
        forEachSubset(set, inSet, [&](std::uint32_t part) {
            forEachSubset(outside, shape.k - inSet, [&](std::uint32_t rest) { f(part | rest); });
        });
    }
}

// Rows of k indices covering one target set.
std::uint64_t rowsPerSet(const CoverShape& shape) {
    std::uint64_t rows = 0;
    for (int inSet = shape.t; inSet <= std::min(shape.k, shape.m); ++inSet) {
        rows +=
            std::uint64_t(binomial(shape.m, inSet)) * binomial(shape.n - shape.m, shape.k - inSet);
    }
    return rows;
}

} // namespace

std::vector<std::uint32_t> greedyByIndex(const CoverShape& shape, std::size_t maxRows,
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
        while (setSize(row) < shape.k) {
            const int size = setSize(row);
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

// Every row's count of uncovered sets it would cover is kept and lowered as sets get covered.
// Counts only fall, so for each count the search for the next row holding it goes on from where
// the last search stopped.
std::vector<std::uint32_t> greedyOverAllRows(const CoverShape& shape, std::size_t maxRows,
                                             const std::atomic<bool>* cancelled) {
    const std::uint32_t rowCount = binomial(shape.n, shape.k);
    const std::uint32_t perRow = std::uint32_t(setsPerRow(shape));
    std::vector<std::uint32_t> gains(rowCount, perRow);
    std::vector<std::uint8_t> covered(binomial(shape.n, shape.m), 0);
    std::size_t uncoveredLeft = covered.size();
    struct Cursor {
        std::uint32_t rank;
        std::uint32_t row;
    };
    std::vector<Cursor> cursors(perRow + 1, Cursor{0, (std::uint32_t(1) << shape.k) - 1});
    std::uint32_t gain = perRow;
    std::vector<std::uint32_t> rows;
    while (uncoveredLeft > 0) {
        if (rows.size() > maxRows) {
            return rows;
        }
        if (cancelled != nullptr && cancelled->load(std::memory_order_relaxed)) {
            return {};
        }
        Cursor* cursor = &cursors[gain];
        for (;;) {
            while (cursor->rank < rowCount && gains[cursor->rank] != gain) {
                ++cursor->rank;
                cursor->row = nextSameSize(cursor->row);
            }
            if (cursor->rank < rowCount) {
                break;
            }
            cursor = &cursors[--gain];
        }
        const std::uint32_t row = cursor->row;
        rows.push_back(row);
        forEachCoveredSet(shape, row, [&](std::uint32_t set) {
            std::uint8_t& done = covered[colexRank(set)];
            if (done == 0) {
                done = 1;
                --uncoveredLeft;
                forEachCoveringRow(shape, set, [&](std::uint32_t r) { --gains[colexRank(r)]; });
            }
        });
    }
    return rows;
}

// The orbits of the target sets under the rotation of the first `rotated` indices by `step`.
class SetOrbits {
public:
    SetOrbits(const CoverShape& shape, KeySymmetry symmetry, bool direct)
        : rotated_(symmetry.rotated), step_(symmetry.step) {
        const std::uint32_t setCount = binomial(shape.n, shape.m);
        orbitOf_.assign(direct ? std::size_t(1) << shape.n : setCount, UINT32_MAX);
        std::uint32_t set = (std::uint32_t(1) << shape.m) - 1;
        for (std::uint32_t rank = 0; rank < setCount; ++rank, set = nextSameSize(set)) {
            if (orbitOf_[direct ? set : rank] != UINT32_MAX) {
                continue;
            }
            const std::uint32_t orbit = std::uint32_t(representatives_.size());
            representatives_.push_back(set);
            std::uint32_t image = set;
            do {
                orbitOf_[direct ? image : colexRank(image)] = orbit;
                image = rotate(image);
            } while (image != set);
        }
    }

    // Elements of the rotation group.
    int order() const { return rotated_ / std::gcd(rotated_, step_); }

    // The set turned `times` times.
    std::uint32_t rotate(std::uint32_t set, int times = 1) const {
        const int by = step_ * times % rotated_;
        if (by == 0) {
            return set;
        }
        const std::uint32_t turning = (std::uint32_t(1) << rotated_) - 1;
        const std::uint32_t part = set & turning;
        return (set & ~turning) | (((part << by) | (part >> (rotated_ - by))) & turning);
    }

    // Orbit of the set numbered `number` (its mask or its colex rank).
    std::uint32_t orbit(std::uint32_t number) const { return orbitOf_[number]; }
    const std::vector<std::uint32_t>& representatives() const { return representatives_; }

private:
    int rotated_;
    int step_;
    std::vector<std::uint32_t> orbitOf_;
    std::vector<std::uint32_t> representatives_;
};

std::vector<std::uint32_t> greedyKey(const CoverShape& shape, std::size_t maxRows,
                                     const std::atomic<bool>* cancelled) {
    const std::uint64_t updates = std::uint64_t(binomial(shape.n, shape.m)) * rowsPerSet(shape);
    return updates <= fullGreedyUpdates ? greedyOverAllRows(shape, maxRows, cancelled)
                                        : greedyByIndex(shape, maxRows, cancelled);
}

AnnealingChain::AnnealingChain(const CoverShape& shape,
                               const std::vector<std::uint32_t>& coveringRows, std::uint64_t seed)
    : shape_(shape), direct_(shape.n <= maxDirectIndices) {
    reseed(seed);
    prepare(coveringRows.size());
    for (const std::uint32_t row : coveringRows) {
        addRow(row);
    }
    best_ = coveringRows;
}

AnnealingChain::AnnealingChain(const CoverShape& shape, KeySymmetry symmetry,
                               std::size_t representatives, std::uint64_t seed)
    : shape_(shape), direct_(shape.n <= maxDirectIndices) {
    reseed(seed);
    if (symmetry.rotated > 1) {
        orbits_ = std::make_shared<const SetOrbits>(shape, symmetry, direct_);
    }
    prepare(representatives);
    while (rows_.size() < representatives) {
        std::uint32_t row = 0;
        while (setSize(row) < shape.k) {
            row |= std::uint32_t(1) << below(std::uint32_t(shape.n));
        }
        addRow(row);
    }
}

void AnnealingChain::prepare(std::size_t rows) {
    if (orbits_) {
        const std::vector<std::uint32_t>& sets = orbits_->representatives();
        coverCount_.assign(sets.size(), 0);
        uncoveredAt_.resize(sets.size());
        uncovered_.resize(sets.size());
        for (std::uint32_t orbit = 0; orbit < sets.size(); ++orbit) {
            uncovered_[orbit] = {orbit, sets[orbit]};
            uncoveredAt_[orbit] = std::int32_t(orbit);
        }
    } else {
        const std::uint32_t setCount = binomial(shape_.n, shape_.m);
        const std::size_t slots = direct_ ? std::size_t(1) << shape_.n : setCount;
        coverCount_.assign(slots, 0);
        uncoveredAt_.assign(slots, -1);
        uncovered_.resize(setCount);
        std::uint32_t set = (std::uint32_t(1) << shape_.m) - 1;
        for (std::uint32_t rank = 0; rank < setCount; ++rank, set = nextSameSize(set)) {
            uncovered_[rank] = {slot(set), set};
            uncoveredAt_[slot(set)] = std::int32_t(rank);
        }
    }
    const std::uint64_t touched = 2ull * binomial(shape_.k - 1, shape_.t - 1) *
                                  binomial(shape_.n - shape_.k - 1, shape_.m - shape_.t);
    // A move's time grows with the sets it looks at, on top of a fixed part (choosing it).
    moveCost_ = 2 + stepsFor(touched);
    keptPatterns_ = subsetPatterns(shape_.k - 1, shape_.t - 1);
    lost_.reserve(touched);
    won_.reserve(touched);
    levelMoves_ =
        std::max<std::int64_t>(256, std::int64_t(rows) * shape_.k * (shape_.n - shape_.k));
    setTemperature(cooling_.first);
}

std::int64_t AnnealingChain::stepsFor(std::uint64_t sets) const {
    // A set whose rank has to be computed takes about three times as long.
    return std::int64_t(sets * (direct_ ? 1 : 3) / 8);
}

void AnnealingChain::setCooling(Cooling cooling) {
    cooling_ = cooling;
    setTemperature(cooling.first);
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
    std::uint32_t skip = below(std::uint32_t(setSize(set)));
    for (; skip > 0; --skip) {
        set &= set - 1;
    }
    return set & (~set + 1);
}

std::uint32_t AnnealingChain::slot(std::uint32_t set) const {
    const std::uint32_t number = direct_ ? set : colexRank(set);
    return orbits_ ? orbits_->orbit(number) : number;
}

void AnnealingChain::cover(std::uint32_t at) {
    if (coverCount_[at]++ != 0) {
        return;
    }
    const std::int32_t position = uncoveredAt_[at];
    const Uncovered last = uncovered_.back();
    uncovered_[std::size_t(position)] = last;
    uncoveredAt_[last.slot] = position;
    uncovered_.pop_back();
    uncoveredAt_[at] = -1;
}

void AnnealingChain::uncover(std::uint32_t at, std::uint32_t set) {
    if (--coverCount_[at] != 0) {
        return;
    }
    uncoveredAt_[at] = std::int32_t(uncovered_.size());
    uncovered_.push_back({at, set});
}

void AnnealingChain::addRow(std::uint32_t row) {
    rows_.push_back(row);
    forEachCoveredSet(shape_, row, [&](std::uint32_t set) { cover(slot(set)); });
}

void AnnealingChain::removeRow(std::size_t index) {
    forEachCoveredSet(shape_, rows_[index], [&](std::uint32_t set) { uncover(slot(set), set); });
    rows_[index] = rows_.back();
    rows_.pop_back();
}

int AnnealingChain::singlyCovered(std::uint32_t row) const {
    int sets = 0;
    forEachCoveredSet(shape_, row, [&](std::uint32_t set) { sets += coverCount_[slot(set)] == 1; });
    return sets;
}

std::int64_t AnnealingChain::removeCheapestRow() {
    const std::size_t count = rows_.size();
    const std::uint64_t perRow = setsPerRow(shape_);
    const std::size_t examined =
        std::min<std::size_t>(count, std::max<std::uint64_t>(1, removalLookups / perRow));
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
    return stepsFor(std::uint64_t(examined + 1) * perRow);
}

std::size_t AnnealingChain::rowToChange(std::uint32_t target, std::int64_t& steps) {
    // A row holding t-1 indices of the uncovered set covers it after one exchange: m-t+1 of
    // the set's indices are missing from it (one when m == t, a single bit). From a random row
    // on, the first that fits is taken (a random pick per row would cost a random number each;
    // the rows' order is itself shuffled by the removals). Every 32 rows looked at cost a step.
    const int missing = shape_.m - shape_.t + 1;
    const auto fits = [&](std::uint32_t row) {
        const std::uint32_t absent = target & ~row;
        return missing == 1 ? absent != 0 && (absent & (absent - 1)) == 0
                            : setSize(absent) == missing;
    };
    const std::uint32_t count = std::uint32_t(rows_.size());
    const std::uint32_t start = below(count);
    std::size_t found = start;
    std::uint32_t looked = count;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t index = start + i < count ? start + i : start + i - count;
        if (fits(rows_[index])) {
            found = index;
            looked = i + 1;
            break;
        }
    }
    steps += looked / 32;
    return found;
}

void AnnealingChain::keepAsBest() {
    if (!orbits_) {
        if (best_.empty() || rows_.size() < best_.size()) {
            best_ = rows_;
        }
        return;
    }
    std::vector<std::uint32_t> key;
    for (const std::uint32_t row : rows_) {
        std::uint32_t image = row;
        do {
            key.push_back(image);
            image = orbits_->rotate(image);
        } while (image != row);
    }
    std::sort(key.begin(), key.end());
    key.erase(std::unique(key.begin(), key.end()), key.end());
    if (best_.empty() || key.size() < best_.size()) {
        best_ = std::move(key);
    }
}

int AnnealingChain::evaluate(std::uint32_t row, std::uint32_t out, std::uint32_t in) {
    // Only sets holding exactly t-1 of the row's other indices change: those with `out` (and
    // not `in`) stop being covered by the row, those with `in` (and not `out`) start.
    lost_.clear();
    won_.clear();
    const std::uint32_t kept = row & ~out;
    const auto collect = [&](std::uint32_t part) {
        const std::uint32_t lost = part | out;
        lost_.push_back({slot(lost), lost});
        won_.push_back(slot(part | in));
    };
    if (shape_.m == shape_.t) {
        // The kept indices' (t-1)-subsets, picked by position patterns.
        int elements[32];
        setElements(kept, elements);
        for (const std::uint32_t pattern : keptPatterns_) {
            std::uint32_t part = 0;
            for (std::uint32_t p = pattern; p != 0; p &= p - 1) {
                part |= std::uint32_t(1) << elements[std::countr_zero(p)];
            }
            collect(part);
        }
    } else {
        const std::uint32_t outside = shape_.allIndices() & ~(row | in);
        forEachSubset(kept, shape_.t - 1, [&](std::uint32_t part) {
            forEachSubset(outside, shape_.m - shape_.t,
                          [&](std::uint32_t rest) { collect(part | rest); });
        });
    }
    int delta = 0;
    if (!orbits_) {
        for (const Uncovered& lost : lost_) {
            delta += coverCount_[lost.slot] == 1;
        }
        for (const std::uint32_t won : won_) {
            delta -= coverCount_[won] == 0;
        }
        return delta;
    }
    // Under a symmetry changed sets may share an orbit: the counts are changed, the orbits
    // reaching or leaving zero counted, and the counts restored.
    for (const Uncovered& lost : lost_) {
        delta += --coverCount_[lost.slot] == 0;
    }
    for (const std::uint32_t won : won_) {
        delta -= coverCount_[won]++ == 0;
    }
    for (const std::uint32_t won : won_) {
        --coverCount_[won];
    }
    for (const Uncovered& lost : lost_) {
        ++coverCount_[lost.slot];
    }
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
            keepAsBest();
            if (best_.size() <= floor || rows_.size() <= 1) {
                return used;
            }
            used += removeCheapestRow();
            continue;
        }
        if (!best_.empty() && best_.size() <= floor) {
            return used;
        }
        const std::uint64_t draw = random();
        // Under a symmetry any image of the uncovered set will do: a random one.
        const std::uint32_t chosen =
            uncovered_[std::size_t((draw & 0xFFFFFFFFu) * uncovered_.size() >> 32)].set;
        const std::uint32_t target =
            orbits_ ? orbits_->rotate(chosen, int(below(std::uint32_t(orbits_->order())))) : chosen;
        const std::size_t index = rowToChange(target, used);
        const std::uint32_t row = rows_[index];
        const std::uint32_t out = randomElement(row & ~target);
        const std::uint32_t absent = target & ~row;
        const std::uint32_t in = (absent & (absent - 1)) == 0 ? absent : randomElement(absent);
        const int delta = evaluate(row, out, in);
        used += moveCost_;
        if (delta <= 0 || (delta <= maxDelta && std::uint32_t(draw >> 32) < threshold_[delta])) {
            rows_[index] = row ^ out ^ in;
            for (const std::uint32_t at : won_) {
                cover(at);
            }
            for (const Uncovered& set : lost_) {
                uncover(set.slot, set.set);
            }
        }
        if (++movesAtLevel_ >= levelMoves_) {
            const double next = temperature_ * coolingFactor;
            setTemperature(next < cooling_.last ? cooling_.first : next);
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
