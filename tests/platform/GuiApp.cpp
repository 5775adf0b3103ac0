#include "GuiApp.h"

#include <QApplication>

void ensureGuiApp() {
    if (QCoreApplication::instance()) {
        return;
    }
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}
