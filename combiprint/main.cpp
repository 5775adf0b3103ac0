#include "CombinationPrinterWindow.h"
#include "GameProfile.h"
#include "PlatformInfo.h"
#include "QtServices.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "%s: no display found (set DISPLAY, or run under Xvfb)\n",
                     SLIP_PROGRAM_NAME);
        return 1;
    }
    QApplication app(argc, argv);
    QtServices platform(QStringLiteral(SLIP_PROGRAM_NAME));
    CombinationPrinterWindow window(gameProfile(SLIP_GAME), platform.services());
    platform.setMainWindow(&window);
    if (!window.load()) {
        return 0;
    }
    QObject::connect(&window, &CombinationPrinterWindow::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
