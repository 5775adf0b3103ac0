#pragma once

#include "CombinationRuns.h"
#include "CombinationSelection.h"
#include "CombinationSelectionObserver.h"
#include "FullCombinationHandOver.h"
#include "GameProfile.h"
#include "Services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class KeyChooser;
class QButtonGroup;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct WindowLayout;

// Form1 of a combination printer: the print settings, the number grid and the systems table of
// the combination selection, its two lists, the key choice, the print runs and the button that
// opens the full-combination window. The selection and the runs live in the core; this window
// shows their state and forwards every click to them.
class CombinationPrinterWindow : public QWidget,
                                 public FullCombinationReceiver,
                                 private CombinationSelectionObserver {
    Q_OBJECT
public:
    CombinationPrinterWindow(const GameProfile& profile, Services services,
                             QWidget* parent = nullptr);
    ~CombinationPrinterWindow() override;

    // Start-up: refuses a second instance (false, after its message), centres the window, reads
    // the settings and builds the number grid and the systems table.
    bool load();

    CombinationSelection& selection() { return selection_; }

    void receiveFullCombination(const FullCombinationHandOver& handOver) override;
    void selectBaseSlip() override;
    void clearFixMarks() override;
    void setClosedByExit() override;

signals:
    // "Kilép" or the window's frame: the program ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Design-time controls.
    void buildControls();
    QLabel* addLabel(const QString& name, const QString& caption, QWidget* parent = nullptr);
    QPushButton* addButton(const QString& name, const QString& caption);
    QLineEdit* addTextBox(const QString& name, const QString& text);
    QListWidget* addList(const QString& name);
    void place(QWidget* widget, const QString& name);
    void buildFrames();
    void buildPicture();
    void connectHandlers();
    void fitWindow();

    // Start-up steps.
    void centre();
    void loadSettings();
    void buildNumberGrid();
    void buildSystemsTable();

    // Handlers.
    void saveSettings();
    void chooseKey();
    void openFullCombination();
    void showHelp();
    void printAllRows();
    void printFromTo();
    void printFullCombination();
    void reportJob(int jobs);
    void listClicked(QListWidget* list, int row);
    CombinationRunControls runControls() const;
    CombinationRunServices runServices();

    // Observer.
    void numberChanged(int number) override;
    void rowsChanged() override;
    void entriesChanged() override;
    void systemChanged() override;
    void countersChanged() override;
    void showList(QListWidget* list, QStringList& shown, const QStringList& items, int selected);

    const GameProfile& profile_;
    Services services_;
    const WindowLayout& layout_;
    CombinationSelection selection_;
    CombinationRuns runs_;
    std::unique_ptr<KeyChooser> keyChooser_;
    QPointer<QDialog> form2_;
    bool updating_ = false;
    QListWidget* pressedList_ = nullptr;

    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QButtonGroup* option1_ = nullptr;
    QButtonGroup* option2_ = nullptr;
    QButtonGroup* option3_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QStringList list1Shown_;
    QStringList list2Shown_;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* label12_ = nullptr;
    QLabel* label15_ = nullptr;
    QLabel* label17_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* gridTemplate_ = nullptr;
    QRadioButton* systemTemplate_ = nullptr;
    std::vector<QPushButton*> numberButtons_;  // index n = Command3D5(n); 0 is the template
    std::vector<QRadioButton*> systemButtons_; // index i = Option3(i)
};
