#pragma once

#include "core/base/GameProfile.h"
#include "core/keysearch/KeyGeneration.h"
#include "core/models/KeyPrinterModel.h"
#include "core/present/WindowServices.h"
#include "keyprint/KeyPrinterDesign.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class FormBuilder;
class JobStatusLine;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// Form1 of the key printers: the loaded key in List1, the printing settings, and the buttons
// that load a key, save the settings, fill slips, print the A4 listing and end the program.
// The rules live in the core model (key choosing, slip runs, listing, settings); this window
// builds the controls, hands every change of them and every click to the model and shows what
// the model says changed. Every control carries its design name as its Qt object name; an element
// of a control array is named "<name>(<index>)" ("Option2(1)").
class KeyPrinterWindow : public QWidget {
    Q_OBJECT

public:
    KeyPrinterWindow(const GameProfile& profile, const WindowServices& services,
                     QWidget* parent = nullptr);
    ~KeyPrinterWindow() override;

    // The load handler: refuses a second running instance (a warning, then false: the program
    // must end without showing the window), centres the window and loads the settings.
    bool load();

    // Rows currently in List1.
    QStringList rows() const;
    KeyPrinterModel& model() { return model_; }
    // The effort of the searches "Kulcs készítés" starts (the default: KeySearchOptions{}).
    void setKeySearchOptions(const KeySearchOptions& options) { keySearchOptions_ = options; }

signals:
    // "Kilép" or the window's frame: the program ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildSettingsControls(const FormBuilder& form);
    void buildKeyControls(const FormBuilder& form);
    void buildOptionControls(const FormBuilder& form);
    void buildCommandControls(const FormBuilder& form);
    void buildButtonStrip();
    void buildStatusLine();
    void connectHandlers();

    // Handlers of what the model does not do by itself.
    void rowClicked();
    void checkDraws();
    void generateKey();

    // The controls as they stand, handed to the model whenever one of them changes.
    void takeControls();
    // What the model says changed.
    void showChanges(KeyPrinterModel::Parts parts);
    void showControls();
    void showPrintedFile(const QString& file);

    const GameProfile& profile_;
    const KeyPrinterDesign& design_;
    KeyPrinterModel model_;
    QSize clientSize_;
    KeySearchOptions keySearchOptions_;

    QLineEdit* offsetDownEdit_ = nullptr;    // Text1
    QLineEdit* offsetRightEdit_ = nullptr;   // Text2
    QLineEdit* rowsPerColumnEdit_ = nullptr; // Text5
    QLineEdit* fieldsPerSlipEdit_ = nullptr; // Text6
    QLineEdit* firstRowEdit_ = nullptr;      // Text3
    QLineEdit* lastRowEdit_ = nullptr;       // Text4
    QListView* rowList_ = nullptr;           // List1
    QStringListModel* rowsModel_ = nullptr;
    QButtonGroup* jokerGroup_ = nullptr;       // Option1
    QButtonGroup* markGroup_ = nullptr;        // Option2
    QButtonGroup* orientationGroup_ = nullptr; // Option4
    QCheckBox* ejectFirstCheck_ = nullptr;     // Check1
    QCheckBox* twoSidedCheck_ = nullptr;       // Check3, keyprint7 only
    QPushButton* fromToButton_ = nullptr;      // Command3D9
    QPushButton* saveButton_ = nullptr;        // Command3D3
    QPushButton* listingButton_ = nullptr;     // Command3D5
    QPushButton* slipButton_ = nullptr;        // Command3D1
    QPushButton* chooseKeyButton_ = nullptr;   // Command3D4
    QPushButton* exitButton_ = nullptr;        // Command3D2
    QPushButton* checkDrawButton_ = nullptr;   // "Találatok", under the design
    QPushButton* makeKeyButton_ = nullptr;     // "Kulcs készítés", under the design
    QLabel* slipCountLabel_ = nullptr;         // Label4
    QLabel* widthLabel_ = nullptr;             // Label8 (keyprint7: Label6)
    QLabel* selectedRowLabel_ = nullptr;       // Label7
    QLabel* rowCountLabel_ = nullptr;          // Label5
    JobStatusLine* statusLine_ = nullptr;
};
