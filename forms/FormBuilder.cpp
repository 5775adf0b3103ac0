#include "forms/FormBuilder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

FormBuilder::FormBuilder(QWidget* window) : FormBuilder(window, Options{}) {}

FormBuilder::FormBuilder(QWidget* window, Options options) : window_(window), options_(options) {}

QWidget* FormBuilder::parentFor(QWidget* parent) const {
    return parent ? parent : window_;
}

void FormBuilder::apply(QWidget* widget, const ControlDesign& design) const {
    widget->setObjectName(design.objectName());
    if (design.index >= 0) {
        widget->setProperty("controlArray", design.name);
        widget->setProperty("index", design.index);
    }
    if (design.fontPoints > 0) {
        QFont font = widget->font();
        font.setPointSizeF(design.fontPoints);
        widget->setFont(font);
    }
    if (design.textColour.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, design.textColour);
        palette.setColor(QPalette::ButtonText, design.textColour);
        widget->setPalette(palette);
    }
    QRect place = twipsToPixels(design.twips);
    const bool indicator =
        design.kind == ControlKind::OptionButton || design.kind == ControlKind::CheckBox;
    const int needed = widget->sizeHint().height();
    if (options_.growIndicators && indicator && needed > place.height()) {
        const int centre = place.top() + place.height() / 2;
        place.setTop(centre - needed / 2);
        place.setHeight(needed);
    }
    widget->setGeometry(place);
}

ControlDesign FormBuilder::gridElement(const ControlDesign& first, int index, int perRow,
                                       int pitch) {
    const int row = (index - 1) / perRow;
    const int column = index - perRow * row;
    ControlDesign element = first;
    element.index = index;
    element.twips.moveTopLeft(first.twips.topLeft() + QPoint(pitch * column, pitch * row));
    return element;
}

QLabel* FormBuilder::label(const ControlDesign& design, QWidget* parent) const {
    auto* label = new QLabel(design.caption, parentFor(parent));
    label->setAlignment(design.centred ? Qt::AlignHCenter | Qt::AlignTop
                                       : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(design.centred || design.wrapped);
    return place(label, design);
}

QLineEdit* FormBuilder::textBox(const ControlDesign& design, QWidget* parent) const {
    return place(new QLineEdit(design.caption, parentFor(parent)), design);
}

QPushButton* FormBuilder::button(const ControlDesign& design, QWidget* parent) const {
    return place(new QPushButton(design.caption, parentFor(parent)), design);
}

QRadioButton* FormBuilder::option(const ControlDesign& design, QButtonGroup* group,
                                  QWidget* parent) const {
    auto* option = new QRadioButton(design.caption, parentFor(parent));
    if (group) {
        group->addButton(option, design.index);
    }
    option->setChecked(design.selected);
    return place(option, design);
}

QCheckBox* FormBuilder::checkBox(const ControlDesign& design, QWidget* parent) const {
    auto* check = new QCheckBox(design.caption, parentFor(parent));
    check->setChecked(design.selected);
    return place(check, design);
}

QFrame* FormBuilder::frame(const ControlDesign& design, QWidget* parent) const {
    auto* frame = new QFrame(parentFor(parent));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return place(frame, design);
}
