#include "core/keys/KeySlipRun.h"

#include "core/base/BusyScope.h"
#include "core/base/NumberText.h"
#include "core/keys/FieldsPerSlip.h"
#include "core/slip/SlipLayout.h"

#include <algorithm>
#include <vector>

namespace {

void showMissingKey(const GameProfile& profile, MessageBoxService& messageBox) {
    messageBox.error(profile.keyMissingMessage, profile.keyTitle);
}

KeySlipJob makeJob(const GameProfile& profile, const KeyRunControls& controls, int first, int last,
                   KeyRunMode mode) {
    const int maximum = keySlip(profile.game).maxFieldsPerSlip;
    const FieldsPerSlip fields = checkFieldsPerSlip(controls.fieldsPerSlip, maximum);
    return {first, last, mode, slipRunFieldsPerSlip(profile, controls.fieldsPerSlip),
            fields.correctedText};
}

int rowCount(const KeyRunControls& controls) {
    return int(std::min<qsizetype>(controls.rows.size(), 1 << 30));
}

bool landscape(const KeyRunControls& controls) {
    return controls.orientationIndex != 0;
}

void composeRows(PrintSurface& printer, const GameProfile& profile, const KeyRunControls& controls,
                 const KeySlipJob& job, SlipOrigin origin) {
    std::vector<KeyRow> rows;
    rows.reserve(std::size_t(std::max(0, job.last - job.first + 1)));
    for (int s = job.first; s <= job.last; ++s) {
        rows.push_back({s, controls.rows[s]});
    }
    const MarkStyle style{markSymbolForOption(controls.markIndex), controls.jokerIndex == 0};
    composeKeySlips(printer, keySlip(profile.game), profile.numbersPerRow, profile.highestNumber,
                    rows, job.fieldsPerSlip, job.mode, style, origin);
}

} // namespace

int slipRunFieldsPerSlip(const GameProfile& profile, const QString& fieldsPerSlip) {
    const int maximum = keySlip(profile.game).maxFieldsPerSlip;
    return wholeFieldsPerSlip(checkFieldsPerSlip(fieldsPerSlip, maximum), maximum);
}

std::optional<KeySlipJob> checkAllRowsRun(const GameProfile& profile,
                                          const KeyRunControls& controls,
                                          MessageBoxService& messageBox) {
    if (controls.rows.isEmpty()) {
        showMissingKey(profile, messageBox);
        return std::nullopt;
    }
    return makeJob(profile, controls, 0, rowCount(controls) - 1, KeyRunMode::AllRows);
}

std::optional<KeySlipJob> checkFromToRun(const GameProfile& profile, const KeyRunControls& controls,
                                         MessageBoxService& messageBox) {
    const long long first = rowNumber(controls.firstRow);
    long long last = rowNumber(controls.lastRow);
    if (first == 0 || last == 0) {
        return std::nullopt;
    }
    last = std::min<long long>(last, rowCount(controls));
    // A range must start at row 1 or later: a negative start names no row of the key.
    if (first > last || first < 1) {
        return std::nullopt;
    }
    if (controls.rows.isEmpty()) {
        showMissingKey(profile, messageBox);
        return std::nullopt;
    }
    return makeJob(profile, controls, int(first - 1), int(last - 1), KeyRunMode::FromTo);
}

SlipOrigin keyRunOrigin(const GameProfile& profile, const KeyRunControls& controls) {
    return keySlipOrigin(keySlip(profile.game), controls.offsetDown, controls.offsetRight,
                         landscape(controls));
}

PrintJobOutcome printKeySlips(const GameProfile& profile, const KeyRunControls& controls,
                              const KeySlipJob& job, SlipRunServices services) {
    const auto orientation = landscape(controls) ? PrintSurface::Orientation::Landscape
                                                 : PrintSurface::Orientation::Portrait;
    PrintSurface& printer = services.printer;
    if (controls.ejectFirst && services.showEjectNotice) {
        services.messageBox.error(pageEjectNotice, profile.keyTitle);
    }
    BusyScope busy(services.busyPointer);
    SlipOrigin origin;
    if (profile.ejectBeforeSetUp) {
        // The blank slip right after the notice, then orientation, pointer and offsets.
        if (controls.ejectFirst) {
            printer.newPage();
        }
        printer.setOrientation(orientation);
        busy.start();
        origin = keyRunOrigin(profile, controls);
        setUpSlipSurface(printer);
    } else {
        // Pointer, offsets, orientation and set-up first; the blank slip only then.
        busy.start();
        origin = keyRunOrigin(profile, controls);
        printer.setOrientation(orientation);
        setUpSlipSurface(printer);
        if (controls.ejectFirst) {
            printer.newPage();
        }
    }
    composeRows(printer, profile, controls, job, origin);
    PrintJobOutcome outcome = printer.endJob();
    busy.stop();
    return outcome;
}
