// The result check ("Találatok") with the largest inputs the programs hold:
// - a key of 32,736 rows against a draw: from the typed draw to the rows in each class (ratio
//   at most 1.5, under 5 ms) against a bare loop that counts the rows by the popcount of their
//   AND with the draw over the same prepared rows, and against the same loop adding up the hits
//   only (ratio_sum); the whole check with the winners listed (ratio_listed);
// - preparing the rows at key load against loading the key (`added`, at most +10 %): a load as
//   KeyLoadBench times it, which gives the previous key back, and the reading alone
//   (`added_to_read`);
// - the full combination of 20 numbers of game 5 (93 entries, 896 plain rows) under 5 ms;
// - 4,000 combination slips of game 7 with the system "5 30" under 5 ms, the memory flat;
// - reading a results file of 3,600 lines (hatos.csv in both layouts, amounts with no-break
//   spaces) under 20 ms, within 2x of a bare loop that reads the same file line by line
//   (QFile::readLine, as the key loading benchmark's bare read) and splits each line on ';'
//   (ratio); and, stricter, the reading of the bytes in memory against splitting them into views
//   of their fields with memchr, nothing copied (ratio_views);
// - "Minden húzás" with the key of 32,736 rows against 3,600 draws under 300 ms, within 1.5x of
//   the bare count of the same prepared rows against the same draws (ratio).
// Each iteration times the check and its reference one after the other, turning round which goes
// first, so their ratio compares them under the same machine load; the ratios are of the
// thread's CPU time, which a machine shared with other work disturbs less than the wall clock.
#include "bench/support/BenchmarkReport.h"
#include "core/base/GameProfile.h"
#include "core/combination/CombinationSelection.h"
#include "core/files/KeyFile.h"
#include "core/fullcombination/FullCombinationChoice.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/results/ArchiveCheck.h"
#include "core/results/CombinationDrawCheck.h"
#include "core/results/DrawArchive.h"
#include "core/results/FullCombinationDrawCheck.h"
#include "core/results/KeyDrawCheck.h"
#include "core/results/KeyRowMasks.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <ctime>
#include <functional>
#include <numeric>
#include <random>
#include <sys/resource.h>

namespace {

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Minor page faults of the calling thread so far.
double threadPageFaults() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_minflt);
}

// Wall and CPU time and page faults of one call, added to the sums.
struct Timer {
    double wall = 0;
    double cpu = 0;
    double faults = 0;
    template <typename Work> void time(Work&& work) {
        const double faultsStart = threadPageFaults();
        const double cpuStart = threadCpuSeconds();
        const double wallStart = wallSeconds();
        work();
        wall += wallSeconds() - wallStart;
        cpu += threadCpuSeconds() - cpuStart;
        faults += threadPageFaults() - faultsStart;
    }
};

// Every iteration runs each step once, starting one step later than the iteration before, so
// no step always runs first (with cold caches) or last.
template <std::size_t N>
void runInTurns(benchmark::State& state, const std::function<void()> (&steps)[N]) {
    std::size_t turn = 0;
    for (auto _ : state) {
        for (std::size_t s = 0; s < N; ++s) {
            steps[(s + turn) % N]();
        }
        ++turn;
    }
}

std::vector<int> pick(int highest, int count, std::mt19937& random) {
    std::vector<int> all(static_cast<std::size_t>(highest));
    std::iota(all.begin(), all.end(), 1);
    std::shuffle(all.begin(), all.end(), random);
    all.resize(std::size_t(count));
    std::sort(all.begin(), all.end());
    return all;
}

QString rowText(const std::vector<int>& numbers) {
    QString row;
    for (int n : numbers) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    return row.trimmed();
}

Draw drawOf(const GameProfile& profile, const std::vector<int>& numbers) {
    return readDraws(profile, {rowText(numbers)}).draws.front();
}

// A key of the largest size: random rows of the game, written as a key file.
struct LargeKey {
    QTemporaryDir folder;
    QString path;

    explicit LargeKey(const GameProfile& profile) {
        std::mt19937 random(unsigned(profile.game));
        path = folder.filePath(QStringLiteral("nagy%1.txt").arg(profile.game));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return;
        }
        QByteArray content;
        for (int r = 0; r < maxKeyRows; ++r) {
            content +=
                rowText(pick(profile.highestNumber, profile.numbersPerRow, random)).toLatin1() +
                "\r\n";
        }
        file.write(content);
    }

    QStringList read() const {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return readKeyRows(file).rows;
    }
};

