#pragma once

#include "core/base/GameProfile.h"
#include "services/PlatformInfo.h"
#include "services/QtServices.h"
#include "services/QtTranslation.h"
#include "services/SlipFaces.h"

#include <QApplication>
#include <QObject>

#include <cstdio>

// The life of one program: Qt's Hungarian texts and the slip faces the system lacks, its
// services, its main window for the game, the load handler (a second instance ends here), then
// events until the window asks to end the program.
template <typename MainWindow>
int runSlipPrinter(int argc, char* argv[], const char* programName, int game) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "%s: no display found (set DISPLAY, or run under Xvfb)\n",
                     programName);
        return 1;
    }
    QApplication app(argc, argv);
    installHungarianQtTexts(app);
    provideMissingFaces(QApplication::applicationDirPath() + QStringLiteral("/fonts"));
    QtServices platform(QString::fromUtf8(programName));
    MainWindow window(gameProfile(game), platform.services());
    platform.setMainWindow(&window);
    if (!window.load()) {
        return 0;
    }
    QObject::connect(&window, &MainWindow::exitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
