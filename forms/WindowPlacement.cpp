#include "forms/WindowPlacement.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

QPoint centredFrame(const QWidget& window, const QSize& screen) {
    const QSize outer = window.frameGeometry().size();
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

// Centres the window once more when the window manager has framed it. The frame is known only
// some time after the window is first exposed (the window manager reparents it and announces
// the frame's extents on its own time), so from then on the frame is looked at a few times, and
// the window is moved once when it has one. A window that gets no frame (no window manager, or
// one without decorations) stands centred already.
class CentreWhenFramed : public QObject {
public:
    CentreWhenFramed(QWidget& window, const QSize& screen)
        : QObject(&window), window_(window), screen_(screen) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle() != nullptr &&
            window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            centreWhenFramed();
        }
        return false;
    }

private:
    static constexpr int looks = 100;
    static constexpr int lookInterval = 50; // milliseconds: five seconds in all

    // The native window's own frame is asked each time: the widget keeps the frame it saw at
    // its last move or resize, and the frame's extents may come without either.
    void centreWhenFramed() {
        QWindow* native = window_.windowHandle();
        const QRect frame = native ? native->frameGeometry() : QRect();
        const QRect client = native ? native->geometry() : QRect();
        const bool framed = frame.contains(client) && frame != client;
        if (framed) {
            const QPoint centred((screen_.width() - frame.width()) / 2,
                                 (screen_.height() - frame.height()) / 2);
            if (frame.topLeft() != centred) {
                native->setFramePosition(centred);
            }
        }
        if (framed || ++looked_ >= looks) {
            deleteLater();
            return;
        }
        QTimer::singleShot(lookInterval, this, [this] { centreWhenFramed(); });
    }

    QWidget& window_;
    QSize screen_;
    int looked_ = 0;
};

} // namespace

void centreOnScreen(QWidget& window, const QSize& screen) {
    window.winId(); // the platform window; its frame where the platform knows it before mapping
    // A top-level window's position is that of its frame's top-left corner.
    window.move(centredFrame(window, screen));
    if (QWindow* native = window.windowHandle()) {
        native->installEventFilter(new CentreWhenFramed(window, screen));
    }
}
