#pragma once

#include "core/base/GameProfile.h"
#include "core/base/PrinterFamily.h"
#include "core/base/Services.h"

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
    // Rows that come from elsewhere (a generated key) shown as a key file holding them is: the
    // list emptied, the rows (at most 32736), the limit message, the counts and the width check.
    void load(KeyListView& view, const QStringList& rows) const;

    // The dialog's current file name (kept between choices).
    QString currentFileName() const;
    // The name of a key loaded from elsewhere: the file it was saved to, or what it is called.
    void setCurrentFileName(const QString& name) { currentFileName_ = name; }

private:
    FileOpenRequest prepareDialog();
    void startLoading(KeyListView& view) const;
    void show(KeyListView& view, const QStringList& rows, bool stoppedEarly) const;
    void showCounts(KeyListView& view, qsizetype rows) const;
    void checkWidth(KeyListView& view, const QStringList& rows) const;

    const GameProfile& profile_;
    PrinterFamily family_;
    Services services_; // a copy of the bundle of references, so no temporary can dangle
    QString currentFileName_;
};