const LargeKey& largeKey(int game) {
    static const LargeKey five(gameProfile(5));
    static const LargeKey six(gameProfile(6));
    static const LargeKey seven(gameProfile(7));
    return forGame(game, five, six, seven);
}

// The reference: every row counted by the popcount of its AND with the draw (with the popcount
// instruction where the check has it).
SLIP_POPCOUNT_CLONES HitCounts bareCount(const KeyRowMasks& masks, const NumberMask& draw) {
    std::array<int, 2 * 64 + 1> byHits{};
    const std::vector<std::uint64_t>& low = masks.lowWords();
    const std::vector<std::uint64_t>& high = masks.highWords();
    if (high.empty()) {
        for (std::uint64_t row : low) {
            ++byHits[std::size_t(std::popcount(row & draw.low))];
        }
    } else {
        for (std::size_t i = 0; i < low.size(); ++i) {
            ++byHits[std::size_t(std::popcount(low[i] & draw.low) +
                                 std::popcount(high[i] & draw.high))];
        }
    }
    HitCounts counts{};
    std::copy_n(byHits.begin(), counts.size(), counts.begin());
    return counts;
}

// The same loop adding up the hits of all rows, without telling the classes apart.
SLIP_POPCOUNT_CLONES long long bareSum(const KeyRowMasks& masks, const NumberMask& draw) {
    const std::vector<std::uint64_t>& low = masks.lowWords();
    const std::vector<std::uint64_t>& high = masks.highWords();
    long long hits = 0;
    if (high.empty()) {
        for (std::uint64_t row : low) {
            hits += std::popcount(row & draw.low);
        }
    } else {
        for (std::size_t i = 0; i < low.size(); ++i) {
            hits += std::popcount(low[i] & draw.low) + std::popcount(high[i] & draw.high);
        }
    }
    return hits;
}

// Per iteration: from the typed draw to the rows in each class (the draw read, every row
// counted, the winning rows noted), the whole check with the winners listed best first, and
// the two bare loops, in an order that turns round every iteration.
void BM_KeyCheckAgainstBareLoop(benchmark::State& state) {
    const GameProfile& profile = gameProfile(int(state.range(0)));
    const QStringList rows = largeKey(profile.game).read();
    const KeyRowMasks masks(rows, profile.numbersPerRow, profile.highestNumber);
    std::mt19937 random(11);
    const QString drawn = rowText(pick(profile.highestNumber, profile.numbersPerRow, random));
    const Draw draw = drawOf(profile, pick(profile.highestNumber, profile.numbersPerRow, random));
    Timer counts;
    Timer check;
    Timer bare;
    Timer sum;
    std::size_t winners = 0;
    const std::function<void()> steps[] = {
        [&] {
            counts.time([&] {
                const DrawEntry entry = readDraws(profile, {drawn});
                const KeyRowMasks::Tally tally =
                    masks.tally(entry.draws.front().mask, profile.fewestWinningHits);
                benchmark::DoNotOptimize(tally.rows.data());
            });
        },
        [&] {
            check.time([&] {
                const DrawCheckResult result =
                    checkKey(profile, rows, masks, QStringLiteral("8"), {draw});
                winners = result.draws.front().winners.size();
                benchmark::DoNotOptimize(result.draws.front().combinations.data());
            });
        },
        [&] {
            bare.time([&] {
                const HitCounts byHits = bareCount(masks, draw.mask);
                benchmark::DoNotOptimize(byHits.data());
            });
        },
        [&] { sum.time([&] { benchmark::DoNotOptimize(bareSum(masks, draw.mask)); }); },
    };
    runInTurns(state, steps);
    const double n = double(state.iterations());
    state.counters["rows"] = double(rows.size());
    state.counters["winners"] = double(winners);
    state.counters["counts_ms"] = 1000 * counts.wall / n;
    state.counters["check_ms"] = 1000 * check.wall / n;
    state.counters["bare_ms"] = 1000 * bare.wall / n;
    state.counters["ratio"] = counts.cpu / bare.cpu;
    state.counters["ratio_sum"] = counts.cpu / sum.cpu;
    state.counters["ratio_listed"] = check.cpu / bare.cpu;
}
BENCHMARK(BM_KeyCheckAgainstBareLoop)->Arg(5)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);

