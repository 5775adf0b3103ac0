#pragma once

#include "core/base/Services.h"

#include <QPointer>
#include <QWidget>

// Modal one-line input box on QInputDialog; Cancel gives an empty text.
class QtInputBox : public InputBoxService {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    QString ask(const QString& prompt, const QString& title, const QString& preset) override;

private:
    QPointer<QWidget> parent_;
};
