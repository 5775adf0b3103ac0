#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// The design of the key printer's main window: every control with its name, caption and place
// in twips, as laid out for each of the three games.

enum class ControlKind { Label, TextBox, ListBox, Button, OptionButton, CheckBox, Frame, Picture };

struct ControlDesign {
    QString name;   // control name; an element of a control array also has an index
    int index = -1; // index within its control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    QString caption;       // caption or initial text
    QRect twips;           // Left, Top, Width, Height inside the client area (or inside the frame)
    QString frame;         // name of the frame that holds the control, empty for the window
    double fontPoints = 0; // 0: the window font's size
    bool blue = false;
    bool centred = false;
    bool selected = false; // initial state of an option button or check box

    // Qt object name: the control name, and "(<index>)" for an element of a control array
    // ("Option2(1)", "Label1(0)").
    QString objectName() const;
};

struct KeyPrinterDesign {
    QSize clientTwips;
    double windowFontPoints = 8.25;
    QList<ControlDesign> controls;

    // Names of the controls whose name depends on the game.
    QString widthLabel;  // width caption of the key's first row
    QString fieldsLabel; // caption beside Text6

    const ControlDesign* find(const QString& objectName) const;
};

// Design of the window for game 5, 6 or 7 (any other value gives the 6-number game).
KeyPrinterDesign keyPrinterDesign(int game);

// Twips to device-independent pixels: 15 twips a pixel at 96 dots per inch.
int twipsToPixels(int twips);
QRect twipsToPixels(const QRect& twips);
