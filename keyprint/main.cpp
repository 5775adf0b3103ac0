#include "GameProfile.h"
#include "PlatformInfo.h"
#include "Titles.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "%s: no display found (set DISPLAY, or run under Xvfb)\n",
                     SLIP_PROGRAM_NAME);
        return 1;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(windowTitle(gameProfile(SLIP_GAME)));
    window.show();
    return app.exec();
}
