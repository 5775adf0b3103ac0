#include "core/models/CombinationPrinterModel.h"

#include "core/base/Maker.h"
#include "core/present/PreviewForm.h"
#include "core/slip/SlipComposer.h"

namespace {

// The help shown after the full-combination window closed other than through its "Kilép".
const QString helpText =
    QStringLiteral("Amennyiben egyszerre akarja nyomtatni az összes kombinációs szelvényt akkor "
                   "klikkeljen a lila *T. kombi nyomtatás* nyomógombra!") +
    QStringLiteral("\n\n") +
    QStringLiteral("Egyenkénti nyomtatás esetén klikkeljen egymásután a középső lista elemeire, "
                   "(állítsa be az indexet ha szükséges) és klikkeljen a *Szelvény kitölt* "
                   "nyomógombra !") +
    QStringLiteral("\n") +
    QStringLiteral("Sikeres nyomtatás után, célszerű a kijelölt sort törölni.");

} // namespace

CombinationPrinterModel::CombinationPrinterModel(const GameProfile& profile,
                                                 const WindowServices& services)
    : profile_(profile), services_(services), selection_(profile), runs_(profile),
      keyChooser_(profile, PrinterFamily::Combination, services_),
      presenter_(services_, services.printer, services.preview, *this) {
    selection_.setListener([this](SelectionParts parts) { emit changed(Parts(int(parts))); });
}

void CombinationPrinterModel::setOffsets(const QString& offsetDown, const QString& offsetRight) {
    controls_.offsetDown = offsetDown;
    controls_.offsetRight = offsetRight;
    emit changed(Part::Controls);
}

// Asked at each use: the program folder is the services' to say.
SettingsLocation CombinationPrinterModel::settingsFile() const {
    return settingsLocation(services_.program, PrinterFamily::Combination, profile_.game);
}

void CombinationPrinterModel::loadSettings() {
    const CombinationPrinterSettings loaded = loadCombinationPrinterSettings(
        settingsFile().readPath,
        {controls_.offsetDown, controls_.offsetRight, controls_.markIndex});
    controls_.offsetDown = loaded.offsetDown;
    controls_.offsetRight = loaded.offsetRight;
    controls_.markIndex = loaded.markIndex;
    emit changed(Part::Controls);
}

bool CombinationPrinterModel::saveSettings() {
    if (saveCombinationPrinterSettings(
            settingsFile().savePath,
            {controls_.offsetDown, controls_.offsetRight, controls_.markIndex})) {
        return true;
    }
    services_.messageBox.error(QStringLiteral("A beállítások mentése nem sikerült: a(z) ") +
                                   settingsFile().fileName +
                                   QStringLiteral(" állomány nem írható ! A beállítások csak a "
                                                  "program futása alatt érvényesek."),
                               Maker::messageTitle);
    return false;
}

void CombinationPrinterModel::chooseKey() {
    keyChooser_.choose(selection_);
}

void CombinationPrinterModel::startFullCombination(bool alsoRows) {
    selection_.clearSelection(alsoRows);
    selection_.clearRows();
}

void CombinationPrinterModel::showFullCombinationHelp() {
    services_.messageBox.notice(helpText, Maker::messageTitle);
}

PrintRunResult CombinationPrinterModel::runOn(Run run, CombinationSelection& selection,
                                              CombinationRuns& runs, PrintSurface& surface,
                                              bool showEjectNotice) const {
    const SlipRunServices services{services_.messageBox, services_.busyPointer, surface,
                                   showEjectNotice};
    switch (run) {
    case Run::FromTo:
        return runs.runFromTo(selection, controls_, services);
    case Run::FullCombination:
        return runs.runFullCombination(selection, controls_, services);
    case Run::AllRows:
        break;
    }
    return runs.runAllRows(selection, controls_, services);
}

PrintPresenter::Work CombinationPrinterModel::work(Run run) const {
    const bool full = run == Run::FullCombination;
    return {full ? PrintedWork::FullCombination : PrintedWork::Slips,
            full ? int(selection_.entries().size()) : 0};
}

void CombinationPrinterModel::print(Run run) {
    presenter_.print([this, run](PrintSurface& surface,
                                 bool) { return runOn(run, selection_, runs_, surface, true); },
                     work(run));
}

// The preview's run (where the blank slip of "Lapdobással indul !" is a blank page, without the
// notice) goes through copies; a run refused by its checks has no job and opens no preview.
void CombinationPrinterModel::preview(Run run) {
    CombinationSelection trial = selection_.detachedCopy();
    CombinationRuns trialRuns = runs_;
    presenter_.preview(
        [&](PrintSurface& surface, bool) { return runOn(run, trial, trialRuns, surface, false); },
        [&] {
            return PreviewForm{PreviewForm::Kind::CombinationSlip, profile_.game,
                               combinationSlipOrigin(controls_.offsetDown, controls_.offsetRight),
                               trialRuns.storedMarkSymbol()};
        },
        work(run),
        [&] {
            selection_.adopt(trial);
            runs_ = trialRuns;
        });
}

// A run written as a PDF names its file; a run on a printer clears it.
void CombinationPrinterModel::showPrintedFile(const QString& file) {
    printedFile_ = file;
    emit changed(Part::PrintedFile);
}
