// Timings of the key printer window: "Kulcs választás" to a filled List1 with a key of the
// largest size, the bare read of that key for comparison, and program start to the first
// shown window.

#include "bench/support/BenchmarkReport.h"
#include "core/base/GameProfile.h"
#include "core/files/KeyFile.h"
#include "core/keys/KeySlipRun.h"
#include "core/print/RecordingPrintSurface.h"
#include "keyprint/KeyPrinterWindow.h"
#include "preview/PreviewWindow.h"
#include "printing/QtTextMetrics.h"
#include "services/QtServices.h"
#include "tests/support/FakeServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "keyprint_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A folder holding a key of 32736 six-number rows.
struct LargeKey {
    QTemporaryDir folder;
    QString path;

    LargeKey() {
        path = folder.filePath(QStringLiteral("nagy.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return;
        }
        QTextStream out(&file);
        for (int r = 0; r < maxKeyRows; ++r) {
            for (int j = 0; j < 6; ++j) {
                out << QStringLiteral("%1").arg((r + 7 * j) % 45 + 1, 2, 10, QLatin1Char('0'))
                    << (j < 5 ? " " : "\r\n");
            }
        }
    }
};

LargeKey& largeKey() {
    static LargeKey key;
    return key;
}

void BM_ChooseKeyToFilledList(benchmark::State& state) {
    application();
    FakeServices fake;
    fake.program.folder = largeKey().folder.path();
    KeyPrinterWindow window(gameProfile(6), fake.services());
    window.load();
    window.show();
    QApplication::processEvents();
    auto* choose = window.findChild<QAbstractButton*>(QStringLiteral("Command3D4"));
    auto* list = window.findChild<QListView*>(QStringLiteral("List1"));
    for (auto _ : state) {
        fake.fileDialog.answers.push_back(largeKey().path);
        choose->click();
        // The list shows its new rows once the pending layout and paint are done.
        QApplication::processEvents();
        if (list->model()->rowCount() != maxKeyRows) {
            state.SkipWithError("List1 was not filled");
            break;
        }
    }
}
BENCHMARK(BM_ChooseKeyToFilledList)->Unit(benchmark::kMillisecond);

void BM_BareKeyRead(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(largeKey().path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the key");
            break;
        }
        const KeyRows key = readKeyRows(file);
        benchmark::DoNotOptimize(key.rows.size());
    }
}
BENCHMARK(BM_BareKeyRead)->Unit(benchmark::kMillisecond);

// The preview as the window opens it, stopping once its first page is painted (the real
// service would then wait for the user).
class FirstPagePreview : public PreviewService {
public:
    QtTextMetrics measuring;
    bool painted = false;

    Choice show(std::shared_ptr<const PrintRecording> recording, const PreviewForm& form) override {
        PreviewWindow window(
            PreviewContent{QStringLiteral("keyprint6"), std::move(recording), form, &measuring});
        window.show();
        const QPixmap first = window.pageView().viewport()->grab();
        painted = !first.isNull() && window.pageView().lastPaintedPages().first == 0;
        return Choice::Close;
    }
};

// "Előnézet…" of "Szelv. kitölt" with a 32,736-row key: from the menu item to the first page
// of the preview painted, against the same run composed onto the recording surface alone.
void BM_PreviewFromTheMenuItem(benchmark::State& state) {
    application();
    FakeServices fake;
    fake.program.folder = largeKey().folder.path();
    FirstPagePreview preview;
    fake.printer.measuring = &preview.measuring; // the run is recorded as the printer measures
    WindowServices services = fake.services();
    KeyPrinterWindow window(gameProfile(6), WindowServices{services, services.printer, preview});
    window.load();
    fake.fileDialog.answers.push_back(largeKey().path);
    window.findChild<QAbstractButton*>(QStringLiteral("Command3D4"))->click();
    QAction* menuItem =
        window.findChild<QAbstractButton*>(QStringLiteral("Command3D1"))->actions().first();
    for (auto _ : state) {
        menuItem->trigger();
        if (!preview.painted) {
            state.SkipWithError("no first page painted");
            break;
        }
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_PreviewFromTheMenuItem)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_ComposeOntoTheRecordingAlone(benchmark::State& state) {
    application();
    QFile file(largeKey().path);
    file.open(QIODevice::ReadOnly);
    KeyRunControls controls;
    controls.rows = readKeyRows(file).rows;
    controls.fieldsPerSlip = QStringLiteral("8");
    FakeMessageBox messages;
    FakeBusyPointer pointer;
    QtTextMetrics metrics;
    const std::optional<KeySlipJob> job = checkAllRowsRun(gameProfile(6), controls, messages);
    for (auto _ : state) {
        RecordingPrintSurface recorder(metrics);
        printKeySlips(gameProfile(6), controls, *job, {messages, pointer, recorder, false});
        benchmark::DoNotOptimize(recorder.takeRecording());
    }
}
BENCHMARK(BM_ComposeOntoTheRecordingAlone)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// "Találatok" with the 32,736-row key: in the dialog, from "Ellenőriz" to the tables filled and
// laid out. The dialog is opened by the window's button, as the user opens it.
void BM_CheckDrawInTheDialog(benchmark::State& state) {
    application();
    FakeServices fake;
    fake.program.folder = largeKey().folder.path();
    KeyPrinterWindow window(gameProfile(6), fake.services());
    window.load();
    fake.fileDialog.answers.push_back(largeKey().path);
    window.findChild<QAbstractButton*>(QStringLiteral("Command3D4"))->click();
    long long tables = 0;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            state.SkipWithError("the dialog did not open");
            return;
        }
        dialog->show();
        dialog->findChild<QLineEdit*>(QStringLiteral("DrawBox(0)"))
            ->setText(QStringLiteral("1 8 15 22 29 36"));
        auto* check = dialog->findChild<QAbstractButton*>(QStringLiteral("CheckButton"));
        for (auto _ : state) {
            check->click();
            QApplication::processEvents(); // the tables laid out and painted
        }
        tables = dialog->findChildren<QTableView*>().size();
        static_cast<QDialog*>(dialog)->reject();
    });
    window.findChild<QAbstractButton*>(QStringLiteral("CheckDrawButton"))->click();
    if (tables != 2) {
        state.SkipWithError("no result shown");
    }
}
BENCHMARK(BM_CheckDrawInTheDialog)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

// From the creation of the program's services to the first window shown on the screen, as
// main() does it (the QApplication itself exists once per process and is left out). The
// services carry a name of their own, so a keyprint6 running beside the benchmark does not
// make the load handler refuse the window with a modal box.
void BM_StartToFirstShownWindow(benchmark::State& state) {
    application();
    for (auto _ : state) {
        QtServices platform(QStringLiteral("keyprint6_bench"));
        KeyPrinterWindow window(gameProfile(6), platform.services());
        platform.setMainWindow(&window);
        if (!window.load()) {
            state.SkipWithError("another benchmark runs");
            break;
        }
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window was not shown");
            break;
        }
    }
}
BENCHMARK(BM_StartToFirstShownWindow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
