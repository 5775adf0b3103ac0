#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Keeps the mean real and CPU time of each benchmark for a summary printed after all ran: the
// "mean" aggregate of its repetitions, or the average of its runs when there are none.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0; // in the benchmark's unit
        double cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override;
    std::optional<Times> mean(const std::string& name) const;

private:
    struct Sum {
        double real = 0;
        double cpu = 0;
        int runs = 0;
    };
    std::map<std::string, Times> means_;
    std::map<std::string, Sum> sums_;
};

// Peak resident memory of the process so far, in MiB.
double peakMemoryMiB();

// The main() of a benchmark program that draws: a QApplication on Qt's offscreen platform
// (unless the environment names another), `prepare` before anything is timed, the benchmarks,
// then `summary` with their times and the peak memory line.
int runDrawingBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                         const std::function<void(const TimesReporter&)>& summary);
