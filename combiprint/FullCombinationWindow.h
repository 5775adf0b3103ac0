#pragma once

#include "FullCombinationTemplate.h"
#include "GameProfile.h"
#include "Services.h"

#include <QDialog>
#include <QList>

#include <vector>

class FullCombinationReceiver;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// Form2 of a combination printer: the player chooses N (13..20) and N numbers, the window loads
// the template of N and "Csere" converts it into the main window's full-combination entries and
// the plain-row file "simaNN.txt", then hides. "Kilép" leaves it without changing the main window.
class FullCombinationWindow : public QDialog {
    Q_OBJECT
public:
    FullCombinationWindow(const GameProfile& profile, Services services,
                          FullCombinationReceiver& receiver, QWidget* parent = nullptr);

    // Handlers, public so that the main window's tests can drive them like clicks.
    void toggleChosen(int number);
    void loadTemplate();
    void clearChosen();
    void convertTemplate();
    void leave();

    QPushButton* numberButton(int number) const { return numberButtons_.value(number); }
    QRadioButton* sizeOption(int index) const { return sizeOptions_.value(index); }
    int fullCombinationSize() const { return fullCombinationSize_; }

private:
    void buildControls();
    void buildSizeOptions();
    void buildNumberGrid();
    QPushButton* addButton(const QString& name, const QString& caption, int left, int top,
                           int width, int height);
    QLabel* addLabel(const QString& name, const QString& caption, int left, int top, int width);
    void showUnchosen(int number, const QString& caption);
    int selectedOption() const;
    QString optionTotalText(int index) const;
    void showError(const QString& text);
    FullCombinationTemplate loadedTemplate() const;

    const GameProfile& profile_;
    Services services_;
    FullCombinationReceiver& receiver_;

    int fullCombinationSize_ = 0;
    std::vector<bool> chosenMarks_;

    QList<QPushButton*> numberButtons_; // Command3D5(0..N), element 0 the invisible template
    QList<QRadioButton*> sizeOptions_;  // Option1(0..7)
    QButtonGroup* sizeGroup_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label6_ = nullptr;
};
