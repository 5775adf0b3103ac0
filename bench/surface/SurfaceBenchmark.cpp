// A 32,736-row key of the 6-number game (4,092 slips of 8 fields) composed onto the recording and
// printed from it as a PDF, as every run prints, against the same marks painted with bare
// QPainter calls on the same kind of device. Prints the time per slip of both, their ratio and
// the peak memory of the process (run one benchmark a process to compare peaks).

#include "bench/support/BenchmarkReport.h"
#include "core/base/GameProfile.h"
#include "core/print/RecordingPrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"
#include "printing/QtPrintDevice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

namespace {

constexpr int game = 6;
constexpr int keyRows = 32736;
constexpr int fieldsPerSlip = 8;
constexpr int slips = keyRows / fieldsPerSlip;
const QString mark = QStringLiteral("x");

using Row = std::array<int, 6>;

const std::vector<Row>& keyNumbers() {
    static const std::vector<Row> rows = [] {
        std::mt19937 random(2010);
        std::vector<Row> made;
        for (int r = 0; r < keyRows; ++r) {
            std::vector<int> pool(45);
            for (int i = 0; i < 45; ++i) {
                pool[size_t(i)] = i + 1;
            }
            std::shuffle(pool.begin(), pool.end(), random);
            Row row{};
            std::copy_n(pool.begin(), 6, row.begin());
            std::sort(row.begin(), row.end());
            made.push_back(row);
        }
        return made;
    }();
    return rows;
}

const std::vector<KeyRow>& keyRowsAsText() {
    static const std::vector<KeyRow> rows = [] {
        std::vector<KeyRow> made;
        int position = 0;
        for (const Row& row : keyNumbers()) {
            QStringList parts;
            for (int n : row) {
                parts << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            }
            made.push_back({position++, parts.join(QLatin1Char(' '))});
        }
        return made;
    }();
    return rows;
}

QString outputPath(const char* name) {
    return QDir::temp().filePath(QStringLiteral("slip-bench-%1.pdf").arg(QLatin1String(name)));
}

void reportPerSlip(benchmark::State& state) {
    state.counters["slips"] = slips;
    // Inverted rate: the measured (real) time per slip.
    state.counters["per_slip"] = benchmark::Counter(
        slips, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_RecordedAndPrinted(benchmark::State& state) {
    const std::vector<KeyRow>& rows = keyRowsAsText();
    const KeySlip& layout = keySlip(game);
    const GameProfile& profile = gameProfile(game);
    for (auto _ : state) {
        const auto device = QtPrintDevice::toPdfFile(outputPath("surface"));
        RecordingPrintSurface surface(device->metrics(), device.get());
        setUpSlipSurface(surface);
        composeKeySlips(surface, layout, profile.numbersPerRow, profile.highestNumber, rows,
                        fieldsPerSlip, KeyRunMode::AllRows, MarkStyle{mark, true},
                        keySlipOrigin(layout, QStringLiteral("0"), QStringLiteral("0"), false));
        if (!surface.endJob().delivered()) {
            state.SkipWithError("the PDF job failed");
        }
    }
    reportPerSlip(state);
}

QFont slipFont(const QString& face) {
    QFont font(face);
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

// The same pages painted directly: device pixels at 1200 dpi, text cell top-left on the point.
void BM_BareQPainter(benchmark::State& state) {
    const std::vector<Row>& rows = keyNumbers();
    const KeySlip& layout = keySlip(game);
    const double px = 1200 / 25.4;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(1200);
        printer.setFullPage(true);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        printer.setOutputFileName(outputPath("bare"));
        QPainter painter;
        if (!painter.begin(&printer)) {
            state.SkipWithError("the PDF job failed");
            break;
        }
        const QFont header = slipFont(QStringLiteral("times new roman"));
        const QFont marks = slipFont(QStringLiteral("arial black"));
        const double headerAscent = QFontMetricsF(header, &printer).ascent();
        const double markAscent = QFontMetricsF(marks, &printer).ascent();
        for (size_t s = 0; s < rows.size(); ++s) {
            const int field = int(s % fieldsPerSlip) + 1;
            if (field == 1) {
                if (s > 0) {
                    printer.newPage();
                }
                painter.setFont(header);
                painter.drawText(QPointF(12 * px, 10 * px + headerAscent),
                                 QString::number(s / fieldsPerSlip + 1));
                painter.setFont(marks);
                painter.drawText(
                    QPointF(layout.jokerYes.x * px, layout.jokerYes.y * px + markAscent), mark);
            }
            const MmPoint grid = layout.fieldOrigin(field);
            for (int n : rows[s]) {
                const MmPoint cell = layout.grid.cellOffset(n);
                painter.drawText(
                    QPointF((grid.x + cell.x) * px, (grid.y + cell.y) * px + markAscent), mark);
            }
        }
        painter.end();
    }
    reportPerSlip(state);
}

void printSummary(const TimesReporter& reporter) {
    const auto bare = reporter.mean("BM_BareQPainter");
    const auto surface = reporter.mean("BM_RecordedAndPrinted");
    if (!bare || !surface) {
        return;
    }
    for (const auto& [name, t] :
         {std::pair{"BM_BareQPainter", *bare}, std::pair{"BM_RecordedAndPrinted", *surface}}) {
        std::printf("%-26s %.4f ms per slip (real), %.4f ms per slip (CPU)\n", name, t.real / slips,
                    t.cpu / slips);
    }
    std::printf("recorded and printed / bare QPainter ratio: %.3f real, %.3f CPU (goal <= 1.10)\n",
                surface->real / bare->real, surface->cpu / bare->cpu);
}

} // namespace

BENCHMARK(BM_BareQPainter)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_RecordedAndPrinted)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char** argv) {
    const int result = runDrawingBenchmarks(
        argc, argv, [] { keyRowsAsText(); }, // the key is built before anything is timed
        printSummary);
    QFile::remove(outputPath("surface"));
    QFile::remove(outputPath("bare"));
    return result;
}