void BM_PrepareMasksAgainstKeyLoad(benchmark::State& state) {
    const GameProfile& profile = gameProfile(int(state.range(0)));
    const LargeKey& key = largeKey(profile.game);
    Timer load;
    Timer read;
    Timer prepare;
    // Kept as a window keeps them: each key takes the place of the one before, as a key printer
    // loads one after the other, and is prepared into the memory of the previous one. The load
    // gives the previous key back, as KeyLoadBench's load does; `read` is the reading alone.
    QStringList rows;
    KeyRowMasks masks;
    for (auto _ : state) {
        load.time([&] {
            rows = QStringList();
            read.time([&] { rows = key.read(); });
        });
        prepare.time([&] {
            masks.prepare(rows, profile.numbersPerRow, profile.highestNumber);
            benchmark::DoNotOptimize(masks.lowWords().data());
        });
    }
    const double n = double(state.iterations());
    state.counters["load_ms"] = 1000 * load.wall / n;
    state.counters["prepare_ms"] = 1000 * prepare.wall / n;
    state.counters["added"] = prepare.cpu / load.cpu;
    state.counters["added_to_read"] = prepare.cpu / read.cpu;
    state.counters["load_faults"] = load.faults / n;
    state.counters["prepare_faults"] = prepare.faults / n;
}
BENCHMARK(BM_PrepareMasksAgainstKeyLoad)->Arg(5)->Arg(6)->Arg(7)->Unit(benchmark::kMillisecond);

// Game 5's full combination of 20 numbers, converted and handed over as "Csere" does.
void BM_FullCombinationOfTwentyNumbers(benchmark::State& state) {
    const GameProfile& profile = gameProfile(5);
    QTemporaryDir folder;
    const QString name = FullCombinationTemplate::fileName(5, 20);
    QFile::copy(QStringLiteral(SLIP_DATA_DIR) + QLatin1Char('/') + name, folder.filePath(name));
    FakeServices fakes;
    fakes.program.folder = folder.path();
    Services services = fakes.services();
    CombinationSelection selection(profile);
    FullCombinationChoice choice(profile, services, selection);
    std::mt19937 random(20);
    const std::vector<int> chosen = pick(profile.highestNumber, 20, random);
    for (int n : chosen) {
        choice.toggleChosen(n);
    }
    choice.selectOption(20 - FullCombinationChoice::smallestSize);
    choice.loadTemplate();
    if (!choice.convert()) {
        state.SkipWithError("the template was not converted");
        return;
    }
    // Three of the chosen numbers drawn: every class has winners.
    const Draw draw = drawOf(profile, {chosen[1], chosen[7], chosen[15], 88, 89});
    long long combinations = 0;
    std::size_t winners = 0;
    for (auto _ : state) {
        const DrawCheckOutcome outcome = checkFullCombination(selection, {draw});
        if (!outcome.ok()) {
            state.SkipWithError("the check was refused");
            return;
        }
        const DrawResult& result = outcome.result.draws.front();
        combinations = std::accumulate(result.combinations.begin(), result.combinations.end(), 0LL);
        winners = result.winners.size();
    }
    state.counters["entries"] = double(selection.entries().size());
    state.counters["plain_rows"] = double(selection.plainSlipCount());
    state.counters["combinations"] = double(combinations);
    state.counters["winners"] = double(winners);
}
BENCHMARK(BM_FullCombinationOfTwentyNumbers)->Unit(benchmark::kMillisecond);

