#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/files/SettingsFile.h"
#include "core/keys/KeyChooser.h"
#include "core/keys/KeyListView.h"
#include "core/keys/KeyListing.h"
#include "core/keys/KeySlipRun.h"
#include "core/present/PreviewForm.h"
#include "core/print/PrintRunResult.h"
#include "core/results/KeyRowMasks.h"

#include <QString>
#include <QStringList>

#include <optional>

class PrintSurface;

// What stands behind the key printer window: the loaded key (List1) with its rows prepared for
// checking draws, and the window's controls as one snapshot taken when an action starts. The
// slip runs, the listing and the settings read the snapshot; the window only shows what this
// model holds and says.
class KeyPrinterModel : private KeyListView {
public:
    enum class SlipRun { AllRows, FromTo };

    KeyPrinterModel(const GameProfile& profile, const Services& services);

    // The window that shows the rows and the captions choosing a key sets.
    void setView(KeyListView* view) { view_ = view; }

    const GameProfile& profile() const { return profile_; }
    const QStringList& rows() const { return rows_; }
    // The rows prepared for checking draws: made at the first check after a key is loaded and
    // kept for the next, so loading a key takes no longer for it.
    const KeyRowMasks& rowMasks();
    // The key the dialog read last, as the listing's keyprint7 header and the result check name
    // it.
    QString keyPath() const { return chooser_.currentFileName(); }

    // The controls as the window shows them now (its rows are this model's).
    void setControls(const KeyRunControls& controls);
    const KeyRunControls& controls() const { return controls_; }

    // "Kulcs választás": the dialog, the key read into the rows, the captions.
    void chooseKey();
    // Rows made elsewhere (a generated key) loaded as a key file with these rows is loaded: the
    // same captions, Text6 correction and limits.
    void loadRows(const QStringList& rows);
    // The name such rows go by from now on, as keyPath() gives it.
    void nameKey(const QString& name) { chooser_.setCurrentFileName(name); }

    // A slip run's checks and messages; nothing when the run is refused.
    std::optional<KeySlipJob> checkSlipRun(SlipRun run) const;
    // Writes a checked run's corrected fields per slip into Text6.
    void correctFieldsPerSlip(const KeySlipJob& job);
    // The checked run onto the surface, one job; `preview` leaves out the eject notice.
    PrintRunResult printSlips(const KeySlipJob& job, PrintSurface& surface, bool preview) const;
    // The form under the slips of the run in a preview.
    PreviewForm slipPreviewForm() const;

    // "A4-s lapra nyomtat": the confirmation, the keyprint7 header question, the job.
    PrintRunResult printListing(PrintSurface& surface) const;

    // The settings the controls stand for; loading gives the controls' new values.
    KeyPrinterSettings settings() const;
    KeyPrinterSettings loadSettings(const QString& path) const;

private:
    // KeyListView: what choosing a key sets, kept here and shown by the window.
    void setRows(const QStringList& rows) override;
    void clearSelectedRowCaption() override;
    void setRowCountCaption(const QString& text) override;
    void setWidthCaption(const QString& text) override;
    QString fieldsPerSlipText() const override;
    void setFieldsPerSlipText(const QString& text) override;
    void setSlipCountCaption(const QString& text) override;

    const GameProfile& profile_;
    Services services_;
    KeyChooser chooser_;
    KeyListView* view_ = nullptr;
    QStringList rows_;
    KeyRowMasks masks_;
    bool masksStale_ = true;
    KeyRunControls controls_;
};
