#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/keysearch/KeyGeneration.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class KeyPrinterModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QVBoxLayout;

// "Kulcs készítés – <program>": the played numbers ("Megjátszott számok:"), the guaranteed hits
// and the drawn numbers among the played ones; "Készít" searches for a key on every core while
// the dialog stays usable and the progress bar moves; "Betölt" puts the key into the window's
// list as a loaded key file would be, then offers to save it; "Mégse" stops a running search
// (keeping nothing), or closes the dialog. Closing the dialog in any way stops the search.
class KeyGenerationDialog : public QDialog {
    Q_OBJECT

public:
    KeyGenerationDialog(const GameProfile& profile, const Services& services,
                        KeyPrinterModel& model, const KeySearchOptions& options = {},
                        QWidget* parent = nullptr);
    ~KeyGenerationDialog() override;

    // Whether a search runs now.
    bool searching() const { return search_ != nullptr; }

    // "Készít", "Betölt", "Mégse".
    void make();
    void load();
    void cancel();

    // Every way the dialog ends (Esc, the window frame, "Mégse", "Betölt") stops the search.
    void done(int result) override;

private:
    struct Search;
    struct FoundKey {
        KeyRequest request;
        QStringList rows;
    };

    void buildControls();
    void buildInputs(QVBoxLayout& layout);
    void buildSearchRow(QVBoxLayout& layout);
    void buildButtonRow(QVBoxLayout& layout);
    void connectHandlers();
    void inputsEdited();
    void showSearching(bool running);
    void pollSearch();
    void finishSearch();
    void stopSearch();

    const GameProfile& profile_;
    Services services_;
    KeyPrinterModel& model_;
    KeySearchOptions options_;
    std::unique_ptr<Search> search_;
    std::optional<FoundKey> found_;

    QLineEdit* numbersEdit_ = nullptr;
    QSpinBox* guaranteedBox_ = nullptr;
    QSpinBox* drawnAmongBox_ = nullptr;
    QLabel* guaranteeLabel_ = nullptr;
    QPushButton* makeButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTimer* pollTimer_ = nullptr;
};