// combiprint7: 4,000 slips of five FIX numbers and the thirty others ("5 30", 435 combinations
// each), counted without expanding them: the peak memory grows by the slips' own size only.
void BM_CombinationSlipsFiveThirty(benchmark::State& state) {
    const GameProfile& profile = gameProfile(7);
    std::mt19937 random(7);
    const std::vector<int> fix = pick(profile.highestNumber, 5, random);
    std::vector<int> others;
    for (int n = 1; n <= profile.highestNumber; ++n) {
        if (!std::binary_search(fix.begin(), fix.end(), n)) {
            others.push_back(n);
        }
    }
    QStringList rows;
    for (int s = 0; s < int(state.range(0)); ++s) {
        std::shuffle(others.begin(), others.end(), random);
        rows << rowText(others) + QLatin1Char(' ');
    }
    CombinationSelection selection(profile);
    selection.setRows(rows);
    selection.setWidthCaption(QStringLiteral("30"));
    for (int n : fix) {
        selection.toggleNumber(n);
    }
    selection.selectSystem(int(systemTable(7).codes.indexOf(QStringLiteral("5 30"))));
    const Draw draw =
        drawOf(profile, {fix[0], fix[1], others[0], others[1], others[2], others[3], others[4]});
    const double peakBefore = peakMemoryMiB();
    long long combinations = 0;
    for (auto _ : state) {
        const DrawCheckOutcome outcome = checkCombinationRows(selection, {draw});
        if (!outcome.ok()) {
            state.SkipWithError("the selection was refused");
            return;
        }
        const HitCounts& counts = outcome.result.draws.front().combinations;
        combinations = std::accumulate(counts.begin(), counts.end(), 0LL);
    }
    state.counters["slips"] = double(rows.size());
    state.counters["combinations"] = double(combinations);
    state.counters["peak_growth_MiB"] = peakMemoryMiB() - peakBefore;
}
BENCHMARK(BM_CombinationSlipsFiveThirty)->Arg(4000)->Unit(benchmark::kMillisecond);

// A results file of the 6-number game of `lines` lines, newest first: the newer half in the
// layout with the weekday and jackpot, the older half in the one with "5+1" and the bonus
// number; amounts with no-break spaces and " Ft", prizes of nobody won "0 Ft".
QByteArray sixGameArchive(int lines) {
    std::mt19937 random(36);
    std::uniform_int_distribution<long long> winners(0, 200000);
    const QByteArray nbsp = "\xC2\xA0";
    const auto amount = [&](long long value) {
        QByteArray digits = QByteArray::number(value);
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
            digits.insert(at, nbsp);
        }
        return digits + " Ft";
    };
    QByteArray bytes;
    int year = 2021;
    int week = 52;
    for (int l = 0; l < lines; ++l) {
        const bool byDay = l < lines / 2;
        QList<QByteArray> fields{QByteArray::number(year), QByteArray::number(week)};
        const QByteArray date = QStringLiteral("%1.%2.%3.")
                                    .arg(year)
                                    .arg((week - 1) / 5 + 1, 2, 10, QLatin1Char('0'))
                                    .arg((week * 3) % 28 + 1, 2, 10, QLatin1Char('0'))
                                    .toLatin1();
        if (byDay) {
            fields << (l % 2 == 0 ? "Vas\xC3\xA1rnap" : "Cs\xC3\xBCt\xC3\xB6rt\xC3\xB6k") << date
                   << "1" << amount(1'000'000'000LL + l);
        } else {
            fields << date;
        }
        for (int c = 0; c < (byDay ? 4 : 5); ++c) {
            const long long won = winners(random) >> (8 * (4 - c));
            fields << QByteArray::number(won)
                   << (won == 0 ? "0 Ft" : amount(100'000'000 >> (3 * c)));
        }
        for (int n : pick(45, 6, random)) {
            fields << QByteArray::number(n);
        }
        if (!byDay) {
            fields << QByteArray::number(1 + l % 45);
        }
        bytes += fields.join(';') + "\r\n";
        if (!byDay || l % 2 == 1) {
            week = week > 1 ? week - 1 : (--year, 52);
        }
    }
    return bytes;
}

// The reference: the file read line by line, each line split into its fields on ';'.
qsizetype readAndSplitLines(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    qsizetype fields = 0;
    while (!file.atEnd()) {
        const QList<QByteArray> line = file.readLine().split(';');
        benchmark::DoNotOptimize(line.constData());
        fields += line.size();
    }
    return fields;
}

// The stricter one: the bytes in memory split into views of their fields, nothing copied.
long long splitIntoViews(QByteArrayView bytes) {
    long long fields = 0;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    std::array<QByteArrayView, 32> line{};
    while (p < end) {
        const char* newline = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const char* lineEnd = newline ? newline : end;
        std::size_t count = 0;
        for (const char* field = p; field <= lineEnd && count < line.size();) {
            const char* semicolon =
                static_cast<const char*>(std::memchr(field, ';', std::size_t(lineEnd - field)));
            const char* fieldEnd = semicolon ? semicolon : lineEnd;
            line[count++] = QByteArrayView(field, fieldEnd - field);
            field = fieldEnd + 1;
        }
        benchmark::DoNotOptimize(line.data());
        fields += qsizetype(count);
        p = lineEnd + 1;
    }
    return fields;
}

