#include "core/results/KeyDrawCheck.h"

#include "core/keys/KeySlipRun.h"
#include "core/results/DrawCheckTexts.h"
#include "core/slip/SlipComposer.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

// The winning rows of one draw, best first: the tally lists them in key order, and placing
// each at the next free place of its class keeps that order within a class.
std::vector<Winner> winningRows(const QStringList& rows, const KeyRowMasks& masks,
                                const KeyRowMasks::Tally& tally, const Draw& draw,
                                int fieldsPerSlip) {
    std::array<std::size_t, maxNumbersPerRow + 1> counts{};
    std::vector<std::uint8_t> hitsOf(tally.winners.size());
    for (std::size_t i = 0; i < tally.winners.size(); ++i) {
        hitsOf[i] = std::uint8_t((masks.mask(tally.winners[i]) & draw.mask).count());
        ++counts[hitsOf[i]];
    }
    // The first place of each class, the highest first.
    std::array<std::size_t, maxNumbersPerRow + 1> place{};
    std::size_t taken = 0;
    for (int hits = maxNumbersPerRow; hits >= 0; --hits) {
        place[std::size_t(hits)] = taken;
        taken += counts[std::size_t(hits)];
    }
    std::vector<int> order(tally.winners.size());
    for (std::size_t i = 0; i < tally.winners.size(); ++i) {
        order[place[hitsOf[i]]++] = tally.winners[i];
    }
    std::vector<Winner> winners;
    winners.reserve(order.size());
    for (int row : order) {
        const NumberMask hit = masks.mask(row) & draw.mask;
        const KeySlipPlace printed = allRowsSlipPlace(row, fieldsPerSlip);
        Winner& winner = winners.emplace_back();
        winner.item = CheckedItem::KeyRow;
        winner.number = row + 1;
        winner.slip = printed.slip;
        winner.field = printed.field;
        winner.row = rows[row];
        winner.rowHits = hit;
        winner.combinations[std::size_t(hit.count())] = 1;
    }
    return winners;
}

// The rows of a key, copied: counted per draw in one pass.
class PreparedKey : public PreparedSubject {
public:
    PreparedKey(const KeyRowMasks& masks, int fieldsPerSlip)
        : masks_(masks), fieldsPerSlip_(fieldsPerSlip) {}

    DrawTally tally(const NumberMask& draw) const override {
        const KeyRowMasks::Classes classes = masks_.classes(draw);
        DrawTally tally{classes.rows, std::nullopt};
        if (classes.bestRow >= 0 && classes.bestHits >= fewestWinningHits) {
            const KeySlipPlace printed = allRowsSlipPlace(classes.bestRow, fieldsPerSlip_);
            BestItem& best = tally.best.emplace();
            best.item = CheckedItem::KeyRow;
            best.number = classes.bestRow + 1;
            best.slip = printed.slip;
            best.field = printed.field;
            best.combinations[std::size_t(classes.bestHits)] = 1;
        }
        return tally;
    }

private:
    KeyRowMasks masks_;
    int fieldsPerSlip_;
};

const KeyRowMasks& preparedRows(const GameProfile& profile, const QStringList& rows,
                                const KeyRowMasks& masks, std::optional<KeyRowMasks>& prepared) {
    if (masks.size() != rows.size() || masks.numbersPerRow() != profile.numbersPerRow ||
        masks.highestNumber() != profile.highestNumber) {
        prepared.emplace(rows, profile.numbersPerRow, profile.highestNumber);
    }
    return prepared ? *prepared : masks;
}

} // namespace

DrawCheckResult checkKey(const GameProfile& profile, const QStringList& rows,
                         const KeyRowMasks& masks, const QString& fieldsPerSlip,
                         const std::vector<Draw>& draws) {
    std::optional<KeyRowMasks> prepared;
    const KeyRowMasks& key = preparedRows(profile, rows, masks, prepared);

    DrawCheckResult result;
    result.subject = CheckedSubject::Key;
    result.numbersPerRow = profile.numbersPerRow;
    result.fewestWinningHits = profile.fewestWinningHits;
    const int fields = slipRunFieldsPerSlip(profile, fieldsPerSlip);
    for (const Draw& draw : draws) {
        const KeyRowMasks::Tally tally = key.tally(draw.mask, profile.fewestWinningHits);
        DrawResult checked{draw.name, draw.numbers, tally.rows, {}, {}};
        checked.winners = winningRows(rows, key, tally, draw, fields);
        result.draws.push_back(std::move(checked));
    }
    const QString reason =
        DrawCheckText::keyRowNotPlayable(profile.numbersPerRow, profile.highestNumber);
    for (int row : key.uncheckableRows()) {
        result.unchecked.push_back({CheckedItem::KeyRow, row + 1, reason});
    }
    return result;
}

PreparedCheck prepareKeyCheck(const GameProfile& profile, const QStringList& rows,
                              const KeyRowMasks& masks, const QString& fieldsPerSlip) {
    PreparedCheck check;
    if (rows.isEmpty()) {
        check.refusal = profile.keyMissingMessage;
        return check;
    }
    std::optional<KeyRowMasks> prepared;
    const KeyRowMasks& key = preparedRows(profile, rows, masks, prepared);
    auto subject = std::make_shared<PreparedKey>(key, slipRunFieldsPerSlip(profile, fieldsPerSlip));
    subject->subject = CheckedSubject::Key;
    subject->numbersPerRow = profile.numbersPerRow;
    subject->fewestWinningHits = profile.fewestWinningHits;
    for (qsizetype row = 0; row < key.size(); ++row) {
        subject->played = subject->played | key.mask(row);
    }
    const QString reason =
        DrawCheckText::keyRowNotPlayable(profile.numbersPerRow, profile.highestNumber);
    for (int row : key.uncheckableRows()) {
        subject->unchecked.push_back({CheckedItem::KeyRow, row + 1, reason});
    }
    check.subject = std::move(subject);
    return check;
}
