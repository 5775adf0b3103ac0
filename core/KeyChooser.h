#pragma once

#include "GameProfile.h"
#include "PrinterFamily.h"
#include "Services.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the window applies after "Kulcs választás" (Command3D4).
struct KeyChoice {
    QStringList rows;                         // new List1 content (List1 is always emptied first)
    bool clearLabel7 = false;                 // all programs but keyprint7
    std::optional<QString> fieldsPerSlipText; // corrected Text6 (key printers), nullopt = unchanged
    std::optional<QString> slipCountCaption;  // key printers' Label4; nullopt = keep old text
    std::optional<QString> rowCountCaption;   // Label5 (key printers) / Label4 (combination)
    std::optional<QString> widthCaption; // Label8 (keyprint6/5, combiprint*) / Label6 (keyprint7)
};

// The choose-key operation of every program: presets the file-open dialog from filenev.txt,
// reads the chosen key into rows, checks it and computes the captions.
class KeyChooser {
public:
    KeyChooser(const GameProfile& profile, PrinterFamily family, Services& services);

    // Runs the whole choose-key operation (dialog via services.fileDialog, messages via
    // services.messageBox); fieldsPerSlipText is the current Text6 (ignored for combination).
    KeyChoice choose(const QString& fieldsPerSlipText);

    // The dialog's current file name (kept between choices).
    QString currentFileName() const;

private:
    FileOpenRequest prepareDialog();
    void applyCounts(KeyChoice& choice, const QString& fieldsPerSlipText) const;
    void checkWidth(KeyChoice& choice) const;
    int maxFieldsPerSlip() const;

    const GameProfile& profile_;
    PrinterFamily family_;
    Services services_; // a copy of the bundle of references, so no temporary can dangle
    QString currentFileName_;
};
