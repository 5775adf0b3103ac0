#pragma once

#include "forms/ControlDesign.h"

#include <QList>
#include <QPoint>
#include <QString>

// The design of the combination printer's main window (Form1) for one game: its title and every
// control with its name, caption and place in twips. The members say what a control is for;
// the legacy control name is its Qt object name. Controls inside a frame are placed relative
// to the frame.
struct CombinationPrinterDesign {
    QString title;

    ControlDesign gridFrame;                 // Shape1: the box around the number grid
    ControlDesign heading;                   // Label2
    ControlDesign offsetDownCaption;         // Label1(0)
    ControlDesign offsetDown;                // Text1
    ControlDesign offsetRightCaption;        // Label1(1)
    ControlDesign offsetRight;               // Text2
    ControlDesign saveButton;                // Command3D3 "Beállítás mentése"
    ControlDesign markFrame;                 // Frame1
    ControlDesign markOptions[3];            // Option2(0..2) "x", "*", "•"
    ControlDesign jokerFrame;                // Frame2
    ControlDesign jokerCaption;              // Label6 "JOKER :"
    ControlDesign jokerOptions[2];           // Option1(0) "Igen", Option1(1) "Nem"
    ControlDesign ejectCaption;              // Label10 "Lapdobással indul !"
    ControlDesign ejectFirst;                // Check1
    ControlDesign systemCombinationsCaption; // Label14 "Kombináció összesen"
    ControlDesign fixCountCaption;           // Label16 "Fix számok db."
    ControlDesign combinationCountCaption;   // Label9 "Kombinált számok db."
    ControlDesign systemCombinations;        // Label12
    ControlDesign fixCount;                  // Label15
    ControlDesign combinationCount;          // Label8
    ControlDesign checkedTotal;              // Label17
    ControlDesign checkButton;               // Command3 "Ellenőr"
    ControlDesign expectedTotal;             // Label5
    ControlDesign deleteEntryButton;         // SSCommand2 "Kijelölt sor törlése" (above List2)
    ControlDesign entryList;                 // List2: the full-combination entries
    ControlDesign fullCombinationButton;     // SSCommand1 "7-s kombinációk"
    ControlDesign printFullButton;           // SSCommand4 "T. kombi nyomtatása"
    ControlDesign addRowButton;              // Command1 "Kombinációs számok"
    ControlDesign clearButton;               // Command2 "Töröl"
    ControlDesign clearRowsToo;              // Check2
    ControlDesign rowList;                   // List1: the combination rows
    ControlDesign deleteRowButton;           // SSCommand3 "Kijelölt sor törlése" (below List1)
    ControlDesign firstRowCaption;           // Label11 "Tól:"
    ControlDesign firstRow;                  // Text3
    ControlDesign lastRowCaption;            // Label13 "Ig:"
    ControlDesign lastRow;                   // Text4
    ControlDesign selectedRow;               // Label7
    ControlDesign fromToButton;              // Command3D9 "Tól-ig: nyomtatás"
    ControlDesign slipButton;                // Command3D1 "Szelv. kitölt"
    ControlDesign slipCountCaption;          // Label3 "Szelvényszám :"
    ControlDesign slipCount;                 // Label4
    ControlDesign chooseKeyButton;           // Command3D4 "Kulcs választás"
    ControlDesign exitButton;                // Command3D2 "Kilép"
    ControlDesign picture;                   // Picture1
    ControlDesign gridTemplate;              // Command3D5(0): the hidden element of the grid
    ControlDesign systemTemplate;            // Option3(0): the first system button

    int buttonsPerGridRow = 7;
    static constexpr int gridPitch = 360; // twips between number buttons
    static constexpr int systemGap = 100; // twips between system buttons

    // Every control placed on the window itself, in the order the window creates them.
    QList<const ControlDesign*> windowControls() const;
};

// Design of the window for game 5, 6 or 7 (any other value gives the 6-number game).
const CombinationPrinterDesign& combinationPrinterDesign(int game);
