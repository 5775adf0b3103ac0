#include "KeySlipRun.h"

#include "NumberText.h"
#include "SlipComposer.h"
#include "SlipLayout.h"

#include <algorithm>
#include <vector>

namespace {

// Shows the busy pointer from start() on and puts the normal one back when the run leaves,
// whichever way it leaves.
class BusyScope {
public:
    explicit BusyScope(BusyPointer& pointer) : pointer_(pointer) {}
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { stop(); }

    void start() {
        pointer_.setBusy(true);
        busy_ = true;
    }
    void stop() {
        if (busy_) {
            pointer_.setBusy(false);
            busy_ = false;
        }
    }

private:
    BusyPointer& pointer_;
    bool busy_ = false;
};

struct FieldsPerSlip {
    int value;
    std::optional<QString> corrected; // the new Text6 text when it was out of range
};

// Text6 outside 1..maximum is replaced by the maximum. A fractional value inside the range is
// rounded to the nearest whole number (halves to even), as the window's row caption counts it.
FieldsPerSlip checkFieldsPerSlip(const QString& text6, int maximum) {
    const double value = leadingNumber(text6);
    if (value < 1 || value > maximum) {
        return {maximum, QString::number(maximum)};
    }
    return {int(std::clamp<long long>(roundHalfEven(value), 1, maximum)), std::nullopt};
}

void showMissingKey(const GameProfile& profile, KeyRunServices& services) {
    services.messageBox.show(profile.keyMissingMessage, MessageBoxService::Icon::Critical,
                             MessageBoxService::Buttons::Ok, profile.keyTitle);
}

// Steps shared by both runs once the rows to print are known: first..last are 0-based
// positions inside the key.
std::optional<QString> printRows(const GameProfile& profile, const KeyRunControls& controls,
                                 KeyRunServices& services, int first, int last, KeyRunMode mode) {
    const KeySlip& layout = keySlip(profile.game);
    const FieldsPerSlip fields = checkFieldsPerSlip(controls.text6, layout.maxFieldsPerSlip);
    const MarkStyle style{markSymbolForOption(controls.markIndex), controls.jokerIndex == 0};
    const bool landscape = controls.orientationIndex != 0;
    const auto orientation =
        landscape ? PrintSurface::Orientation::Landscape : PrintSurface::Orientation::Portrait;
    PrintSurface& printer = services.printer;

    if (controls.check1) {
        services.messageBox.show(pageEjectNotice, MessageBoxService::Icon::Critical,
                                 MessageBoxService::Buttons::Ok, profile.keyTitle);
    }
    BusyScope busy(services.busyPointer);
    SlipOrigin origin;
    if (profile.game == 6) {
        // keyprint6: the eject right after the notice, then orientation, pointer, offsets.
        if (controls.check1) {
            printer.newPage();
        }
        printer.setOrientation(orientation);
        busy.start();
        origin = keySlipOrigin(layout, controls.text1, controls.text2, landscape);
        setUpSlipSurface(printer);
    } else {
        // keyprint5 and keyprint7: pointer, offsets, orientation and set-up before the eject.
        busy.start();
        origin = keySlipOrigin(layout, controls.text1, controls.text2, landscape);
        printer.setOrientation(orientation);
        setUpSlipSurface(printer);
        if (controls.check1) {
            printer.newPage();
        }
    }

    std::vector<KeyRow> rows;
    rows.reserve(size_t(std::max(0, last - first + 1)));
    for (int s = first; s <= last; ++s) {
        rows.push_back({s, controls.rows[s]});
    }
    composeKeySlips(printer, layout, profile.numbersPerRow, profile.highestNumber, rows,
                    fields.value, mode, style, origin);
    printer.endJob();
    busy.stop();
    return fields.corrected;
}

// A from-to box as a whole row number: rounded, halves to even, saturating on huge values.
long long rowNumberOf(const QString& text) {
    return roundHalfEven(leadingNumber(text));
}

} // namespace

std::optional<QString> runAllRows(const GameProfile& profile, const KeyRunControls& controls,
                                  KeyRunServices services) {
    if (controls.rows.isEmpty()) {
        showMissingKey(profile, services);
        return std::nullopt;
    }
    const int count = int(std::min<qsizetype>(controls.rows.size(), 1 << 30));
    return printRows(profile, controls, services, 0, count - 1, KeyRunMode::AllRows);
}

std::optional<QString> runFromTo(const GameProfile& profile, const KeyRunControls& controls,
                                 KeyRunServices services) {
    const long long first = rowNumberOf(controls.text3);
    long long last = rowNumberOf(controls.text4);
    if (first == 0 || last == 0) {
        return std::nullopt;
    }
    const long long count = std::min<qsizetype>(controls.rows.size(), 1 << 30);
    last = std::min(last, count);
    // A range must start at row 1 or later: a negative start names no row of the key.
    if (first > last || first < 1) {
        return std::nullopt;
    }
    if (controls.rows.isEmpty()) {
        showMissingKey(profile, services);
        return std::nullopt;
    }
    return printRows(profile, controls, services, int(first - 1), int(last - 1),
                     KeyRunMode::FromTo);
}
