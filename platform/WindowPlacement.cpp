#include "WindowPlacement.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <QWindow>

namespace {

QPoint centredFrame(const QWidget& window, const QSize& screen) {
    const QSize outer = window.frameGeometry().size();
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

// Centres the window again when it is first exposed: by then the window manager has framed it.
class CentreWhenFramed : public QObject {
public:
    CentreWhenFramed(QWidget& window, const QSize& screen)
        : QObject(&window), window_(window), screen_(screen) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle() != nullptr &&
            window_.windowHandle()->isExposed()) {
            const QPoint centred = centredFrame(window_, screen_);
            if (window_.frameGeometry().topLeft() != centred) {
                window_.move(centred);
            }
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    QWidget& window_;
    QSize screen_;
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
