// Fuzz target: the played numbers typed into "Kulcs készítés" with any guarantee; the first byte
// picks the game, the second and third the two spin boxes' values.
#include "core/base/GameProfile.h"
#include "core/keys/KeyGenerationForm.h"
#include "core/keys/KeyRequestCheck.h"
#include "fuzz/FuzzInput.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto at = [&](std::size_t i) { return i < size ? int(data[i]) : 0; };
    const GameProfile& profile = gameProfile(5 + at(0) % 3);
    const int guaranteed = at(1) % 10;
    const int drawnAmong = at(2) % 10;
    const std::size_t skip = std::min<std::size_t>(size, 3);
    const QString numbers =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + skip, qsizetype(size - skip));
    const KeyGenerationInput input =
        readKeyGenerationInput(profile, numbers, guaranteed, drawnAmong);
    if (!input.ok()) {
        FUZZ_CHECK(!input.problem.isEmpty());
        return 0;
    }
    // Accepted: K + 1 to 30 different numbers of the game, ascending, and 2 <= t <= m <= K.
    const KeyNumberLimits limits = keyNumberLimits(profile);
    const KeyRequest& request = input.request;
    FUZZ_CHECK(request.played == int(input.played.size()));
    FUZZ_CHECK(request.played >= limits.fewestPlayed && request.played <= limits.mostPlayed);
    FUZZ_CHECK(request.rowLength == profile.numbersPerRow);
    FUZZ_CHECK(request.guaranteed == guaranteed && request.drawnAmong == drawnAmong);
    FUZZ_CHECK(2 <= guaranteed && guaranteed <= drawnAmong && drawnAmong <= request.rowLength);
    FUZZ_CHECK(std::is_sorted(input.played.begin(), input.played.end()));
    FUZZ_CHECK(std::adjacent_find(input.played.begin(), input.played.end()) == input.played.end());
    FUZZ_CHECK(input.played.front() >= 1 && input.played.back() <= profile.highestNumber);
    return 0;
}
