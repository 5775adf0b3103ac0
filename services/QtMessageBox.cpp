#include "services/QtMessageBox.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon qtIcon(MessageBoxService::Icon icon) {
    switch (icon) {
    case MessageBoxService::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxService::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxService::Icon::Exclamation:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageBoxService::Result QtMessageBox::show(const QString& text, Icon icon, Buttons buttons,
                                             const QString& title) {
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, parent_);
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    return buttons == Buttons::OkCancel && pressed != QMessageBox::Ok ? Result::Cancel : Result::Ok;
}
