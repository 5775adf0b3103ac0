#include "services/QtBusyPointer.h"

#include <QApplication>
#include <QCursor>

QtBusyPointer::~QtBusyPointer() {
    setBusy(false);
}

void QtBusyPointer::setBusy(bool busy) {
    if (busy == busy_ || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}
