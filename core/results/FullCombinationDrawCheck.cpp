#include "core/results/FullCombinationDrawCheck.h"

#include "core/base/FieldReader.h"
#include "core/files/KeyFile.h"
#include "core/results/CombinationDrawCheck.h"
#include "core/results/DrawCheckTexts.h"
#include "core/results/KeyRowMasks.h"

#include <QFile>

#include <optional>
#include <variant>

namespace {

// The plain rows of the full combination, or why they cannot be had.
std::variant<QStringList, QString> plainRows(const CombinationSelection& selection) {
    const int expected = selection.plainSlipCount();
    if (expected <= 0) {
        return QStringList();
    }
    const QString path = selection.plainRowFile();
    if (path.isEmpty()) {
        return DrawCheckText::plainRowFileUnknown();
    }
    QFile file(path);
    if (!openRegularFile(file)) {
        return DrawCheckText::plainRowFileUnreadable(path);
    }
    KeyRows read = readKeyRows(file);
    if (read.stoppedEarly) {
        return DrawCheckText::plainRowFileUnreadable(path);
    }
    if (read.rows.size() != expected) {
        return DrawCheckText::plainRowFileChanged(path, expected, int(read.rows.size()));
    }
    return std::move(read.rows);
}

void addPlainRows(const QStringList& rows, const KeyRowMasks& masks, const Draw& draw,
                  int fewestWinningHits, DrawResult& into) {
    const KeyRowMasks::Tally tally = masks.tally(draw.mask, fewestWinningHits);
    for (std::size_t h = 0; h < into.combinations.size(); ++h) {
        into.combinations[h] += tally.rows[h];
    }
    for (int row : tally.winners) {
        const NumberMask hits = masks.mask(row) & draw.mask;
        Winner winner{CheckedItem::PlainRow, row + 1, 0, 0, rows[row], {}, hits, {}};
        winner.combinations[std::size_t(hits.count())] = 1;
        into.winners.push_back(std::move(winner));
    }
}

} // namespace

bool holdsFullCombination(const CombinationSelection& selection) {
    return !selection.entries().isEmpty();
}

DrawCheckOutcome checkFullCombination(const CombinationSelection& selection,
                                      const std::vector<Draw>& draws) {
    DrawCheckOutcome outcome;
    if (!holdsFullCombination(selection)) {
        outcome.refusal = DrawCheckText::noFullCombination;
        return outcome;
    }
    std::variant<QStringList, QString> plain = plainRows(selection);
    if (const QString* problem = std::get_if<QString>(&plain)) {
        outcome.refusal = *problem;
        return outcome;
    }
    const QStringList& plainList = std::get<QStringList>(plain);

    const GameProfile& profile = selection.profile();
    DrawCheckResult& result = outcome.result;
    result.subject = CheckedSubject::FullCombination;
    result.numbersPerRow = profile.numbersPerRow;
    result.fewestWinningHits = profile.fewestWinningHits;

    // The run selects every entry in turn, each from what the previous one left.
    std::vector<CombinationSlipSet> entries;
    SelectionSlip slip = selection.currentSlip();
    for (int p = 0; p < int(selection.entries().size()); ++p) {
        slip = selection.entrySlip(p, slip);
        if (const std::optional<QString> problem = slipsProblem(selection, slip)) {
            result.unchecked.push_back({CheckedItem::Entry, p + 1, *problem});
            continue;
        }
        entries.emplace_back(profile, slip, CheckedItem::Entry, p + 1, result.unchecked);
    }
    const KeyRowMasks plainMasks(plainList, profile.numbersPerRow, profile.highestNumber);
    const QString reason =
        DrawCheckText::keyRowNotPlayable(profile.numbersPerRow, profile.highestNumber);
    for (int row : plainMasks.uncheckableRows()) {
        result.unchecked.push_back({CheckedItem::PlainRow, row + 1, reason});
    }

    for (const Draw& draw : draws) {
        DrawResult checked{draw.name, draw.numbers, {}, {}};
        for (const CombinationSlipSet& entry : entries) {
            entry.check(draw, profile.fewestWinningHits, checked);
        }
        addPlainRows(plainList, plainMasks, draw, profile.fewestWinningHits, checked);
        sortBestFirst(checked.winners);
        result.draws.push_back(std::move(checked));
    }
    return outcome;
}
