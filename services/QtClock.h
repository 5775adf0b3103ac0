#pragma once

#include "core/base/Services.h"

// Today's date from the system clock, local time.
class QtClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};
