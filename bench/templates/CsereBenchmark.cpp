// "Csere" of the full-combination window with the largest template of each game: the whole
// handler (conversion, the window's list, the plain-row file, the hand-over), and the core
// conversion alone.
#include "combiprint/FullCombinationWindow.h"
#include "core/base/GameProfile.h"
#include "core/fullcombination/FullCombinationConversion.h"
#include "core/fullcombination/FullCombinationHandOver.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "tests/support/FakeServices.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class NullReceiver : public FullCombinationReceiver {
public:
    int received = 0;
    void receiveFullCombination(const FullCombinationHandOver&) override { ++received; }
    void selectBaseSlip() override {}
    void clearFixMarks() override {}
};

int largestSize(int game) {
    return game == 6 ? 18 : 20;
} // most items: 989, 310, 547

QString dataDir() {
    return QStringLiteral(SLIP_DATA_DIR);
}

void BM_Csere(benchmark::State& state) {
    const int game = int(state.range(0));
    const int size = largestSize(game);
    QTemporaryDir folder;
    const QString name = FullCombinationTemplate::fileName(game, size);
    QFile::copy(dataDir() + QLatin1Char('/') + name, folder.filePath(name));
    FakeServices fakes;
    fakes.program.folder = folder.path();
    NullReceiver receiver;
    FullCombinationWindow window(gameProfile(game), fakes.services(), receiver);
    window.sizeOption(size - 13)->click();
    const int highest = gameProfile(game).highestNumber;
    for (int i = 0; i < size; ++i) {
        window.numberButton(1 + i * (highest - 1) / (size - 1))->click();
    }
    QPushButton* csere = window.findChild<QPushButton*>(QStringLiteral("SSCommand3"));
    for (auto _ : state) {
        csere->click();
        fakes.messageBox.shown.clear();
    }
    if (receiver.received != int(state.iterations())) {
        state.SkipWithError("Csere did not hand over");
    }
}
BENCHMARK(BM_Csere)->Arg(5)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);

void BM_ConversionOnly(benchmark::State& state) {
    const int game = int(state.range(0));
    const int size = largestSize(game);
    const auto tmpl = FullCombinationTemplate::load(dataDir() + QLatin1Char('/') +
                                                    FullCombinationTemplate::fileName(game, size));
    const GameProfile& profile = gameProfile(game);
    std::vector<bool> chosen(std::size_t(profile.highestNumber) + 1, false);
    for (int i = 0; i < size; ++i) {
        chosen[std::size_t(1 + i * (profile.highestNumber - 1) / (size - 1))] = true;
    }
    for (auto _ : state) {
        auto result = convertFullCombination(profile, *tmpl,
                                             tmpl->templateMarks(profile.highestNumber), chosen, 0);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ConversionOnly)->Arg(5)->Arg(6)->Arg(7)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
