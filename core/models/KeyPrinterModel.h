#pragma once

#include "core/base/GameProfile.h"
#include "core/files/SettingsFile.h"
#include "core/keys/KeyChooser.h"
#include "core/keys/KeyListView.h"
#include "core/keys/KeyListing.h"
#include "core/keys/KeySlipRun.h"
#include "core/present/PrintPresenter.h"
#include "core/present/WindowServices.h"
#include "core/results/KeyRowMasks.h"

#include <QFlags>
#include <QObject>
#include <QString>
#include <QStringList>

// What stands behind the key printer window: the loaded key (List1) with its rows prepared for
// checking draws, the captions loading and clicks set, the values of the window's controls, the
// settings file and the print flow of its buttons. The window hands each change of a control to
// setControls() and each click to an operation here, and shows what changed() names.
class KeyPrinterModel : public QObject, private KeyListView, private PrintStatusView {
    Q_OBJECT

public:
    enum class Part {
        Rows = 0x1,        // List1
        Captions = 0x2,    // Label4, Label5, Label7, Label8 (keyprint7: Label6)
        Controls = 0x4,    // the controls' values (Text6 corrected, the settings read)
        PrintedFile = 0x8, // where the last run went: a PDF file, or nothing for a printer
    };
    Q_DECLARE_FLAGS(Parts, Part)

    // The captions beside List1.
    struct Captions {
        QString slipCount;   // Label4
        QString rowCount;    // Label5
        QString selectedRow; // Label7: the clicked row and its slip
        QString width;       // Label8 (keyprint7: Label6): width of the key's first row
    };

    enum class SlipRun { AllRows, FromTo };

    KeyPrinterModel(const GameProfile& profile, const WindowServices& services);

    const GameProfile& profile() const { return profile_; }
    const Services& services() const { return services_; }
    const QStringList& rows() const { return rows_; }
    const Captions& captions() const { return captions_; }
    const KeyRunControls& controls() const { return controls_; }
    // The PDF file the last run was written to; empty after a run on a printer.
    const QString& printedFile() const { return printedFile_; }
    // The print flow, for the dialogs that print (the result check).
    PrintPresenter& presenter() { return presenter_; }
    // The rows prepared for checking draws: made at the first check after a key is loaded and
    // kept for the next, so loading a key takes no longer for it.
    const KeyRowMasks& rowMasks();
    // The key the dialog read last, as the listing's keyprint7 header and the result check name
    // it.
    QString keyPath() const { return chooser_.currentFileName(); }

    // The window's controls as they stand now (its rows are this model's); the window shows
    // them already.
    void setControls(const KeyRunControls& controls);
    // New offsets (Text1 down, Text2 right), shown by the window.
    void setOffsets(const QString& offsetDown, const QString& offsetRight);

    // Start-up: the settings file read into the controls.
    void loadSettings();
    // "Beállítás mentése": silent; a failed save leaves the old file and the window as they
    // were. Says whether the file was written.
    bool saveSettings();

    // "Kulcs választás": the dialog, the key read into the rows, the captions.
    void chooseKey();
    // Rows made elsewhere (a generated key) loaded as a key file with these rows is loaded: the
    // same captions, Text6 correction and limits.
    void loadRows(const QStringList& rows);
    // The name such rows go by from now on, as keyPath() gives it.
    void nameKey(const QString& name) { chooser_.setCurrentFileName(name); }

    // A row of List1 chosen: Label7 shows it with its slip.
    void selectRow(int index);
    // Text6 left for another control: corrected, with the slip count.
    void fieldsPerSlipLeft();

    // A slip button and its "Előnézet…": the checks, Text6 corrected (by the preview only when
    // its "Nyomtatás" prints), the job.
    void printSlips(SlipRun run);
    void previewSlips(SlipRun run);
    // "A4-s lapra nyomtat" and its "Előnézet…": the confirmation, the keyprint7 header
    // question, the job.
    void printListing();
    void previewListing();

signals:
    void changed(KeyPrinterModel::Parts parts);

private:
    std::optional<KeySlipJob> checkSlipRun(SlipRun run) const;
    void correctFieldsPerSlip(const KeySlipJob& job);
    PrintRunResult printSlips(const KeySlipJob& job, PrintSurface& surface, bool preview) const;
    PrintRunResult printListing(PrintSurface& surface) const;
    KeyPrinterSettings settings() const;
    SettingsLocation settingsFile() const;

    // KeyListView: what choosing a key sets, kept here and shown by the window.
    void setRows(const QStringList& rows) override;
    void clearSelectedRowCaption() override;
    void setRowCountCaption(const QString& text) override;
    void setWidthCaption(const QString& text) override;
    QString fieldsPerSlipText() const override;
    void setFieldsPerSlipText(const QString& text) override;
    void setSlipCountCaption(const QString& text) override;
    // PrintStatusView.
    void showPrintedFile(const QString& file) override;

    const GameProfile& profile_;
    Services services_;
    KeyChooser chooser_;
    PrintPresenter presenter_;
    QStringList rows_;
    KeyRowMasks masks_;
    bool masksStale_ = true;
    Captions captions_;
    KeyRunControls controls_;
    QString printedFile_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(KeyPrinterModel::Parts)
