#pragma once

#include <QString>

struct GameProfile;

// Title of the combination printer's main window.
QString windowTitle(const GameProfile& profile);
