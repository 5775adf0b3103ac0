// Fuzz target: any text typed into the draw boxes of "Találatok" (a NUL byte starts the second
// box; the first byte picks the game).
#include "core/base/GameProfile.h"
#include "core/results/DrawEntry.h"
#include "fuzz/FuzzInput.h"

#include <QByteArrayView>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int game = 5 + (size > 0 ? data[0] % 3 : 0);
    const GameProfile& profile = gameProfile(game);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0),
                               qsizetype(size > 0 ? size - 1 : 0));
    QStringList texts;
    for (QByteArrayView box : bytes.toByteArray().split('\0')) {
        texts << QString::fromUtf8(box);
    }
    const DrawEntry entry = readDraws(profile, texts);
    if (!entry.ok()) {
        FUZZ_CHECK(!entry.problem->isEmpty());
        FUZZ_CHECK(entry.draws.empty());
        FUZZ_CHECK(entry.faultyBox >= 0 && entry.faultyBox < int(profile.drawNames.size()));
        FUZZ_CHECK(!entry.fault.ok());
        return 0;
    }
    // The first box is always a draw, a later one only when not blank.
    FUZZ_CHECK(!entry.draws.empty() && entry.draws.size() <= std::size_t(profile.drawNames.size()));
    for (const Draw& draw : entry.draws) {
        FUZZ_CHECK(int(draw.numbers.size()) == profile.numbersPerRow);
        FUZZ_CHECK(std::is_sorted(draw.numbers.begin(), draw.numbers.end()));
        FUZZ_CHECK(std::adjacent_find(draw.numbers.begin(), draw.numbers.end()) ==
                   draw.numbers.end());
        FUZZ_CHECK(draw.numbers.front() >= 1 && draw.numbers.back() <= profile.highestNumber);
        FUZZ_CHECK(draw.mask.numbers() == draw.numbers);
    }
    return 0;
}
