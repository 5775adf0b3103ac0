#include "services/QtScreenInfo.h"

#include <QGuiApplication>
#include <QScreen>

QSize QtScreenInfo::screenSize() const {
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? screen->size() : QSize(1024, 768);
}
