#pragma once

#include "core/keysearch/SubsetRanks.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

// The search behind makeKey(): a greedy key, then simulated annealing in the manner of
// Nurmela and Östergård. Rows are bit masks over the indices 0..n-1; the "target sets" are the
// m-subsets (the t-subsets when m == t), and a row covers a target set it meets in t or more
// indices.

struct CoverShape {
    int n = 0; // played numbers
    int k = 0; // numbers per row
    int t = 0; // guaranteed hits
    int m = 0; // drawn numbers among the played ones

    std::uint32_t allIndices() const { return (std::uint32_t(1) << n) - 1; }
};

// A deterministic greedy key: each time the row that covers the most uncovered target sets (the
// lowest in colex order on a tie). Where keeping a rating of every possible row would take too
// long (drawn > guaranteed on many numbers), each row is started from t indices of the first
// uncovered set and filled index by index instead. Stops after `maxRows` + 1 rows when the key
// would not fit; returns an empty key when `cancelled` is set.
std::vector<std::uint32_t> greedyKey(const CoverShape& shape, std::size_t maxRows,
                                     const std::atomic<bool>* cancelled = nullptr);

// The two ways of greedyKey(): the best row each time, and rows filled index by index.
std::vector<std::uint32_t> greedyOverAllRows(const CoverShape& shape, std::size_t maxRows,
                                             const std::atomic<bool>* cancelled = nullptr);
std::vector<std::uint32_t> greedyByIndex(const CoverShape& shape, std::size_t maxRows,
                                         const std::atomic<bool>* cancelled = nullptr);

// Rotation of the first `rotated` indices by `step` (i -> i+step mod rotated; the others stay):
// a key made of whole orbits of rows under it can be searched for as a key of orbit
// representatives, a problem about as many times smaller as the rotation has powers.
// rotated == 0: no symmetry.
struct KeySymmetry {
    int rotated = 0;
    int step = 1;
};

// Temperatures of a chain: from the first down to the last, lowered by 1 % after as many moves
// as the key has neighbours (rows times k times n-k), then from the first again; equal
// temperatures keep it steady.
struct Cooling {
    double first = 0.3;
    double last = 0.3;
    bool operator==(const Cooling&) const = default;
};

// Orbit numbers of the target sets under a symmetry, shared by the chains that use it.
class SetOrbits;

// One annealing chain. It keeps b rows, the number of rows covering each target set and the
// list of uncovered sets; a move replaces one index of one row. Each time no set is left
// uncovered the rows are kept as the chain's best key and the row whose removal uncovers the
// fewest sets is removed, so the chain goes on with one row fewer. Under a symmetry the rows
// are orbit representatives, the counts are kept per orbit of target sets, and the best key is
// the union of the representatives' orbits.
class AnnealingChain {
public:
    // Starts from a covering key (its rows become the best key).
    AnnealingChain(const CoverShape& shape, const std::vector<std::uint32_t>& coveringRows,
                   std::uint64_t seed);

    // Starts from `representatives` random rows under the symmetry, with no best key yet.
    AnnealingChain(const CoverShape& shape, KeySymmetry symmetry, std::size_t representatives,
                   std::uint64_t seed);

    // Runs moves until `steps` are used or the best key has `floor` rows. A move costs steps in
    // proportion to its work: 2, one for every 8 target sets it looks at (for every 8/3 when
    // the sets are numbered by rank) and one for every 32 rows searched; so does the choice of
    // the row to remove. Returns the steps used.
    std::int64_t run(std::int64_t steps, std::size_t floor);

    // The smallest covering key found (all rows of the orbits under a symmetry); may be empty
    // under a symmetry.
    const std::vector<std::uint32_t>& bestRows() const { return best_; }

    // Starts the chain's random stream anew from the seed.
    void reseed(std::uint64_t seed);

    // Starts the cooling anew from its first temperature.
    void setCooling(Cooling cooling);

    // Takes over another chain's rows, counts and best key, keeping its own random stream.
    void adopt(const AnnealingChain& other);

private:
    struct Uncovered {
        std::uint32_t slot; // where the set's count is kept
        std::uint32_t set;
    };

    void prepare(std::size_t rows);
    std::uint64_t random();
    std::uint32_t below(std::uint32_t bound) {
        return std::uint32_t((random() >> 32) * bound >> 32);
    }
    std::uint32_t randomElement(std::uint32_t set);

    std::uint32_t slot(std::uint32_t set) const;
    void cover(std::uint32_t at);
    void uncover(std::uint32_t at, std::uint32_t set);
    void addRow(std::uint32_t row);
    void removeRow(std::size_t index);
    int singlyCovered(std::uint32_t row) const;
    std::int64_t removeCheapestRow(); // returns the steps it took
    std::int64_t stepsFor(std::uint64_t sets) const;
    void keepAsBest();
    std::size_t rowToChange(std::uint32_t target, std::int64_t& steps);
    int evaluate(std::uint32_t row, std::uint32_t out, std::uint32_t in);
    void setTemperature(double temperature);

    CoverShape shape_;
    bool direct_ = false; // sets numbered by their mask, else by their colex rank
    std::shared_ptr<const SetOrbits> orbits_;
    std::vector<std::uint32_t> rows_;
    std::vector<std::uint16_t> coverCount_; // rows covering the set (or orbit), by slot
    std::vector<std::int32_t> uncoveredAt_; // position in uncovered_ by slot, or -1
    std::vector<Uncovered> uncovered_;
    std::vector<std::uint32_t> best_;
    std::vector<std::uint32_t> keptPatterns_; // (t-1)-subsets of a row's other k-1 indices
    std::vector<Uncovered> lost_;             // the sets the evaluated move stops covering
    std::vector<std::uint32_t> won_;          // slots of those it starts covering
    std::int64_t moveCost_ = 1;
    std::uint64_t state_[4] = {};

    // Cooling: `levelMoves` moves at each temperature, then the next one, lower by a fixed
    // factor, back to the first after the last. Acceptance thresholds are integers on the scale
    // of the random numbers, one per cost increase.
    static constexpr int maxDelta = 24;
    std::uint32_t threshold_[maxDelta + 1] = {};
    Cooling cooling_;
    double temperature_ = 0;
    std::int64_t levelMoves_ = 0;
    std::int64_t movesAtLevel_ = 0;
};
