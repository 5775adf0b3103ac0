// The preview of a 32,736-row key of the 6-number game (4,092 slips of 8 fields):
//   a) the run composed onto the recording surface alone;
//   b) the same, then the preview window made, shown and its first page painted;
//   c) one page painted at 100 %, the form already drawn (scrolling) and with the form drawn;
//   d) one slip of keyprint6 recorded, its preview opened and first page painted, and the same
//      for the test sheet ("Próbalap") of keyprint6, in the same run;
//   e) the "Igazítás" dialog of keyprint6 opened and painted;
// with the ratios b / a, sheet / one slip and dialog / one slip, and the peak memory of the
// process.

#include "bench/support/BenchmarkReport.h"
#include "calibration/AlignmentDialog.h"
#include "core/alignment/TestSheet.h"
#include "core/base/GameProfile.h"
#include "core/models/KeyPrinterModel.h"
#include "core/print/RecordingPrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"
#include "preview/PreviewPageRenderer.h"
#include "preview/PreviewWindow.h"
#include "printing/PrinterMargins.h"
#include "printing/QtTextMetrics.h"
#include "services/QtServices.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr int game = 6;
constexpr int keyRows = 32736;
constexpr int fieldsPerSlip = 8;
constexpr int slips = keyRows / fieldsPerSlip;
const QString mark = QStringLiteral("x");

const std::vector<KeyRow>& keyRowsAsText() {
    static const std::vector<KeyRow> rows = [] {
        std::mt19937 random(2010);
        std::vector<KeyRow> made;
        std::array<int, 45> pool{};
        for (int r = 0; r < keyRows; ++r) {
            for (int i = 0; i < 45; ++i) {
                pool[size_t(i)] = i + 1;
            }
            std::shuffle(pool.begin(), pool.end(), random);
            std::sort(pool.begin(), pool.begin() + 6);
            QStringList parts;
            for (int k = 0; k < 6; ++k) {
                parts << QStringLiteral("%1").arg(pool[size_t(k)], 2, 10, QLatin1Char('0'));
            }
            made.push_back({r, parts.join(QLatin1Char(' '))});
        }
        return made;
    }();
    return rows;
}

SlipOrigin origin() {
    return keySlipOrigin(keySlip(game), QStringLiteral("0"), QStringLiteral("0"), false);
}

// The all-rows run of keyprint6 onto the recording surface: orientation, set-up, the slips.
std::shared_ptr<const PrintRecording> recordRun() {
    QtTextMetrics metrics;
    RecordingPrintSurface recorder(metrics);
    const GameProfile& profile = gameProfile(game);
    recorder.setOrientation(PrintSurface::Orientation::Portrait);
    setUpSlipSurface(recorder);
    composeKeySlips(recorder, keySlip(game), profile.numbersPerRow, profile.highestNumber,
                    keyRowsAsText(), fieldsPerSlip, KeyRunMode::AllRows, MarkStyle{mark, true},
                    origin());
    recorder.endJob();
    return recorder.takeRecording();
}

PreviewForm keySlipForm() {
    return {PreviewForm::Kind::KeySlip, game, origin(), mark};
}

void BM_RecordOnly(benchmark::State& state) {
    size_t recordingBytes = 0;
    for (auto _ : state) {
        const auto recording = recordRun();
        if (recording->pageCount() != slips) {
            state.SkipWithError("wrong page count");
        }
        recordingBytes = recording->memoryUsed();
    }
    state.counters["recording_MiB"] = double(recordingBytes) / (1024.0 * 1024.0);
    state.counters["peak_MiB"] = peakMemoryMiB();
}

// The preview window made, shown and its first page painted as the view shows it.
bool openPreview(std::shared_ptr<const PrintRecording> recording) {
    PreviewWindow window({QStringLiteral("keyprint6"), std::move(recording), keySlipForm(), {}});
    window.resize(760, 900);
    window.show();
    const QPixmap shown = window.pageView().viewport()->grab();
    window.close();
    return window.pageView().lastPaintedPages().first == 0 && !shown.isNull();
}

