#pragma once

#include "core/base/Services.h"

// Size of the primary screen; 1024 x 768 when there is none.
class QtScreenInfo : public ScreenInfo {
public:
    QSize screenSize() const override;
};
