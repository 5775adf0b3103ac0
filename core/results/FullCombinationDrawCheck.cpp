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

// A full combination ready to be checked: the entries the run prints as slip sets and its plain
// rows as masks, with the items that cannot be checked.
struct FullCombinationSlips {
    std::vector<CombinationSlipSet> entries;
    QStringList plainRows;
    KeyRowMasks plainMasks;
    std::vector<Unchecked> unchecked;
};

// The full combination of the selection prepared, or the refusal of the check.
std::variant<FullCombinationSlips, QString> prepareSlips(const CombinationSelection& selection) {
    if (!holdsFullCombination(selection)) {
        return DrawCheckText::noFullCombination;
    }
    std::variant<QStringList, QString> plain = plainRows(selection);
    if (const QString* problem = std::get_if<QString>(&plain)) {
        return *problem;
    }
    const GameProfile& profile = selection.profile();
    FullCombinationSlips slips;
    slips.plainRows = std::get<QStringList>(std::move(plain));
    // The run selects every entry in turn, each from what the previous one left.
    SelectionSlip slip = selection.currentSlip();
    for (int p = 0; p < int(selection.entries().size()); ++p) {
        slip = selection.entrySlip(p, slip);
        if (const std::optional<QString> problem = slipsProblem(selection, slip)) {
            slips.unchecked.push_back({CheckedItem::Entry, p + 1, *problem});
            continue;
        }
        slips.entries.emplace_back(profile, slip, CheckedItem::Entry, p + 1, slips.unchecked);
    }
    slips.plainMasks.prepare(slips.plainRows, profile.numbersPerRow, profile.highestNumber);
    const QString reason =
        DrawCheckText::keyRowNotPlayable(profile.numbersPerRow, profile.highestNumber);
    for (int row : slips.plainMasks.uncheckableRows()) {
        slips.unchecked.push_back({CheckedItem::PlainRow, row + 1, reason});
    }
    return slips;
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

// The full combination, copied, for counting many draws.
class PreparedFullCombination : public PreparedSubject {
public:
    explicit PreparedFullCombination(FullCombinationSlips slips) : slips_(std::move(slips)) {
        for (const CombinationSlipSet& entry : slips_.entries) {
            played = played | entry.played();
        }
        for (qsizetype row = 0; row < slips_.plainMasks.size(); ++row) {
            played = played | slips_.plainMasks.mask(row);
        }
        unchecked = slips_.unchecked;
    }

    DrawTally tally(const NumberMask& draw) const override {
        DrawTally tally;
        for (const CombinationSlipSet& entry : slips_.entries) {
            entry.tally(draw, fewestWinningHits, tally.combinations, tally.best);
        }
        const KeyRowMasks::Classes plain = slips_.plainMasks.classes(draw);
        for (std::size_t h = 0; h < tally.combinations.size(); ++h) {
            tally.combinations[h] += plain.rows[h];
        }
        if (plain.bestRow >= 0 && plain.bestHits >= fewestWinningHits) {
            BestItem row{CheckedItem::PlainRow, plain.bestRow + 1, 0, 0, {}};
            row.combinations[std::size_t(plain.bestHits)] = 1;
            keepBetter(tally.best, row);
        }
        return tally;
    }

private:
    FullCombinationSlips slips_;
};

} // namespace

bool holdsFullCombination(const CombinationSelection& selection) {
    return !selection.entries().isEmpty();
}

DrawCheckOutcome checkFullCombination(const CombinationSelection& selection,
                                      const std::vector<Draw>& draws) {
    DrawCheckOutcome outcome;
    std::variant<FullCombinationSlips, QString> prepared = prepareSlips(selection);
    if (const QString* problem = std::get_if<QString>(&prepared)) {
        outcome.refusal = *problem;
        return outcome;
    }
    FullCombinationSlips& slips = std::get<FullCombinationSlips>(prepared);
    const GameProfile& profile = selection.profile();
    DrawCheckResult& result = outcome.result;
    result.subject = CheckedSubject::FullCombination;
    result.numbersPerRow = profile.numbersPerRow;
    result.fewestWinningHits = profile.fewestWinningHits;
    result.unchecked = std::move(slips.unchecked);
    for (const Draw& draw : draws) {
        DrawResult checked{draw.name, draw.numbers, {}, {}, {}};
        for (const CombinationSlipSet& entry : slips.entries) {
            entry.check(draw, profile.fewestWinningHits, checked);
        }
        addPlainRows(slips.plainRows, slips.plainMasks, draw, profile.fewestWinningHits, checked);
        sortBestFirst(checked.winners);
        result.draws.push_back(std::move(checked));
    }
    return outcome;
}

PreparedCheck prepareFullCombinationCheck(const CombinationSelection& selection) {
    PreparedCheck check;
    std::variant<FullCombinationSlips, QString> prepared = prepareSlips(selection);
    if (const QString* problem = std::get_if<QString>(&prepared)) {
        check.refusal = *problem;
        return check;
    }
    const GameProfile& profile = selection.profile();
    auto subject = std::make_shared<PreparedFullCombination>(
        std::get<FullCombinationSlips>(std::move(prepared)));
    subject->subject = CheckedSubject::FullCombination;
    subject->numbersPerRow = profile.numbersPerRow;
    subject->fewestWinningHits = profile.fewestWinningHits;
    check.subject = std::move(subject);
    return check;
}

PreparedCheck prepareCombinationCheck(const CombinationSelection& selection,
                                      CheckedSubject subject) {
    return subject == CheckedSubject::FullCombination ? prepareFullCombinationCheck(selection)
                                                      : prepareCombinationRowsCheck(selection);
}
