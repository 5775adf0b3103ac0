#include "core/results/ArchiveCheck.h"

#include "core/base/GameProfile.h"
#include "core/results/DrawCheckTexts.h"

#include <algorithm>

namespace {

// The highest class a draw won in.
int topClass(const ArchiveWin& win, int fewestWinningHits) {
    for (int h = maxNumbersPerRow; h >= fewestWinningHits; --h) {
        if (win.combinations[std::size_t(h)] > 0) {
            return h;
        }
    }
    return 0;
}

// The weeks of the archive's lines, and its oldest and newest line.
void spanOf(const DrawArchive& archive, ArchiveCheckResult& result) {
    result.weeks = archive.weekCount();
    const ArchiveLine* oldest = nullptr;
    const ArchiveLine* newest = nullptr;
    for (const ArchiveLine& line : archive.lines) {
        if (!oldest || oldest->identity.newerThan(line.identity)) {
            oldest = &line;
        }
        if (!newest || line.identity.newerThan(newest->identity)) {
            newest = &line;
        }
    }
    if (oldest) {
        result.oldest = oldest->identity.shortText();
        result.newest = newest->identity.shortText();
    }
}

// One draw of an archive line: when the subject won anything, its win with the prizes the line
// gives per winner, counted into the result's totals.
void tallyDraw(const PreparedSubject& subject, const ArchiveLine& line, std::size_t lineIndex,
               int draw, ArchiveCheckResult& result) {
    ++result.draws;
    const DrawTally tally = subject.tally(line.draws[std::size_t(draw)]);
    if (!tally.best) {
        return;
    }
    ArchiveWin& win = result.wins.emplace_back();
    win.line = lineIndex;
    win.draw = draw;
    win.combinations = tally.combinations;
    win.best = *tally.best;
    const int top = std::min(subject.numbersPerRow, maxNumbersPerRow);
    for (int h = std::max(subject.fewestWinningHits, 1); h <= top; ++h) {
        const long long count = tally.combinations[std::size_t(h)];
        result.winsByClass[std::size_t(h)] += count;
        if (const std::optional<long long> prize = line.prizes.prize(h)) {
            win.prize += count * *prize;
        } else {
            win.unknownPrizeWins += count;
        }
    }
    result.total += win.prize;
    result.unknownPrizeWins += win.unknownPrizeWins;
}

// Newest first; draws of the same day keep the file's order (the machine draw first).
void sortNewestFirst(const DrawArchive& archive, std::vector<ArchiveWin>& wins) {
    std::stable_sort(wins.begin(), wins.end(), [&](const ArchiveWin& a, const ArchiveWin& b) {
        return archive.lines[a.line].identity.newerThan(archive.lines[b.line].identity);
    });
}

// The best single draw: the highest known total, then the higher class, then the newer draw
// (the wins are sorted newest first, so a tie keeps the earlier one).
std::optional<std::size_t> bestWin(const ArchiveCheckResult& result) {
    std::optional<std::size_t> best;
    for (std::size_t w = 0; w < result.wins.size(); ++w) {
        const ArchiveWin& win = result.wins[w];
        if (!best) {
            best = w;
            continue;
        }
        const ArchiveWin& leader = result.wins[*best];
        if (win.prize > leader.prize ||
            (win.prize == leader.prize && topClass(win, result.fewestWinningHits) >
                                              topClass(leader, result.fewestWinningHits))) {
            best = w;
        }
    }
    return best;
}

} // namespace

ArchiveCheckResult checkArchive(const PreparedSubject& subject, const DrawArchive& archive,
                                ArchiveCheckProgress* progress) {
    const GameProfile& profile = gameProfile(archive.game);
    ArchiveCheckResult result;
    result.subject = subject.subject;
    result.numbersPerRow = subject.numbersPerRow;
    result.fewestWinningHits = subject.fewestWinningHits;
    result.played = subject.played;
    result.unchecked = subject.unchecked;
    result.frequencies = numberFrequencies(archive, profile.highestNumber);
    spanOf(archive, result);
    if (progress) {
        progress->start(qsizetype(archive.lines.size()));
    }
    for (std::size_t l = 0; l < archive.lines.size(); ++l) {
        if (progress && progress->cancelled()) {
            result.cancelled = true;
            return result;
        }
        const ArchiveLine& line = archive.lines[l];
        for (int d = 0; d < line.drawCount; ++d) {
            tallyDraw(subject, line, l, d, result);
        }
        if (progress) {
            progress->advance(1);
        }
    }
    sortNewestFirst(archive, result.wins);
    result.best = bestWin(result);
    return result;
}

QString archiveDrawName(const DrawArchive& archive, std::size_t line, int draw, DrawNaming naming) {
    const ArchiveLine& archiveLine = archive.lines[line];
    const DrawIdentity& identity = archiveLine.identity;
    return DrawCheckText::archiveDrawTitle(
        naming == DrawNaming::Full ? identity.text() : identity.shortText(),
        gameProfile(archive.game).drawNames.value(draw), archiveLine.drawCount);
}
