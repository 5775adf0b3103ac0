#include "core/models/KeyPrinterModel.h"

#include "core/keys/FieldsPerSlip.h"
#include "core/present/PreviewForm.h"
#include "core/print/PrintSurface.h"
#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"

KeyPrinterModel::KeyPrinterModel(const GameProfile& profile, const WindowServices& services)
    : profile_(profile), services_(services), chooser_(profile_, PrinterFamily::Key, services_),
      presenter_(services_, services.printer, services.preview, *this) {}

const KeyRowMasks& KeyPrinterModel::rowMasks() {
    if (masksStale_) {
        masks_.prepare(rows_, profile_.numbersPerRow, profile_.highestNumber);
        masksStale_ = false;
    }
    return masks_;
}

void KeyPrinterModel::setControls(const KeyRunControls& controls) {
    controls_ = controls;
    controls_.rows = rows_;
}

void KeyPrinterModel::setOffsets(const QString& offsetDown, const QString& offsetRight) {
    controls_.offsetDown = offsetDown;
    controls_.offsetRight = offsetRight;
    emit changed(Part::Controls);
}

KeyPrinterSettings KeyPrinterModel::settings() const {
    return KeyPrinterSettings{controls_.offsetDown, controls_.offsetRight, controls_.rowsPerColumn,
                              controls_.markIndex, controls_.orientationIndex};
}

// Asked at each use: the program folder is the services' to say.
SettingsLocation KeyPrinterModel::settingsFile() const {
    return settingsLocation(services_.program, PrinterFamily::Key, profile_.game);
}

void KeyPrinterModel::loadSettings() {
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(settingsFile().readPath, settings());
    controls_.offsetDown = loaded.offsetDown;
    controls_.offsetRight = loaded.offsetRight;
    controls_.rowsPerColumn = loaded.rowsPerColumn;
    controls_.markIndex = loaded.markIndex;
    controls_.orientationIndex = loaded.orientationIndex;
    emit changed(Part::Controls);
}

bool KeyPrinterModel::saveSettings() {
    return saveKeyPrinterSettings(settingsFile().savePath, settings());
}

void KeyPrinterModel::chooseKey() {
    chooser_.choose(*this);
}

void KeyPrinterModel::loadRows(const QStringList& rows) {
    chooser_.load(*this, rows);
}

void KeyPrinterModel::selectRow(int index) {
    if (const std::optional<QString> caption = selectedRowCaption(index, controls_.fieldsPerSlip)) {
        captions_.selectedRow = *caption;
        emit changed(Part::Captions);
    }
}

void KeyPrinterModel::fieldsPerSlipLeft() {
    const FieldsPerSlip fields =
        checkFieldsPerSlip(controls_.fieldsPerSlip, keySlip(profile_.game).maxFieldsPerSlip);
    if (fields.correctedText) {
        controls_.fieldsPerSlip = *fields.correctedText;
    }
    captions_.slipCount = slipCountCaption(rows_.size(), fields.value);
    emit changed(Part::Controls | Part::Captions);
}

std::optional<KeySlipJob> KeyPrinterModel::checkSlipRun(SlipRun run) const {
    return run == SlipRun::FromTo ? checkFromToRun(profile_, controls_, services_.messageBox)
                                  : checkAllRowsRun(profile_, controls_, services_.messageBox);
}

void KeyPrinterModel::correctFieldsPerSlip(const KeySlipJob& job) {
    if (job.correctedFieldsPerSlip) {
        setFieldsPerSlipText(*job.correctedFieldsPerSlip);
    }
}

PrintRunResult KeyPrinterModel::printSlips(const KeySlipJob& job, PrintSurface& surface,
                                           bool preview) const {
    PrintRunResult result;
    result.add(printKeySlips(
        profile_, controls_, job,
        SlipRunServices{services_.messageBox, services_.busyPointer, surface, !preview}));
    return result;
}

// A slip run: its checks, the corrected fields per slip written into Text6 before anything is
// printed, then the job.
void KeyPrinterModel::printSlips(SlipRun run) {
    const std::optional<KeySlipJob> job = checkSlipRun(run);
    if (!job) {
        return;
    }
    correctFieldsPerSlip(*job);
    presenter_.print([this, &job](PrintSurface& surface,
                                  bool preview) { return printSlips(*job, surface, preview); },
                     {PrintedWork::Slips});
}

// The same run into a recording for the preview (where the blank slip of "Lapdobással indul !"
// is a blank page, without the notice); Text6 is corrected only when the preview prints.
void KeyPrinterModel::previewSlips(SlipRun run) {
    const std::optional<KeySlipJob> job = checkSlipRun(run);
    if (!job) {
        return;
    }
    presenter_.preview([this, &job](PrintSurface& surface,
                                    bool preview) { return printSlips(*job, surface, preview); },
                       [this] {
                           return PreviewForm{PreviewForm::Kind::KeySlip, profile_.game,
                                              keyRunOrigin(profile_, controls_),
                                              markSymbolForOption(controls_.markIndex)};
                       },
                       {PrintedWork::Slips}, [this, &job] { correctFieldsPerSlip(*job); });
}

PrintRunResult KeyPrinterModel::printListing(PrintSurface& surface) const {
    const KeyListingControls listing{rows_, controls_.rowsPerColumn, controls_.twoSided, keyPath()};
    PrintRunResult result;
    if (const std::optional<PrintJobOutcome> outcome =
            printKeyListing(profile_, listing,
                            KeyListingServices{services_.messageBox, services_.inputBox,
                                               services_.busyPointer, services_.clock, surface})) {
        result.add(*outcome);
    }
    return result;
}

void KeyPrinterModel::printListing() {
    presenter_.print([this](PrintSurface& surface, bool) { return printListing(surface); },
                     {PrintedWork::Listing});
}

void KeyPrinterModel::previewListing() {
    presenter_.preview([this](PrintSurface& surface, bool) { return printListing(surface); },
                       [] { return PreviewForm{}; }, {PrintedWork::Listing});
}

// ---- what choosing a key sets ----

void KeyPrinterModel::setRows(const QStringList& rows) {
    rows_ = rows;
    controls_.rows = rows_;
    masksStale_ = true;
    emit changed(Part::Rows);
}

void KeyPrinterModel::clearSelectedRowCaption() {
    captions_.selectedRow.clear();
    emit changed(Part::Captions);
}

void KeyPrinterModel::setRowCountCaption(const QString& text) {
    captions_.rowCount = text;
    emit changed(Part::Captions);
}

void KeyPrinterModel::setWidthCaption(const QString& text) {
    captions_.width = text;
    emit changed(Part::Captions);
}

QString KeyPrinterModel::fieldsPerSlipText() const {
    return controls_.fieldsPerSlip;
}

void KeyPrinterModel::setFieldsPerSlipText(const QString& text) {
    controls_.fieldsPerSlip = text;
    emit changed(Part::Controls);
}

void KeyPrinterModel::setSlipCountCaption(const QString& text) {
    captions_.slipCount = text;
    emit changed(Part::Captions);
}

// A job written as a PDF names its file; a job on a printer takes it away again.
void KeyPrinterModel::showPrintedFile(const QString& file) {
    printedFile_ = file;
    emit changed(Part::PrintedFile);
}
