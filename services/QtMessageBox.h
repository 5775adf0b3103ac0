#pragma once

#include "core/base/Services.h"

#include <QPointer>
#include <QWidget>

// Modal message boxes on QMessageBox, over the main window once it is known.
class QtMessageBox : public MessageBoxService {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    Result show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;

private:
    QPointer<QWidget> parent_;
};
