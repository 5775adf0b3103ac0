#include "tests/support/ModalDialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr std::chrono::milliseconds pollInterval(5);

void closeIfOpen(const QPointer<QWidget>& window) {
    if (!window || !window->isVisible()) {
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
        dialog->reject();
    } else {
        window->close();
    }
}

} // namespace

void whenModal(std::chrono::milliseconds timeout, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(pollInterval);
    const QDeadlineTimer deadline(timeout);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, action = std::move(action)] {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown == nullptr) {
            if (deadline.hasExpired()) {
                poll->stop();
                poll->deleteLater();
                ADD_FAILURE() << "no modal window was shown";
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        const QPointer<QWidget> window(shown);
        action(shown);
        closeIfOpen(window);
    });
    poll->start();
}

void whenModal(std::function<void(QWidget*)> action) {
    whenModal(std::chrono::seconds(5), std::move(action));
}
