#pragma once

#include "GameProfile.h"
#include "KeyPrinterDesign.h"
#include "Services.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class KeyChooser;
struct KeyRunControls;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;

// Form1 of the key printers: the loaded key in List1, the printing settings, and the buttons
// that load a key, save the settings, fill slips, print the A4 listing and end the program.
// Every control carries its design name as its Qt object name; an element of a control array
// is named "<name>(<index>)" ("Option2(1)") and also carries the properties "controlArray" and
// "index".
class KeyPrinterWindow : public QWidget {
    Q_OBJECT

public:
    KeyPrinterWindow(const GameProfile& profile, const Services& services,
                     QWidget* parent = nullptr);
    ~KeyPrinterWindow() override;

    // The load handler: refuses a second running instance (a warning, then false: the program
    // must end without showing the window), centres the window and loads the settings.
    bool load();

    // Rows currently in List1.
    QStringList rows() const;

signals:
    // "Kilép" was pressed: the program ends.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* createControl(const ControlDesign& design, QWidget* parent);
    static QRect placement(const ControlDesign& design, const QSize& sizeHint);
    void connectHandlers();

    // Handlers.
    void list1Click();
    void text6LostFocus();
    void saveSettings();
    void chooseKey();
    void printAllRows();
    void printFromTo();
    void printListing();
    void exitProgram();

    KeyRunControls runControls() const;
    void centreOnScreen();
    void loadSettings();
    QString settingsPath() const;
    void setRows(const QStringList& rows);
    void showJobFile();
    int maxFieldsPerSlip() const;

    QLineEdit* textBox(const QString& name) const;
    QLabel* label(const QString& name) const;
    QCheckBox* checkBox(const QString& name) const;
    static int selectedIndex(const QButtonGroup* group);
    static void select(QButtonGroup* group, int index);

    const GameProfile& profile_;
    Services services_;
    KeyPrinterDesign design_;
    std::unique_ptr<KeyChooser> chooser_;

    QHash<QString, QWidget*> controls_;
    QHash<QString, QButtonGroup*> optionGroups_;
    QStringListModel* rowsModel_ = nullptr;
    QListView* list1_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QSize clientSize_;
};
