#include "services/PlatformInfo.h"

#include <QtGlobal>

bool displayAvailable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) {
        return true;
    }
#if defined(Q_OS_LINUX)
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
#else
    return true;
#endif
}
