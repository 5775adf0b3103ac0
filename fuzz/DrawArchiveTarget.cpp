// Fuzz target: any bytes as a results file of one game (the first byte picks it), read, then
// checked with a small key against every draw and laid out as the report.
#include "core/base/GameProfile.h"
#include "core/results/ArchiveCheck.h"
#include "core/results/DrawArchive.h"
#include "core/results/DrawCheckReport.h"
#include "core/results/KeyDrawCheck.h"
#include "fuzz/FuzzInput.h"

#include <QByteArrayView>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

// The bytes with 520 blanks before every line end: every line too long to be classified at once,
// so that it is read byte by byte.
QByteArray padded(QByteArrayView bytes) {
    const QByteArray blanks(520, ' ');
    QByteArray longer;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline;
        longer += bytes.sliced(start, end - start);
        longer += blanks;
        if (newline < 0) {
            break;
        }
        longer += '\n';
        start = newline + 1;
    }
    return longer;
}

bool sameLines(const DrawArchive& a, const DrawArchive& b) {
    if (a.lines.size() != b.lines.size() || a.skipped != b.skipped ||
        a.firstSkippedLine != b.firstSkippedLine || a.firstSkippedText != b.firstSkippedText) {
        return false;
    }
    for (std::size_t l = 0; l < a.lines.size(); ++l) {
        const ArchiveLine& x = a.lines[l];
        const ArchiveLine& y = b.lines[l];
        if (x.lineNumber != y.lineNumber || !(x.identity == y.identity) ||
            x.drawCount != y.drawCount || x.draws != y.draws ||
            x.prizes.perWinner != y.prizes.perWinner || x.prizes.winners != y.prizes.winners) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int game = 5 + (size > 0 ? data[0] % 3 : 0);
    const GameProfile& profile = gameProfile(game);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0),
                               qsizetype(size > 0 ? size - 1 : 0));
    const QString path = QStringLiteral("/huzasok/fuzz.csv");
    const ArchiveReading reading = readDrawArchive(bytes, profile, path);
    const DrawArchive& archive = reading.archive;
    // Lines read byte by byte give what lines classified at once give (blanks added to a file
    // refused for its control characters may make it text).
    if (reading.ok()) {
        const ArchiveReading longer = readDrawArchive(padded(bytes), profile, path);
        FUZZ_CHECK(longer.ok() && sameLines(longer.archive, archive));
    }
    if (!reading.ok()) {
        FUZZ_CHECK(reading.refusal->contains(path));
        FUZZ_CHECK(archive.lines.empty());
        return 0;
    }
    // Every line read or skipped is a line of the bytes; every draw is K numbers from 1 to N.
    FUZZ_CHECK(!archive.lines.empty());
    FUZZ_CHECK(qsizetype(archive.lines.size()) + archive.skipped <= bytes.count('\n') + 1);
    FUZZ_CHECK((archive.skipped == 0) == (archive.firstSkippedLine == 0));
    int previousLine = 0;
    for (const ArchiveLine& line : archive.lines) {
        FUZZ_CHECK(line.lineNumber > previousLine && line.lineNumber != archive.firstSkippedLine);
        previousLine = line.lineNumber;
        FUZZ_CHECK(line.drawCount == int(profile.drawNames.size()));
        for (int d = 0; d < line.drawCount; ++d) {
            const NumberMask& draw = line.draws[std::size_t(d)];
            FUZZ_CHECK(draw.count() == profile.numbersPerRow);
            const std::vector<int> numbers = draw.numbers();
            FUZZ_CHECK(numbers.front() >= 1 && numbers.back() <= profile.highestNumber);
        }
        for (int h = 0; h <= maxNumbersPerRow; ++h) {
            FUZZ_CHECK(line.prizes.perWinner[std::size_t(h)] >= ClassPrizes::unknown);
        }
        FUZZ_CHECK(!line.identity.text().isEmpty());
        FUZZ_CHECK(line.identity.year >= 1 && line.identity.week >= 1 && line.identity.week <= 53);
    }

    // A key of three rows against every draw: the draws counted, the frequencies K per draw.
    const QStringList rows = {QStringLiteral("01 02 03 04 05 06 07"),
                              QStringLiteral("03 05 07 09 11 13 15"),
                              QStringLiteral("30 31 32 33 34 35 29")};
    const PreparedCheck prepared =
        prepareKeyCheck(profile, rows, KeyRowMasks(), QStringLiteral("8"));
    FUZZ_CHECK(prepared.ok());
    const ArchiveCheckResult result = checkArchive(*prepared.subject, archive);
    FUZZ_CHECK(result.draws == archive.drawCount());
    FUZZ_CHECK(result.weeks >= 1 && result.weeks <= result.draws);
    long long drawn = 0;
    for (long long count : result.frequencies) {
        drawn += count;
    }
    FUZZ_CHECK(drawn == result.draws * profile.numbersPerRow);
    FUZZ_CHECK(result.wins.size() <= std::size_t(result.draws));
    FUZZ_CHECK(result.best.has_value() == !result.wins.empty());
    FUZZ_CHECK(result.total >= 0 && result.unknownPrizeWins >= 0);
    const DrawCheckReport report = archiveCheckReport(
        result, archive, DrawCheckHeading{QStringLiteral("fuzz"), QStringLiteral("kulcs"), {}});
    FUZZ_CHECK(!reportText(report).isEmpty());
    return 0;
}
