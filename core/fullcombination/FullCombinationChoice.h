#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/fullcombination/FullCombinationTemplate.h"

#include <QFlags>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class FullCombinationReceiver;

// What the full-combination window (Form2) holds: the chosen N (13..20, the option buttons
// "13 szám" .. "20 szám"), the chosen numbers, the template loaded for N and what "Csere" made
// of it. "Csere" converts the template into the chosen numbers, writes the plain-row file and
// hands the entries to the receiver (the combination selection). The window forwards its clicks
// here and shows what changed() names.
class FullCombinationChoice : public QObject {
    Q_OBJECT

public:
    enum class Part {
        Numbers = 0x1,     // the number buttons: chosen, and their captions
        ChosenCount = 0x2, // Label1
        Template = 0x4,    // the loaded template (List1) and its captions
        Converted = 0x8,   // what "Csere" made (List2)
    };
    Q_DECLARE_FLAGS(Parts, Part)

    static constexpr int optionCount = 8; // "13 szám" .. "20 szám"
    static constexpr int smallestSize = 13;

    // Window load: every FIX mark of the receiver is cleared.
    FullCombinationChoice(const GameProfile& profile, Services& services,
                          FullCombinationReceiver& receiver);

    // The option buttons: caption "13 szám" and tooltip " 1716 " (C(N, K), blanks around it).
    static QString optionCaption(int option);
    QString optionTooltip(int option) const;
    int selectedOption() const { return selectedOption_; } // -1: none

    // The number buttons 1..N: chosen, and the caption each shows (empty while chosen, " 7 "
    // after a click took it back, "7" after load and "Töröl").
    int highestNumber() const { return profile_.highestNumber; }
    bool isChosen(int number) const;
    QString numberCaption(int number) const;
    QString chosenCountCaption() const; // Label1: empty after "Töröl"

    // The loaded template (List1) and its captions.
    int fullCombinationSize() const { return fullCombinationSize_; } // 0 before the first load
    const FullCombinationTemplate& loadedTemplate() const { return template_; }
    QString sizeCaption() const;      // Label2: N of the loaded template
    QString slipCountCaption() const; // Label4: combination slips, the base-set slip included
    QString plainRowCaption() const;  // Label6: plain rows
    const QStringList& convertedLines() const { return convertedLines_; } // List2

    // Clicks.
    void toggleChosen(int number);
    // An option button became the selected one (a click then also loads its template).
    void selectOption(int option);
    // "Kombináció választás": loads the template of the selected option from the data folder.
    // A file that cannot be read leaves the loaded template as it was (N changes all the same).
    void loadTemplate();
    // "Töröl": no number chosen; the loaded template stays, so a "Csere" still converts it.
    void clearChosen();
    // "Csere": true when the full combination was handed over and the window hides; false
    // after a refusal (its message shown), with the receiver and the plain-row file unchanged.
    bool convert();
    // "Kilép": the chosen numbers are forgotten.
    void leave();

signals:
    void changed(FullCombinationChoice::Parts parts);

private:
    void setChosen(int number, bool chosen, const QString& caption);
    bool convertAndHandOver();
    std::optional<QString> conversionProblem() const;
    QString plainRowPath() const;
    bool writePlainRows(const QStringList& lines) const;

    const GameProfile& profile_;
    Services services_;
    FullCombinationReceiver& receiver_;
    int selectedOption_ = -1;
    int fullCombinationSize_ = 0;
    std::vector<bool> chosenMarks_;        // 0..N; index 0 unused
    std::vector<QString> captions_;        // 0..N
    std::optional<long long> chosenCount_; // nothing: the caption is empty
    FullCombinationTemplate template_;
    int loadedSize_ = 0; // N of the loaded template, 0 before the first
    QStringList convertedLines_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(FullCombinationChoice::Parts)
