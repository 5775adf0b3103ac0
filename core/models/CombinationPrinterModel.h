#pragma once

#include "core/base/GameProfile.h"
#include "core/combination/CombinationRuns.h"
#include "core/combination/CombinationSelection.h"
#include "core/files/SettingsFile.h"
#include "core/keys/KeyChooser.h"
#include "core/present/PrintPresenter.h"
#include "core/present/WindowServices.h"

#include <QFlags>
#include <QObject>
#include <QString>

// What stands behind the combination printer's main window: the combination selection (the FIX
// grid, List1, the systems, List2 and the counters), the print runs with the mark symbol they
// keep, the key choice, the values of the window's own controls (offsets, from-to rows, eject,
// mark, Joker), the settings file and the print flow of its buttons. The window hands each
// change of a control to setControls() and each click to an operation here or of the selection,
// and shows what changed() names.
class CombinationPrinterModel : public QObject, private PrintStatusView {
    Q_OBJECT

public:
    // What a change touched; the first five are the selection's own parts.
    enum class Part {
        Numbers = int(SelectionPart::Numbers),
        Rows = int(SelectionPart::Rows),
        Entries = int(SelectionPart::Entries),
        System = int(SelectionPart::System),
        Counters = int(SelectionPart::Counters),
        Controls = 0x20,    // the controls' values (the settings were read)
        PrintedFile = 0x40, // where the last run went: a PDF file, or nothing for a printer
    };
    Q_DECLARE_FLAGS(Parts, Part)

    enum class Run { AllRows, FromTo, FullCombination };

    CombinationPrinterModel(const GameProfile& profile, const WindowServices& services);

    const GameProfile& profile() const { return profile_; }
    const Services& services() const { return services_; }
    CombinationSelection& selection() { return selection_; }
    const CombinationSelection& selection() const { return selection_; }
    const CombinationRunControls& controls() const { return controls_; }
    // The PDF file the last run was written to; empty after a run on a printer.
    const QString& printedFile() const { return printedFile_; }
    // The print flow, for the dialogs that print (the result check).
    PrintPresenter& presenter() { return presenter_; }

    // The window's controls as they stand now; the window shows them already.
    void setControls(const CombinationRunControls& controls) { controls_ = controls; }
    // New offsets (Text1 down, Text2 right), shown by the window.
    void setOffsets(const QString& offsetDown, const QString& offsetRight);

    // Start-up: the settings file read into the controls.
    void loadSettings();
    // "Beállítás mentése": the offsets and the mark into the settings file; a failure is told.
    // Says whether the file was written.
    bool saveSettings();
    // "Kulcs választás".
    void chooseKey();
    // "7-s kombinációk" before the full-combination window opens: the selection cleared (List1
    // too when alsoRows, Check2) and List1 emptied.
    void startFullCombination(bool alsoRows);
    // The help shown after the full-combination window was left other than through "Kilép".
    void showFullCombinationHelp();

    // A print button, and its "Előnézet…": the run into a recording shown first. The preview's
    // run goes through a copy of the selection and of the runs, so the window changes only when
    // the preview's "Nyomtatás" prints the recording, and then exactly as the button's run would.
    void print(Run run);
    void preview(Run run);

signals:
    void changed(CombinationPrinterModel::Parts parts);

private:
    PrintRunResult runOn(Run run, CombinationSelection& selection, CombinationRuns& runs,
                         PrintSurface& surface, bool showEjectNotice) const;
    PrintPresenter::Work work(Run run) const;
    SettingsLocation settingsFile() const;
    void showPrintedFile(const QString& file) override;

    const GameProfile& profile_;
    Services services_;
    CombinationSelection selection_;
    CombinationRuns runs_;
    KeyChooser keyChooser_;
    PrintPresenter presenter_;
    CombinationRunControls controls_;
    QString printedFile_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CombinationPrinterModel::Parts)