void BM_ReadArchiveAgainstSplitting(benchmark::State& state) {
    const GameProfile& profile = gameProfile(6);
    const QByteArray bytes = sixGameArchive(int(state.range(0)));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("hatos.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("the archive was not written");
        return;
    }
    file.close();
    Timer load;
    Timer bare;
    Timer parse;
    Timer views;
    std::size_t lines = 0;
    int skipped = 0;
    const std::function<void()> steps[] = {
        [&] {
            load.time([&] {
                const ArchiveReading reading = loadDrawArchive(path, profile);
                lines = reading.archive.lines.size();
                skipped = reading.archive.skipped;
            });
        },
        [&] { bare.time([&] { benchmark::DoNotOptimize(readAndSplitLines(path)); }); },
        [&] {
            parse.time([&] {
                const ArchiveReading reading = readDrawArchive(bytes, profile, path);
                benchmark::DoNotOptimize(reading.archive.lines.data());
            });
        },
        [&] { views.time([&] { benchmark::DoNotOptimize(splitIntoViews(bytes)); }); },
    };
    runInTurns(state, steps);
    const double n = double(state.iterations());
    state.counters["lines"] = double(lines);
    state.counters["skipped"] = skipped;
    state.counters["read_ms"] = 1000 * load.wall / n;
    state.counters["bare_ms"] = 1000 * bare.wall / n;
    state.counters["ratio"] = load.cpu / bare.cpu;
    state.counters["parse_ms"] = 1000 * parse.wall / n;
    state.counters["views_ms"] = 1000 * views.wall / n;
    state.counters["ratio_views"] = parse.cpu / views.cpu;
}
BENCHMARK(BM_ReadArchiveAgainstSplitting)->Arg(3600)->Unit(benchmark::kMillisecond);

// The reference: the rows counted by hits against every draw, as bareCount does for one.
HitCounts bareCountAll(const KeyRowMasks& masks, const std::vector<NumberMask>& draws) {
    HitCounts total{};
    for (const NumberMask& draw : draws) {
        const HitCounts counts = bareCount(masks, draw);
        for (std::size_t h = 0; h < total.size(); ++h) {
            total[h] += counts[h];
        }
    }
    return total;
}

void BM_EveryDrawAgainstBareCount(benchmark::State& state) {
    const GameProfile& profile = gameProfile(6);
    const QStringList rows = largeKey(profile.game).read();
    const KeyRowMasks masks(rows, profile.numbersPerRow, profile.highestNumber);
    const ArchiveReading reading =
        readDrawArchive(sixGameArchive(int(state.range(0))), profile, QStringLiteral("hatos.csv"));
    const DrawArchive& archive = reading.archive;
    std::vector<NumberMask> draws;
    for (const ArchiveLine& line : archive.lines) {
        draws.push_back(line.draws[0]);
    }
    Timer all;
    Timer bare;
    long long wins = 0;
    long long total = 0;
    const std::function<void()> steps[] = {
        [&] {
            all.time([&] {
                const PreparedCheck prepared =
                    prepareKeyCheck(profile, rows, masks, QStringLiteral("8"));
                const ArchiveCheckResult result = checkArchive(*prepared.subject, archive);
                wins = qsizetype(result.wins.size());
                total = result.total;
            });
        },
        [&] {
            bare.time([&] {
                const HitCounts counts = bareCountAll(masks, draws);
                benchmark::DoNotOptimize(counts.data());
            });
        },
    };
    runInTurns(state, steps);
    const double n = double(state.iterations());
    state.counters["rows"] = double(rows.size());
    state.counters["draws"] = double(draws.size());
    state.counters["winning_draws"] = double(wins);
    state.counters["total_Ft"] = double(total);
    state.counters["all_ms"] = 1000 * all.wall / n;
    state.counters["bare_ms"] = 1000 * bare.wall / n;
    state.counters["ratio"] = all.cpu / bare.cpu;
}
BENCHMARK(BM_EveryDrawAgainstBareCount)->Arg(3600)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
