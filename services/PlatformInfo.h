#pragma once

#include <QString>

// Whether the Qt platform can show windows; false on a machine without a display.
bool displayAvailable();
