#pragma once

#include "forms/ControlDesign.h"

#include <QFont>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Creates the controls of a window from their designs: object name, place (twips to pixels),
// caption, font size and text colour. An element of a control array also carries the
// properties "controlArray" (its name) and "index". Each window gives the kinds their own look
// afterwards.
class FormBuilder {
public:
    struct Options {
        // Option buttons and check boxes get at least the height their indicator needs, centred
        // on the designed place, so the indicator is never cut off.
        bool growIndicators = false;
    };

    explicit FormBuilder(QWidget* window);
    FormBuilder(QWidget* window, Options options);

    QLabel* label(const ControlDesign& design, QWidget* parent = nullptr) const;
    QLineEdit* textBox(const ControlDesign& design, QWidget* parent = nullptr) const;
    QPushButton* button(const ControlDesign& design, QWidget* parent = nullptr) const;
    QRadioButton* option(const ControlDesign& design, QButtonGroup* group,
                         QWidget* parent = nullptr) const;
    QCheckBox* checkBox(const ControlDesign& design, QWidget* parent = nullptr) const;
    QFrame* frame(const ControlDesign& design, QWidget* parent = nullptr) const;

    // Element `index` of a control array laid out as a grid from its element 0: `perRow`
    // elements a row, `pitch` twips apart, the first one pitch right of element 0 (index 1 in
    // column 1), as the number buttons stand.
    static ControlDesign gridElement(const ControlDesign& first, int index, int perRow, int pitch);

    // Names, places and styles a control made elsewhere.
    template <typename Widget> Widget* place(Widget* widget, const ControlDesign& design) const {
        apply(widget, design);
        return widget;
    }

private:
    void apply(QWidget* widget, const ControlDesign& design) const;
    QWidget* parentFor(QWidget* parent) const;

    QWidget* window_;
    Options options_;
};
