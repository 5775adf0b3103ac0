// Key making ("Kulcs készítés") against the best known key sizes, and the exhaustive check of
// a key. Each search case runs once with the default effort (or SLIP_KEYGEN_STEPS steps) on
// every core; the table after the runs shows the size found, its ratio to the best known size,
// the wall time and the CPU time of all threads (the wall time grows when other work shares
// the machine, the CPU time much less). The best known sizes are only the yardstick here: the
// search never sees them.
#include "core/keysearch/CoveringBound.h"
#include "core/keysearch/CoveringCheck.h"
#include "core/keysearch/KeyGeneration.h"

#include "bench/support/BenchmarkReport.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

struct KnownKey {
    int v, k, t;
    int bestKnown;
    bool optimal;
};

// Best known sizes of keys whose rows of k hold t of any t of v numbers.
const std::vector<KnownKey> knownKeys = {
    {15, 5, 2, 13, true},   {20, 5, 2, 21, true},   {15, 5, 3, 56, false}, {20, 5, 3, 133, false},
    {12, 6, 3, 15, true},   {16, 6, 3, 38, false},  {20, 6, 3, 71, false}, {12, 6, 4, 41, false},
    {16, 6, 4, 152, false}, {20, 6, 4, 382, false}, {14, 7, 4, 44, false}, {18, 7, 4, 126, false},
    {12, 7, 5, 59, false},  {16, 7, 5, 283, false},
};

struct Outcome {
    std::size_t rows = 0;
    double seconds = 0;
    double cpuSeconds = 0; // of all the search's threads
};

// CPU time of the whole process so far, every thread counted.
double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           1e-6 * double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}
std::map<int, Outcome> outcomes;

std::int64_t steps() {
    const char* text = std::getenv("SLIP_KEYGEN_STEPS");
    return text != nullptr ? std::atoll(text) : 0;
}

void makeKnownKey(benchmark::State& state) {
    const KnownKey& known = knownKeys[std::size_t(state.range(0))];
    const KeyRequest request{known.v, known.k, known.t, known.t};
    KeyResult result;
    for (auto _ : state) {
        const double cpuStart = processCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        result = makeKey(request, {steps(), 0});
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        outcomes[int(state.range(0))] = {result.rows.size(), seconds,
                                         processCpuSeconds() - cpuStart};
    }
    state.SetLabel("C(" + std::to_string(known.v) + "," + std::to_string(known.k) + "," +
                   std::to_string(known.t) + ")");
    state.counters["rows"] = double(result.rows.size());
    state.counters["best_known"] = known.bestKnown;
    state.counters["ratio"] = double(result.rows.size()) / known.bestKnown;
}

// 1,000 random rows of 6 out of 30 numbers, checked for 3 hits of any 6 drawn.
void checkKey(benchmark::State& state) {
    std::mt19937 random(2024);
    std::vector<std::uint32_t> rows;
    while (rows.size() < 1000) {
        std::uint32_t row = 0;
        while (std::popcount(row) < 6) {
            row |= std::uint32_t(1) << (random() % 30);
        }
        rows.push_back(row);
    }
    std::uint64_t uncovered = 0;
    for (auto _ : state) {
        uncovered = uncoveredSetCount(rows, 30, 3, 6);
        benchmark::DoNotOptimize(uncovered);
    }
    state.counters["uncovered"] = double(uncovered);
}

void printTable(const TimesReporter& reporter) {
    std::printf("\n%-12s %8s %6s %7s %9s %9s %9s\n", "key", "best", "found", "ratio", "bound",
                "seconds", "cpu_s");
    for (const auto& [index, outcome] : outcomes) {
        const KnownKey& known = knownKeys[std::size_t(index)];
        const std::string name = "C(" + std::to_string(known.v) + "," + std::to_string(known.k) +
                                 "," + std::to_string(known.t) + ")";
        std::printf("%-12s %7d%s %6zu %7.3f %9llu %9.2f %9.2f\n", name.c_str(), known.bestKnown,
                    known.optimal ? "*" : " ", outcome.rows, double(outcome.rows) / known.bestKnown,
                    static_cast<unsigned long long>(schonheimBound(known.v, known.k, known.t)),
                    outcome.seconds, outcome.cpuSeconds);
    }
    if (const auto check = reporter.mean("checkKey")) {
        std::printf("check of 1000 rows, 6 of 30 drawn, 3 hits: %.2f ms\n", check->real);
    }
}

} // namespace

BENCHMARK(makeKnownKey)
    ->DenseRange(0, int(knownKeys.size()) - 1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(checkKey)->Unit(benchmark::kMillisecond)->Repetitions(5);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter);
    std::printf("peak memory of the process: %.1f MiB\n", peakMemoryMiB());
    benchmark::Shutdown();
    return 0;
}
