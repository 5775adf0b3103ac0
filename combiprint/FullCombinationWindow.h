#pragma once

#include "combiprint/FullCombinationDesign.h"
#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/fullcombination/FullCombinationChoice.h"

#include <QDialog>
#include <QList>

class FullCombinationReceiver;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// Form2 of a combination printer: the player chooses N (13..20) and N numbers, the window loads
// the template of N and "Csere" converts it into the selection's full-combination entries and
// the plain-row file "simaNN.txt", then hides. The state and its rules live in a
// FullCombinationChoice; this window shows it and forwards the clicks.
class FullCombinationWindow : public QDialog {
    Q_OBJECT
public:
    // How the window ended, as exec() returns it: Accepted after "Csere", Rejected when closed
    // by its frame, LeftThroughExit after "Kilép".
    enum Result { LeftThroughExit = QDialog::Accepted + 1 };

    FullCombinationWindow(const GameProfile& profile, Services services,
                          FullCombinationReceiver& receiver, QWidget* parent = nullptr);

    const FullCombinationChoice& choice() const { return choice_; }
    QPushButton* numberButton(int number) const { return numberButtons_.value(number); }
    QRadioButton* sizeOption(int index) const { return sizeOptions_.value(index); }

private:
    void buildControls();
    void buildSizeOptions();
    void buildNumberGrid();
    void connectHandlers();

    void convert();
    void leave();

    // What the choice says changed.
    void showChanges(FullCombinationChoice::Parts parts);
    void showNumbers();
    void showTemplate();

    const FullCombinationDesign& design_;
    Services services_;
    FullCombinationChoice choice_;

    QList<QPushButton*> numberButtons_; // Command3D5(0..N), element 0 the invisible template
    QList<bool> chosenShown_;           // index n: button n shows the picture
    QList<QRadioButton*> sizeOptions_;  // Option1(0..7)
    QButtonGroup* sizeGroup_ = nullptr;
    QListWidget* templateList_ = nullptr;  // List1
    QListWidget* convertedList_ = nullptr; // List2
    QLabel* chosenCountLabel_ = nullptr;   // Label1
    QLabel* sizeLabel_ = nullptr;          // Label2
    QLabel* slipCountLabel_ = nullptr;     // Label4
    QLabel* plainRowLabel_ = nullptr;      // Label6
    QPushButton* loadButton_ = nullptr;    // SSCommand1
    QPushButton* clearButton_ = nullptr;   // SSCommand2
    QPushButton* convertButton_ = nullptr; // SSCommand3
    QPushButton* exitButton_ = nullptr;    // Command3D2
};
