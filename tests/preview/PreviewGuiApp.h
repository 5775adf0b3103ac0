#pragma once

#include "GuiApp.h"

#include <QCoreApplication>
#include <QInputDevice>

// The test program's QApplication is a function-local static, destroyed after main. Qt's list
// of input devices is a global static too: made after the application (when a shown window gets
// its first enter event), it is destroyed first, and the application's pointing device then
// crashes the exit. Making the list before the application keeps the order right.
inline void ensurePreviewGuiApp() {
    if (!QCoreApplication::instance()) {
        QInputDevice::devices();
    }
    ensureGuiApp();
}
