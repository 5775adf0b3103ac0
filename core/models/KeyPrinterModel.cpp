#include "core/models/KeyPrinterModel.h"

#include "core/print/PrintSurface.h"
#include "core/slip/SlipComposer.h"

KeyPrinterModel::KeyPrinterModel(const GameProfile& profile, const Services& services)
    : profile_(profile), services_(services), chooser_(profile_, PrinterFamily::Key, services_) {}

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

void KeyPrinterModel::chooseKey() {
    chooser_.choose(*this);
}

void KeyPrinterModel::loadRows(const QStringList& rows) {
    chooser_.load(*this, rows);
}

std::optional<KeySlipJob> KeyPrinterModel::checkSlipRun(SlipRun run) const {
    return run == SlipRun::FromTo ? checkFromToRun(profile_, controls_, services_.messageBox)
                                  : checkAllRowsRun(profile_, controls_, services_.messageBox);
}

void KeyPrinterModel::correctFieldsPerSlip(const KeySlipJob& job) {
    if (job.correctedFieldsPerSlip) {
        controls_.fieldsPerSlip = *job.correctedFieldsPerSlip;
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

PreviewForm KeyPrinterModel::slipPreviewForm() const {
    return PreviewForm{PreviewForm::Kind::KeySlip, profile_.game, keyRunOrigin(profile_, controls_),
                       markSymbolForOption(controls_.markIndex)};
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

KeyPrinterSettings KeyPrinterModel::settings() const {
    return KeyPrinterSettings{controls_.offsetDown, controls_.offsetRight, controls_.rowsPerColumn,
                              controls_.markIndex, controls_.orientationIndex};
}

KeyPrinterSettings KeyPrinterModel::loadSettings(const QString& path) const {
    return loadKeyPrinterSettings(path, settings());
}

// ---- what choosing a key sets ----

void KeyPrinterModel::setRows(const QStringList& rows) {
    rows_ = rows;
    controls_.rows = rows_;
    masksStale_ = true;
    if (view_) {
        view_->setRows(rows_);
    }
}

void KeyPrinterModel::clearSelectedRowCaption() {
    if (view_) {
        view_->clearSelectedRowCaption();
    }
}

void KeyPrinterModel::setRowCountCaption(const QString& text) {
    if (view_) {
        view_->setRowCountCaption(text);
    }
}

void KeyPrinterModel::setWidthCaption(const QString& text) {
    if (view_) {
        view_->setWidthCaption(text);
    }
}

QString KeyPrinterModel::fieldsPerSlipText() const {
    return view_ ? view_->fieldsPerSlipText() : controls_.fieldsPerSlip;
}

void KeyPrinterModel::setFieldsPerSlipText(const QString& text) {
    if (view_) {
        view_->setFieldsPerSlipText(text);
    }
}

void KeyPrinterModel::setSlipCountCaption(const QString& text) {
    if (view_) {
        view_->setSlipCountCaption(text);
    }
}
