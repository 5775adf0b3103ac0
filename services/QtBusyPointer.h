#pragma once

#include "core/base/Services.h"

// Busy pointer over the application's windows through Qt's override cursor. Repeated calls
// with the same state change nothing, so the override stack stays balanced.
class QtBusyPointer : public BusyPointer {
public:
    ~QtBusyPointer() override;
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};
