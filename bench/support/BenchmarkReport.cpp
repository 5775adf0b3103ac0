#include "bench/support/BenchmarkReport.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>

void TimesReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const std::string& name = run.run_name.function_name;
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean") {
            means_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        } else if (run.run_type == Run::RT_Iteration) {
            Sum& sum = sums_[name];
            sum.real += run.GetAdjustedRealTime();
            sum.cpu += run.GetAdjustedCPUTime();
            ++sum.runs;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<TimesReporter::Times> TimesReporter::mean(const std::string& name) const {
    if (const auto m = means_.find(name); m != means_.end()) {
        return m->second;
    }
    if (const auto s = sums_.find(name); s != sums_.end() && s->second.runs > 0) {
        return Times{s->second.real / s->second.runs, s->second.cpu / s->second.runs};
    }
    return std::nullopt;
}

double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

int runDrawingBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                         const std::function<void(const TimesReporter&)>& summary) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    prepare();
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    summary(reporter);
    std::printf("peak memory of the process: %.1f MiB\n", peakMemoryMiB());
    benchmark::Shutdown();
    return 0;
}
