#include "core/results/DrawEntry.h"

#include "core/base/RowText.h"
#include "core/results/DrawCheckTexts.h"

DrawEntry readDraws(const GameProfile& profile, const QStringList& texts) {
    DrawEntry entry;
    const int k = profile.numbersPerRow;
    const int n = profile.highestNumber;
    for (qsizetype box = 0; box < profile.drawNames.size(); ++box) {
        const QString text = box < texts.size() ? texts[box] : QString();
        if (box > 0 && withoutSurroundingBlanks(text).isEmpty()) {
            continue;
        }
        NumberListCheck check = checkNumberList(text, n, k, k);
        if (!check.ok()) {
            // The draw is named only where a week has more than one.
            const QString name = profile.drawNames.size() > 1 ? profile.drawNames[box] : QString();
            entry.problem = DrawCheckText::drawProblem(name, numberListReason(check, n),
                                                       DrawCheckText::drawInstruction(k, n));
            entry.faultyBox = int(box);
            entry.fault = std::move(check);
            entry.draws.clear();
            return entry;
        }
        Draw draw{profile.drawNames[box], std::move(check.numbers), {}};
        for (int number : draw.numbers) {
            draw.mask.add(number);
        }
        entry.draws.push_back(std::move(draw));
    }
    return entry;
}
