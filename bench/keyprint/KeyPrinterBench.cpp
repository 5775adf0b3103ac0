// Timings of the key printer window: "Kulcs választás" to a filled List1 with a key of the
// largest size, the bare read of that key for comparison, and program start to the first
// shown window.

#include "FakeServices.h"
#include "GameProfile.h"
#include "KeyFile.h"
#include "KeyPrinterWindow.h"
#include "QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

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
