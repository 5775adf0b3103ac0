#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// One control of a window as it is designed: its name (the Qt object name), kind, caption and
// place in twips (left, top, width, height) inside its parent, the window or a frame. Every
// window of the programs is built from such entries, so a control keeps its name and place.
enum class ControlKind { Label, TextBox, ListBox, Button, OptionButton, CheckBox, Frame, Picture };

struct ControlDesign {
    QString name;   // "Text6", "Option2"
    int index = -1; // element of a control array; -1 for a single control
    ControlKind kind = ControlKind::Label;
    QString caption;       // caption or initial text
    QRect twips;           // inside the parent
    QString frame;         // the frame that holds the control; empty for the window
    double fontPoints = 0; // 0: the window's font
    QColor textColour;     // invalid: the default colour
    bool centred = false;  // labels: centred and wrapped
    bool wrapped = false;  // labels: wrapped onto several lines
    bool selected = false; // option buttons and check boxes: initially selected

    // The Qt object name: the name, and "(<index>)" for an element of a control array
    // ("Option2(1)").
    QString objectName() const;
};

// A designed control: its name, kind, caption and place in twips; an element of a control array
// when index is 0 or more.
ControlDesign control(const QString& name, ControlKind kind, const QString& caption, QRect twips,
                      int index = -1);

// Twips (1/1440 inch) to device-independent pixels at 96 dots per inch: 15 twips a pixel,
// rounded to the nearest pixel, halves away from zero.
int twipsToPixels(int twips);
QRect twipsToPixels(const QRect& twips);