void BM_RecordAndOpenPreview(benchmark::State& state) {
    for (auto _ : state) {
        if (!openPreview(recordRun())) {
            state.SkipWithError("the first page was not painted");
        }
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}

// The part the preview adds, for the record: the window on a recording made beforehand.
void BM_OpenPreviewOnly(benchmark::State& state) {
    const auto recording = recordRun();
    for (auto _ : state) {
        if (!openPreview(recording)) {
            state.SkipWithError("the first page was not painted");
        }
    }
}

// One slip of the all-rows run (8 rows), recorded with the device's metrics made once, as a
// program makes them.
std::shared_ptr<const PrintRecording> recordOneSlip(TextMetrics& metrics) {
    RecordingPrintSurface recorder(metrics);
    const GameProfile& profile = gameProfile(game);
    recorder.setOrientation(PrintSurface::Orientation::Portrait);
    setUpSlipSurface(recorder);
    const std::vector<KeyRow> rows(keyRowsAsText().begin(),
                                   keyRowsAsText().begin() + fieldsPerSlip);
    composeKeySlips(recorder, keySlip(game), profile.numbersPerRow, profile.highestNumber, rows,
                    fieldsPerSlip, KeyRunMode::AllRows, MarkStyle{mark, true}, origin());
    recorder.endJob();
    return recorder.takeRecording();
}

std::shared_ptr<const PrintRecording> recordTestSheet(TextMetrics& metrics) {
    RecordingPrintSurface recorder(metrics);
    printTestSheet(recorder,
                   {PrinterFamily::Key, game, QStringLiteral("keyprint6"), QStringLiteral("0"),
                    QStringLiteral("0"), mark, false, QDate(2025, 3, 14)});
    return recorder.takeRecording();
}

bool openPreviewOf(std::shared_ptr<const PrintRecording> recording, const PreviewForm& form,
                   TextMetrics& metrics) {
    PreviewWindow window({QStringLiteral("keyprint6"), std::move(recording), form, &metrics});
    window.resize(760, 900);
    window.show();
    const QPixmap shown = window.pageView().viewport()->grab();
    window.close();
    return window.pageView().lastPaintedPages().first == 0 && !shown.isNull();
}

void BM_OneSlipPreview(benchmark::State& state) {
    QtTextMetrics metrics;
    for (auto _ : state) {
        if (!openPreviewOf(recordOneSlip(metrics), keySlipForm(), metrics)) {
            state.SkipWithError("the first page was not painted");
        }
    }
}

// The sheet draws its own cell outlines: it is shown on a plain page.
void BM_TestSheetPreview(benchmark::State& state) {
    QtTextMetrics metrics;
    for (auto _ : state) {
        if (!openPreviewOf(recordTestSheet(metrics), PreviewForm{}, metrics)) {
            state.SkipWithError("the first page was not painted");
        }
    }
}

// The dialog made, shown with its controls painted, and closed; the window's model is made once,
// as a running program has it.
void BM_AlignmentDialogOpen(benchmark::State& state) {
    QtServices platform(QStringLiteral("keyprint6"));
    KeyPrinterModel model(gameProfile(game), platform.services());
    for (auto _ : state) {
        AlignmentDialog dialog(model);
        dialog.show();
        const QPixmap shown = dialog.grab();
        dialog.close();
        if (shown.isNull()) {
            state.SkipWithError("the dialog was not painted");
        }
    }
}

// One page at 100 % (96 dpi A4) into an image, as the view paints it while scrolling: the white
// page with its form kept drawn, the page's marks replayed.
void paintPages(benchmark::State& state, bool formKept) {
    const auto recording = recordRun();
    QtTextMetrics metrics;
    auto renderer = std::make_unique<PreviewPageRenderer>(recording, keySlipForm(), metrics);
    const QRect page(0, 0, 794, 1123);
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    int next = 0;
    for (auto _ : state) {
        if (!formKept) {
            state.PauseTiming();
            renderer = std::make_unique<PreviewPageRenderer>(recording, keySlipForm(), metrics);
            state.ResumeTiming();
        }
        QPainter painter(&image);
        renderer->paint(painter, next, page);
        next = (next + 1) % slips;
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_PaintPageAt100Percent(benchmark::State& state) {
    paintPages(state, true);
}

void BM_PaintPageAt100PercentWithForm(benchmark::State& state) {
    paintPages(state, false);
}

void printSummary(const TimesReporter& reporter) {
    const auto record = reporter.mean("BM_RecordOnly");
    const auto open = reporter.mean("BM_RecordAndOpenPreview");
    if (record && open) {
        std::printf("record alone %.1f ms real / %.1f ms CPU; record + preview + first page "
                    "%.1f ms real / %.1f ms CPU\n",
                    record->real, record->cpu, open->real, open->cpu);
        std::printf("ratio b/a: %.3f real, %.3f CPU (goal <= 1.5)\n", open->real / record->real,
                    open->cpu / record->cpu);
    }
    if (const auto page = reporter.mean("BM_PaintPageAt100Percent")) {
        std::printf("one page at 100 %%: %.3f ms real (goal < 16)\n", page->real);
    }
    if (const auto page = reporter.mean("BM_PaintPageAt100PercentWithForm")) {
        std::printf("one page at 100 %% with its form drawn: %.3f ms real\n", page->real);
    }
    const auto slip = reporter.mean("BM_OneSlipPreview");
    const auto sheet = reporter.mean("BM_TestSheetPreview");
    if (slip && sheet) {
        std::printf("one slip: record + preview + first page %.2f ms real; test sheet %.2f ms "
                    "real\nratio sheet/slip: %.3f real, %.3f CPU (goal <= 1.5)\n",
                    slip->real, sheet->real, sheet->real / slip->real, sheet->cpu / slip->cpu);
    }
    const auto dialog = reporter.mean("BM_AlignmentDialogOpen");
    if (slip && dialog) {
        std::printf("Igazítás dialog opened and painted %.2f ms real\nratio dialog/slip: %.3f "
                    "real, %.3f CPU (goal <= 1.5)\n",
                    dialog->real, dialog->real / slip->real, dialog->cpu / slip->cpu);
    }
}

} // namespace

BENCHMARK(BM_RecordOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_RecordAndOpenPreview)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_OpenPreviewOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_PaintPageAt100Percent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintPageAt100PercentWithForm)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OneSlipPreview)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TestSheetPreview)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AlignmentDialogOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    // The key is built, and the printer's margins asked (once per run, as a program does),
    // before anything is timed.
    return runDrawingBenchmarks(
        argc, argv,
        [] {
            keyRowsAsText();
            defaultPrinterMargins();
        },
        printSummary);
}
