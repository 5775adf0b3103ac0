#pragma once

#include <QString>

struct GameProfile;

// Title of the key printer's main window.
QString windowTitle(const GameProfile& profile);
