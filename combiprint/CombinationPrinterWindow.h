#pragma once

#include "combiprint/CombinationPrinterDesign.h"
#include "core/base/GameProfile.h"
#include "core/models/CombinationPrinterModel.h"
#include "core/present/WindowServices.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <vector>

class FormBuilder;
class FullCombinationWindow;
class JobStatusLine;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// Form1 of a combination printer: the print settings, the number grid and the systems table of
// the combination selection, its two lists, the key choice, the print runs and the button that
// opens the full-combination window. The selection, the runs and the settings live in the core
// model; this window builds the controls, hands every change of them and every click to the
// model and shows what the model says changed.
class CombinationPrinterWindow : public QWidget {
    Q_OBJECT
public:
    CombinationPrinterWindow(const GameProfile& profile, const WindowServices& services,
                             QWidget* parent = nullptr);
    ~CombinationPrinterWindow() override;

    // Start-up: refuses a second instance (false, after its message), centres the window, reads
    // the settings and builds the number grid and the systems table.
    bool load();

    CombinationSelection& selection() { return model_.selection(); }
    CombinationPrinterModel& model() { return model_; }

signals:
    // "Kilép" or the window's frame: the program ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Design-time controls.
    void buildControls();
    void buildSettingsControls(const FormBuilder& form);
    void buildFrames(const FormBuilder& form);
    void buildSelectionControls(const FormBuilder& form);
    void buildRowControls(const FormBuilder& form);
    void buildArrayTemplates(const FormBuilder& form);
    QListWidget* addList(const FormBuilder& form, const ControlDesign& design);
    void connectHandlers();
    void connectList(QListWidget* list, void (CombinationSelection::*select)(int));
    void fitWindow();

    // Start-up steps.
    void buildNumberGrid();
    void buildSystemsTable();

    // Handlers of what the model does not do by itself.
    void openFullCombination();
    void checkDraws();

    // The controls as they stand, handed to the model whenever one of them changes.
    void takeControls();
    // What the model says changed.
    void showChanges(CombinationPrinterModel::Parts parts);
    void showNumbers();
    void showSystem();
    void showCounters();
    void showControls();
    static void showList(QListWidget* list, QStringList& shown, const QStringList& items,
                         int selected);

    const GameProfile& profile_;
    const CombinationPrinterDesign& design_;
    CombinationPrinterModel model_;
    QPointer<FullCombinationWindow> fullCombinationWindow_; // Form2, kept while only hidden

    QLineEdit* offsetDownEdit_ = nullptr;       // Text1
    QLineEdit* offsetRightEdit_ = nullptr;      // Text2
    QLineEdit* firstRowEdit_ = nullptr;         // Text3
    QLineEdit* lastRowEdit_ = nullptr;          // Text4
    QCheckBox* ejectFirstCheck_ = nullptr;      // Check1
    QCheckBox* clearRowsTooCheck_ = nullptr;    // Check2
    QButtonGroup* jokerGroup_ = nullptr;        // Option1
    QButtonGroup* markGroup_ = nullptr;         // Option2
    QButtonGroup* systemGroup_ = nullptr;       // Option3
    QListWidget* rowList_ = nullptr;            // List1
    QListWidget* entryList_ = nullptr;          // List2
    QLabel* slipCountLabel_ = nullptr;          // Label4
    QLabel* expectedTotalLabel_ = nullptr;      // Label5
    QLabel* selectedRowLabel_ = nullptr;        // Label7
    QLabel* combinationCountLabel_ = nullptr;   // Label8
    QLabel* systemCombinationsLabel_ = nullptr; // Label12
    QLabel* fixCountLabel_ = nullptr;           // Label15
    QLabel* checkedTotalLabel_ = nullptr;       // Label17
    JobStatusLine* statusLine_ = nullptr;
    QPushButton* saveButton_ = nullptr;            // Command3D3
    QPushButton* checkButton_ = nullptr;           // Command3
    QPushButton* deleteEntryButton_ = nullptr;     // SSCommand2
    QPushButton* fullCombinationButton_ = nullptr; // SSCommand1
    QPushButton* printFullButton_ = nullptr;       // SSCommand4
    QPushButton* addRowButton_ = nullptr;          // Command1
    QPushButton* clearButton_ = nullptr;           // Command2
    QPushButton* deleteRowButton_ = nullptr;       // SSCommand3
    QPushButton* fromToButton_ = nullptr;          // Command3D9
    QPushButton* slipButton_ = nullptr;            // Command3D1
    QPushButton* chooseKeyButton_ = nullptr;       // Command3D4
    QPushButton* exitButton_ = nullptr;            // Command3D2
    QPushButton* checkDrawButton_ = nullptr;       // "Találatok", under the design
    QPushButton* gridTemplate_ = nullptr;          // Command3D5(0)
    QRadioButton* systemTemplate_ = nullptr;       // Option3(0)
    std::vector<QPushButton*> numberButtons_;      // index n = Command3D5(n); 0 is the template
    std::vector<QRadioButton*> systemButtons_;     // index i = Option3(i)
    std::vector<bool> marksShown_;                 // index n: button n shows the picture
    QStringList rowsShown_;                        // what List1 holds
    QStringList entriesShown_;                     // what List2 holds
};
