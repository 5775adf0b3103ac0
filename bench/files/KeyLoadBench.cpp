// Loading a key into rows, against a bare line-by-line read of the same file (QFile::readLine,
// and std::getline on an ifstream, discarding the lines or keeping them in a QStringList).
// Each iteration times both, so the ratio compares them under the same machine load. The
// *_cpu counters measure the thread's CPU time instead of the wall clock, which a machine
// shared with other work disturbs less.
#include "core/files/KeyFile.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

QString keyFile(int lines) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("key%1.txt").arg(lines));
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QByteArray content;
        for (int i = 0; i < lines; ++i) {
            const int first = 1 + i % 40;
            for (int k = 0; k < 6; ++k) {
                content += QByteArray::number(first + k).rightJustified(2, '0');
                content += k < 5 ? " " : "\r\n";
            }
        }
        file.write(content);
    }
    return path;
}

// Reads the file line by line and nothing more.
qsizetype bareRead(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    qsizetype lines = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        benchmark::DoNotOptimize(line.constData());
        ++lines;
    }
    return lines;
}

// The same with the standard library's buffered stream.
qsizetype bareGetline(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::string line;
    qsizetype lines = 0;
    while (std::getline(file, line)) {
        benchmark::DoNotOptimize(line.data());
        ++lines;
    }
    return lines;
}

// std::getline again, keeping every line as a QString in a list, as the row list keeps rows.
qsizetype getlineIntoList(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::string line;
    QStringList lines;
    while (std::getline(file, line)) {
        lines.append(QString::fromLatin1(line.data(), qsizetype(line.size())));
    }
    return lines.size();
}

qsizetype loadRows(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const KeyRows key = readKeyRows(file);
    return key.rows.size();
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Minor page faults of the calling thread so far: memory the allocator gave back to the system
// and takes again shows here.
double threadPageFaults() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_minflt);
}

// CPU time of the calling thread, in seconds.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

void loadKey(benchmark::State& state) {
    const QString path = keyFile(int(state.range(0)));
    double loadTime = 0;
    double bareTime = 0;
    double getlineTime = 0;
    double keptTime = 0;
    double loadCpu = 0;
    double bareCpu = 0;
    double loadFaults = 0;
    qsizetype rows = 0;
    for (auto _ : state) {
        const double faultsStart = threadPageFaults();
        const double cpuStart = threadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        rows = loadRows(path);
        const auto loaded = std::chrono::steady_clock::now();
        const double cpuLoaded = threadCpuSeconds();
        loadFaults += threadPageFaults() - faultsStart;
        benchmark::DoNotOptimize(bareRead(path));
        const auto read = std::chrono::steady_clock::now();
        const double cpuRead = threadCpuSeconds();
        loadCpu += cpuLoaded - cpuStart;
        bareCpu += cpuRead - cpuLoaded;
        benchmark::DoNotOptimize(bareGetline(path));
        const auto got = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(getlineIntoList(path));
        const auto kept = std::chrono::steady_clock::now();
        keptTime += seconds(kept - got);
        loadTime += seconds(loaded - start);
        bareTime += seconds(read - loaded);
        getlineTime += seconds(got - read);
        state.SetIterationTime(seconds(loaded - start));
    }
    state.counters["rows"] = double(rows);
    state.counters["bare_ms"] = 1000 * bareTime / double(state.iterations());
    state.counters["ratio"] = loadTime / bareTime;
    state.counters["getline_ms"] = 1000 * getlineTime / double(state.iterations());
    state.counters["ratio_getline"] = loadTime / getlineTime;
    state.counters["ratio_getline_kept"] = loadTime / keptTime;
    state.counters["load_cpu_ms"] = 1000 * loadCpu / double(state.iterations());
    state.counters["bare_cpu_ms"] = 1000 * bareCpu / double(state.iterations());
    state.counters["ratio_cpu"] = loadCpu / bareCpu;
    state.counters["load_faults"] = loadFaults / double(state.iterations());
}

} // namespace

BENCHMARK(loadKey)->Arg(32736)->Arg(40000)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
