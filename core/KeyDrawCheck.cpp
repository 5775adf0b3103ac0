#include "KeyDrawCheck.h"

#include "DrawCheckTexts.h"
#include "KeySlipRun.h"
#include "SlipComposer.h"

#include <algorithm>
#include <optional>

namespace {

// The winning rows of one draw, best first: the tally lists them in key order, so taking the
// classes from the highest down keeps the key order within a class.
std::vector<Winner> winningRows(const QStringList& rows, const KeyRowMasks& masks,
                                const KeyRowMasks::Tally& tally, const Draw& draw,
                                int fieldsPerSlip, int fewestWinningHits) {
    std::vector<Winner> winners;
    winners.reserve(tally.winners.size());
    for (int hits = maxNumbersPerRow; hits >= std::max(fewestWinningHits, 1); --hits) {
        if (tally.rows[std::size_t(hits)] == 0) {
            continue;
        }
        for (int row : tally.winners) {
            const NumberMask hit = masks.mask(row) & draw.mask;
            if (hit.count() != hits) {
                continue;
            }
            const KeySlipPlace place = allRowsSlipPlace(row, fieldsPerSlip);
            Winner winner{CheckedItem::KeyRow, row + 1, place.slip, place.field, rows[row], {},
                          hit, {}};
            winner.combinations[std::size_t(hits)] = 1;
            winners.push_back(std::move(winner));
        }
    }
    return winners;
}

} // namespace

DrawCheckResult checkKey(const GameProfile& profile, const QStringList& rows,
                         const KeyRowMasks& masks, const QString& fieldsPerSlip,
                         const std::vector<Draw>& draws) {
    std::optional<KeyRowMasks> prepared;
    if (masks.size() != rows.size() || masks.numbersPerRow() != profile.numbersPerRow ||
        masks.highestNumber() != profile.highestNumber) {
        prepared.emplace(rows, profile.numbersPerRow, profile.highestNumber);
    }
    const KeyRowMasks& key = prepared ? *prepared : masks;

    DrawCheckResult result;
    result.subject = CheckedSubject::Key;
    result.numbersPerRow = profile.numbersPerRow;
    result.fewestWinningHits = profile.fewestWinningHits;
    const int fields = slipRunFieldsPerSlip(profile, fieldsPerSlip);
    for (const Draw& draw : draws) {
        const KeyRowMasks::Tally tally = key.tally(draw.mask, profile.fewestWinningHits);
        DrawResult checked{draw.name, draw.numbers, tally.rows, {}};
        checked.winners = winningRows(rows, key, tally, draw, fields, profile.fewestWinningHits);
        result.draws.push_back(std::move(checked));
    }
    const QString reason =
        DrawCheckText::keyRowNotPlayable(profile.numbersPerRow, profile.highestNumber);
    for (int row : key.uncheckableRows()) {
        result.unchecked.push_back({CheckedItem::KeyRow, row + 1, reason});
    }
    return result;
}
