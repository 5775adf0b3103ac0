#pragma once

#include "core/alignment/AlignmentReading.h"

#include <QDialog>

#include <array>

class AlignmentTarget;
class QLabel;
class QLineEdit;
class QPushButton;

// "Igazítás – <program>": prints the test sheet ("Próbalap nyomtatása", with "Előnézet…" on its
// context menu) through the window's print flow, takes the four readings, shows the offsets they
// lead to with any scale or skew they reveal, and "Alkalmaz" sets them in the window and saves
// the settings; "Mégse" changes nothing.
class AlignmentDialog : public QDialog {
    Q_OBJECT

public:
    AlignmentDialog(AlignmentTarget& target, QWidget* parent = nullptr);

    // "Alkalmaz": refused input is told, naming its box; otherwise the offsets are applied and
    // saved and the dialog closes.
    void apply();

private:
    void buildControls();
    AlignmentResult reading() const;
    void showReading();
    void printSheet(bool preview);

    AlignmentTarget& target_;
    std::array<QLineEdit*, 4> boxes_{}; // in the order of ReadingBox
    QLabel* resultLabel_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
