// "Ellenőr" and the full-combination run over the largest full combination of combiprint7
// (548 entries), the run printing onto the Qt print surface into a PDF.

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/combination/CombinationRuns.h"
#include "core/combination/CombinationSelection.h"
#include "core/print/RecordingPrintSurface.h"
#include "printing/QtPrintDevice.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int entryCount = 548;

QString twoDigits(int n) {
    return QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
}

// Twenty chosen numbers 1..20: the base set is 1..11, the short set 1..10; the FIX numbers of
// the entries come from 12..20, with FIX counts and variants that all have a system.
FullCombinationHandOver largestSevenCombination() {
    FullCombinationHandOver h;
    for (int n = 1; n <= 11; ++n) {
        h.baseSetRow += twoDigits(n);
    }
    h.shortSetRows << h.baseSetRow.left(29);
    h.entries << QStringLiteral("00");
    struct Kind {
        int fix;
        QChar variant;
    };
    const Kind kinds[] = {{2, QLatin1Char('*')},
                          {3, QLatin1Char(' ')},
                          {4, QLatin1Char(' ')},
                          {1, QLatin1Char('*')},
                          {3, QLatin1Char('*')}};
    for (int e = 1; e < entryCount; ++e) {
        const Kind& kind = kinds[e % 5];
        QString entry = QStringLiteral("%1").arg(kind.fix, 2, 10, QLatin1Char('0')) + kind.variant;
        for (int j = 0; j < kind.fix; ++j) {
            entry += twoDigits(12 + (e + 2 * j) % 9);
        }
        h.entries << entry;
    }
    h.plainSlipCount = 1000;
    return h;
}

class NoMessages : public MessageBoxService {
public:
    int shown = 0;
    Result show(const QString&, Icon, Buttons, const QString&) override {
        ++shown;
        return Result::Ok;
    }
};

class NoPointer : public BusyPointer {
public:
    void setBusy(bool) override {}
};

void perEntry(benchmark::State& state) {
    state.counters["entries"] = entryCount;
    state.counters["per_entry"] = benchmark::Counter(
        entryCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Ellenor(benchmark::State& state) {
    CombinationSelection selection(gameProfile(7));
    selection.receiveFullCombination(largestSevenCombination());
    for (auto _ : state) {
        selection.totalCombinations();
        benchmark::DoNotOptimize(selection.counters().checkedTotal);
    }
    perEntry(state);
}
BENCHMARK(BM_Ellenor)->Unit(benchmark::kMillisecond);

void BM_FullCombinationRunToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    auto device = QtPrintDevice::toPdfFile(dir.filePath(QStringLiteral("run.pdf")));
    RecordingPrintSurface surface(device->metrics(), device.get());
    const GameProfile& profile = gameProfile(7);
    CombinationSelection selection(profile);
    selection.receiveFullCombination(largestSevenCombination());
    CombinationRuns runs(profile);
    NoMessages messages;
    NoPointer pointer;
    CombinationRunControls controls;
    int jobs = 0;
    for (auto _ : state) {
        jobs = runs.runFullCombination(selection, controls, {messages, pointer, surface}).jobs;
    }
    if (jobs != entryCount || messages.shown != 0) {
        state.SkipWithError("not every entry was printed");
    }
    perEntry(state);
}
BENCHMARK(BM_FullCombinationRunToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
