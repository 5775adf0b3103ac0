#include "WindowPlacement.h"

#include <QSize>
#include <QWidget>

void centreOnScreen(QWidget& window, const QSize& screen) {
    window.winId(); // the platform window, and with it the frame's size
    const QSize outer = window.frameGeometry().size();
    // A top-level window's position is that of its frame's top-left corner.
    window.move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}
