#pragma once

#include <atomic>
#include <cstdint>
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

// A deterministic greedy key: for the first uncovered target set (colex order) a row is started
// from t of its indices and filled one index at a time with the index that covers the most
// uncovered sets (the least used index where counting would be too slow). Stops after
// `maxRows` + 1 rows when the key would not fit; returns an empty key when `cancelled` is set.
std::vector<std::uint32_t> greedyKey(const CoverShape& shape, std::size_t maxRows,
                                     const std::atomic<bool>* cancelled = nullptr);

// One annealing chain. It keeps b rows, the number of rows covering each target set and the
// list of uncovered sets; a move replaces one index of one row. Each time no set is left
// uncovered the rows are kept as the chain's best key and the row whose removal uncovers the
// fewest sets is removed, so the chain goes on with one row fewer.
class AnnealingChain {
public:
    // Starts from a covering key (its rows become the best key) with one row removed.
    AnnealingChain(const CoverShape& shape, const std::vector<std::uint32_t>& coveringRows,
                   std::uint64_t seed);

    // Runs moves until `steps` are used or the best key has `floor` rows. A move costs one
    // step, more when it touches many target sets (drawn > guaranteed). Returns the steps used.
    std::int64_t run(std::int64_t steps, std::size_t floor);

    const std::vector<std::uint32_t>& bestRows() const { return best_; }

    // Starts the chain's random stream anew from the seed.
    void reseed(std::uint64_t seed);

    // Takes over another chain's rows, counts and best key, keeping its own random stream.
    void adopt(const AnnealingChain& other);

    // Steps one move costs, at least 1.
    std::int64_t moveCost() const { return moveCost_; }

private:
    struct Uncovered {
        std::uint32_t rank;
        std::uint32_t set;
    };

    std::uint64_t random();
    std::uint32_t below(std::uint32_t bound) { return std::uint32_t((random() >> 32) * bound >> 32); }
    std::uint32_t randomElement(std::uint32_t set);

    void cover(std::uint32_t rank);
    void uncover(std::uint32_t rank, std::uint32_t set);
    void addRow(std::uint32_t row);
    void removeRow(std::size_t index);
    int singlyCovered(std::uint32_t row) const;
    void removeCheapestRow();
    std::size_t rowToChange(std::uint32_t target);
    int evaluate(std::uint32_t row, std::uint32_t out, std::uint32_t in);
    void setTemperature(double temperature);

    CoverShape shape_;
    std::vector<std::uint32_t> rows_;
    std::vector<std::uint16_t> coverCount_; // by colex rank of the target set
    std::vector<std::int32_t> uncoveredAt_; // position in uncovered_, or -1
    std::vector<Uncovered> uncovered_;
    std::vector<std::uint32_t> best_;
    std::vector<Uncovered> lost_;    // the sets the evaluated move stops covering
    std::vector<std::uint32_t> won_; // ranks of those it starts covering
    std::int64_t moveCost_ = 1;
    std::uint64_t state_[4] = {};

    // Cooling: `levelMoves` moves at each temperature, then the next one, lower by a fixed
    // factor, back to the first after the last. Acceptance thresholds are integers on the scale
    // of the random numbers, one per cost increase.
    static constexpr int maxDelta = 24;
    std::uint32_t threshold_[maxDelta + 1] = {};
    double temperature_ = 0;
    std::int64_t levelMoves_ = 0;
    std::int64_t movesAtLevel_ = 0;
};
