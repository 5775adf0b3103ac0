#pragma once

#include "GameProfile.h"
#include "PrinterFamily.h"
#include "Services.h"

#include <QString>
#include <QStringList>

class KeyListView;

// "Kulcs választás" (Command3D4) of every program: empties the list, presets the file-open
// dialog from filenev.txt, reads the chosen key into the list, checks it and sets the count
// captions, through the window's KeyListView.
class KeyChooser {
public:
    KeyChooser(const GameProfile& profile, PrinterFamily family, Services& services);

    void choose(KeyListView& view);

    // The dialog's current file name (kept between choices).
    QString currentFileName() const;

private:
    FileOpenRequest prepareDialog();
    void showCounts(KeyListView& view, qsizetype rows) const;
    void checkWidth(KeyListView& view, const QStringList& rows) const;
    void showError(const QString& text, const QString& title) const;

    const GameProfile& profile_;
    PrinterFamily family_;
    Services services_; // a copy of the bundle of references, so no temporary can dangle
    QString currentFileName_;
};
