#pragma once

#include "core/base/Services.h"

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
