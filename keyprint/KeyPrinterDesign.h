#pragma once

#include "forms/ControlDesign.h"

#include <QList>
#include <QSize>
#include <QString>

// The design of the key printer's main window (Form1) for one game: its title, client area and
// every control with its name, caption and place in twips. The members say what a control is
// for; the legacy control name is its Qt object name.
struct KeyPrinterDesign {
    QString title;
    QSize clientTwips;
    double windowFontPoints = 8.25;

    ControlDesign heading;               // Label2 "A nyomtatás pozicionálása"
    ControlDesign offsetDownCaption;     // Label1(0)
    ControlDesign offsetDown;            // Text1
    ControlDesign offsetRightCaption;    // Label1(1)
    ControlDesign offsetRight;           // Text2
    ControlDesign rowsPerColumnCaption;  // Label9 (keyprint7: Label8)
    ControlDesign rowsPerColumn;         // Text5
    ControlDesign fieldsPerSlipCaption;  // Label12 (keyprint7: Label10)
    ControlDesign fieldsPerSlip;         // Text6
    ControlDesign rowList;               // List1
    ControlDesign firstRowCaption;       // Label11 "Tól:"
    ControlDesign firstRow;              // Text3
    ControlDesign lastRowCaption;        // Label13 "Ig:"
    ControlDesign lastRow;               // Text4
    ControlDesign fromToButton;          // Command3D9
    ControlDesign jokerCaption;          // Label6 (keyprint7: Label12) "JOKER :"
    ControlDesign jokerOptions[2];       // Option1(0) "Igen", Option1(1) "Nem"
    ControlDesign saveButton;            // Command3D3 "Beállítás mentése"
    ControlDesign markFrame;             // Frame1
    ControlDesign markOptions[3];        // Option2(0..2) "x", "*", "•"
    ControlDesign ejectCaption;          // Label10 (keyprint7: Label9) "Lapdobással indul !"
    ControlDesign ejectFirst;            // Check1
    ControlDesign orientationFrame;      // Frame4
    ControlDesign orientationOptions[2]; // Option4(0) "álló", Option4(1) "fekvő"
    ControlDesign listingButton;         // Command3D5 "A4-s lapra nyomtat"
    ControlDesign twoSided;              // Check3 "Kétoldalas nyomtatás" (keyprint7 only)
    ControlDesign slipButton;            // Command3D1 "Szelv. kitölt"
    ControlDesign chooseKeyButton;       // Command3D4 "Kulcs választás"
    ControlDesign slipCountCaption;      // Label3(0) "Szelvényszám :"
    ControlDesign slipCount;             // Label4
    ControlDesign widthCaption;          // Label8 (keyprint7: Label6): the first row's width
    ControlDesign selectedRow;           // Label7: the clicked row and its slip
    ControlDesign picture;               // Picture1
    ControlDesign rowCount;              // Label5
    ControlDesign exitButton;            // Command3D2 "Kilép"

    bool hasTwoSided() const { return !twoSided.name.isEmpty(); }
    // Every control in the order the window creates them (Check3 only where it exists).
    QList<const ControlDesign*> controls() const;
};

// Design of the window for game 5, 6 or 7 (any other value gives the 6-number game).
const KeyPrinterDesign& keyPrinterDesign(int game);
