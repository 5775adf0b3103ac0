#include "forms/ButtonStrip.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

constexpr int margin = 6;
constexpr int buttonHeight = 26;

} // namespace

ButtonStrip::ButtonStrip(QWidget& window, int top, int width) : QWidget(&window) {
    setObjectName(QStringLiteral("ButtonStrip"));
    setGeometry(0, top, width, buttonHeight + 2 * margin);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(margin, margin, margin, margin);
    row->setSpacing(margin);
    row->addStretch();
}

QPushButton* ButtonStrip::addButton(const QString& objectName, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setFixedHeight(buttonHeight);
    button->setMinimumWidth(button->sizeHint().width() + 2 * margin);
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(row->count() - 1, button);
    return button;
}
