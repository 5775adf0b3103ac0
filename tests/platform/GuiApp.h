#pragma once

// Creates the QApplication the Qt surface and services need, once per test program.
void ensureGuiApp();
