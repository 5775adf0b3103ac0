#pragma once

#include "forms/ControlDesign.h"

#include <QSize>
#include <QString>

// The design of the full-combination window (Form2) for one game, in twips.
struct FullCombinationDesign {
    QString title;
    QSize clientTwips;

    ControlDesign sizeOptions[8]; // Option1(0..7) "13 szám" .. "20 szám"
    ControlDesign gridTemplate;   // Command3D5(0): the hidden element of the number grid
    int buttonsPerGridRow = 7;
    static constexpr int gridPitch = 360; // twips between number buttons

    ControlDesign templateList;     // List1: the loaded template
    ControlDesign convertedList;    // List2: the converted lines
    ControlDesign slipCountCaption; // Label3 "Kombinációs szelvény :"
    ControlDesign slipCount;        // Label4
    ControlDesign plainRowCaption;  // Label5 "Sima sor :"
    ControlDesign plainRowCount;    // Label6
    ControlDesign size;             // Label2: N of the loaded template
    ControlDesign chosenCount;      // Label1: numbers chosen
    ControlDesign loadButton;       // SSCommand1 "Kombináció választás"
    ControlDesign clearButton;      // SSCommand2 "Töröl"
    ControlDesign convertButton;    // SSCommand3 "Csere"
    ControlDesign exitButton;       // Command3D2 "Kilép"
};

// Design of the window for game 5, 6 or 7 (any other value gives the 6-number game).
const FullCombinationDesign& fullCombinationDesign(int game);
