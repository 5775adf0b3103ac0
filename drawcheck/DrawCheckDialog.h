#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/results/DrawCheckReport.h"
#include "core/results/DrawCheckResult.h"
#include "core/results/DrawEntry.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class PrintPresenter;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What a main window lets the result check look at.
struct DrawCheckSource {
    QString program;      // the executable's name, in the title and the heading
    QString messageTitle; // the title of the program's own messages
    // The combination printers holding a full combination offer it beside the loaded rows
    // (the full combination chosen at first).
    bool offersFullCombination = false;
    // Checks the subject against the draws; a refusal is the message the dialog shows.
    std::function<DrawCheckOutcome(const std::vector<Draw>&, CheckedSubject)> check;
    // What the heading says was checked.
    std::function<QString(CheckedSubject)> subject;
    CheckedSubject defaultSubject = CheckedSubject::Key;
};

// "Találatok – <program>": the draw typed into one box ("Nyerőszámok:"), or two in the 7-number
// game ("Gépi húzás:", "Kézi húzás:"), "Ellenőriz" (or Enter) checks everything the window holds,
// and the result is shown as the winning classes and the winners, best first; "Másolás" copies
// it as tab-separated text, "Nyomtatás" prints it on A4 (its context menu has "Előnézet…"),
// through the window's print flow. Nothing of the window changes.
class DrawCheckDialog : public QDialog {
    Q_OBJECT

public:
    DrawCheckDialog(const GameProfile& profile, const Services& services, PrintPresenter& printing,
                    DrawCheckSource source, QWidget* parent = nullptr);
    ~DrawCheckDialog() override;

    // The report of the last check that was not refused.
    const std::optional<DrawCheckReport>& report() const { return report_; }

    // "Ellenőriz".
    void check();

private:
    void buildDrawBoxes(QVBoxLayout& layout);
    void buildSubjectChoice(QVBoxLayout& layout);
    QWidget* makeButtonRow();
    CheckedSubject chosenSubject() const;
    void showReport();
    void copy();
    void print(bool preview);

    const GameProfile& profile_;
    Services services_;
    PrintPresenter& printing_;
    DrawCheckSource source_;
    std::vector<QLineEdit*> drawBoxes_;
    QButtonGroup* subjectGroup_ = nullptr;
    QVBoxLayout* resultLayout_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    std::optional<DrawCheckReport> report_;
};
