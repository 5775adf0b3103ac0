#include "CombinationPrinterWindow.h"

#include "FullCombinationWindowFactory.h"
#include "InstanceCheck.h"
#include "KeyChooser.h"
#include "PrintSurface.h"
#include "PrinterFamily.h"
#include "SettingsFile.h"
#include "SlipLayout.h"
#include "SystemTable.h"
#include "Titles.h"
#include "WindowLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor background(224, 224, 224);
const QColor blue(0, 0, 255);
const QColor purple(128, 0, 128);

const QString systemTooltip =
    QStringLiteral("Az első szám a FIX, a második a KOMBINÁLT számok darabszáma.");

// The help shown after the full-combination window closed other than through its "Kilép".
const QString helpText =
    QStringLiteral("Amennyiben egyszerre akarja nyomtatni az összes kombinációs szelvényt akkor "
                   "klikkeljen a lila *T. kombi nyomtatás* nyomógombra!") +
    QStringLiteral("\n\n") +
    QStringLiteral("Egyenkénti nyomtatás esetén klikkeljen egymásután a középső lista elemeire, "
                   "(állítsa be az indexet ha szükséges) és klikkeljen a *Szelvény kitölt* "
                   "nyomógombra !") +
    QStringLiteral("\n") +
    QStringLiteral("Sikeres nyomtatás után, célszerű a kijelölt sort törölni.");

constexpr int gridPitch = 360;   // twips between number buttons
constexpr int systemWidth = 750; // twips of an Option3 button
constexpr int systemHeight = 195;
constexpr int systemGap = 100;

void setTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Picture1: a small slip with a few marked cells.
QPixmap windowPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(200, 0, 0));
    painter.drawRect(1, 1, 29, 29);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            painter.drawRect(4 + 5 * c, 4 + 5 * r, 3, 3);
        }
    }
    painter.fillRect(9, 9, 4, 4, Qt::black);
    painter.fillRect(19, 14, 4, 4, Qt::black);
    painter.fillRect(4, 24, 4, 4, Qt::black);
    return picture;
}

QString arrayName(const QString& name, int index) {
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace

CombinationPrinterWindow::CombinationPrinterWindow(const GameProfile& profile, Services services,
                                                   QWidget* parent)
    : QWidget(parent), profile_(profile), services_(services), layout_(windowLayout(profile.game)),
      selection_(profile), runs_(profile),
      keyChooser_(std::make_unique<KeyChooser>(profile, PrinterFamily::Combination, services_)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(::windowTitle(profile));
    setAutoFillBackground(true);
    setTextColour(this, QPalette::Window, background);
    // A small dialog font, so the captions fit the design-time sizes.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    buildControls();
    connectHandlers();
    fitWindow();
    selection_.setObserver(this);
}

CombinationPrinterWindow::~CombinationPrinterWindow() {
    selection_.setObserver(nullptr);
}

// ---- design-time controls ----

void CombinationPrinterWindow::place(QWidget* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setGeometry(twipsToPixels(layout_.place(name)));
}

QLabel* CombinationPrinterWindow::addLabel(const QString& name, const QString& caption,
                                           QWidget* parent) {
    auto* label = new QLabel(caption, parent ? parent : this);
    place(label, name);
    label->setWordWrap(layout_.place(name).height() >= 400); // two-line captions only
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* CombinationPrinterWindow::addButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    place(button, name);
    return button;
}

QLineEdit* CombinationPrinterWindow::addTextBox(const QString& name, const QString& text) {
    auto* box = new QLineEdit(text, this);
    place(box, name);
    box->installEventFilter(this);
    return box;
}

QListWidget* CombinationPrinterWindow::addList(const QString& name) {
    auto* list = new QListWidget(this);
    place(list, name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->viewport()->installEventFilter(this);
    return list;
}

void CombinationPrinterWindow::buildControls() {
    auto* shape = new QFrame(this);
    place(shape, QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);

    addLabel(QStringLiteral("Label2"), QStringLiteral("A nyomtatás pozicionálása"));
    addLabel(QStringLiteral("Label1(0)"), QStringLiteral("Tolja lefelé 'yy' mm-vel + - !"));
    text1_ = addTextBox(QStringLiteral("Text1"), QStringLiteral("0"));
    addLabel(QStringLiteral("Label1(1)"), QStringLiteral("Tolja jobbra 'xx' mm-vel + - !"));
    text2_ = addTextBox(QStringLiteral("Text2"), QStringLiteral("0"));
    addButton(QStringLiteral("Command3D3"), QStringLiteral("Beállítás mentése"));
    buildFrames();
    addLabel(QStringLiteral("Label10"), QStringLiteral("Lapdobással indul !"));
    check1_ = new QCheckBox(this);
    place(check1_, QStringLiteral("Check1"));

    const QString digit = QString::number(profile_.game);
    for (const auto& [name, caption] :
         {std::pair{QStringLiteral("Label14"), QStringLiteral("Kombináció összesen")},
          std::pair{QStringLiteral("Label16"), QStringLiteral("Fix számok db.")},
          std::pair{QStringLiteral("Label9"), QStringLiteral("Kombinált számok db.")}}) {
        setTextColour(addLabel(name, caption), QPalette::WindowText, blue);
    }
    label12_ = addLabel(QStringLiteral("Label12"), QString());
    label15_ = addLabel(QStringLiteral("Label15"), QString());
    label8_ = addLabel(QStringLiteral("Label8"), QString());
    label17_ = addLabel(QStringLiteral("Label17"), QString());
    addButton(QStringLiteral("Command3"), QStringLiteral("Ellenőr"));
    label5_ = addLabel(QStringLiteral("Label5"), QString());
    label5_->setAlignment(Qt::AlignCenter);
    label5_->setFrameShape(QFrame::Box);
    label5_->setAutoFillBackground(true);
    setTextColour(label5_, QPalette::Window, Qt::white);

    setTextColour(addButton(QStringLiteral("SSCommand2"), QStringLiteral("Kijelölt sor törlése")),
                  QPalette::ButtonText, blue);
    list2_ = addList(QStringLiteral("List2"));
    setTextColour(addButton(QStringLiteral("SSCommand1"), digit + QStringLiteral("-s kombinációk")),
                  QPalette::ButtonText, purple);
    setTextColour(addButton(QStringLiteral("SSCommand4"),
                            profile_.game == 5 ? QStringLiteral("T. kombi. nyomtatása")
                                               : QStringLiteral("T. kombi nyomtatása")),
                  QPalette::ButtonText, purple);
    addButton(QStringLiteral("Command1"), QStringLiteral("Kombinációs számok"));
    addButton(QStringLiteral("Command2"), QStringLiteral("Töröl"));
    check2_ = new QCheckBox(this);
    place(check2_, QStringLiteral("Check2"));
    list1_ = addList(QStringLiteral("List1"));
    setTextColour(addButton(QStringLiteral("SSCommand3"), QStringLiteral("Kijelölt sor törlése")),
                  QPalette::ButtonText, blue);
    addLabel(QStringLiteral("Label11"), QStringLiteral("Tól:"));
    text3_ = addTextBox(QStringLiteral("Text3"), QString());
    addLabel(QStringLiteral("Label13"), QStringLiteral("Ig:"));
    text4_ = addTextBox(QStringLiteral("Text4"), QString());
    label7_ = addLabel(QStringLiteral("Label7"), QString());
    addButton(QStringLiteral("Command3D9"), QStringLiteral("Tól-ig: nyomtatás"));
    addButton(QStringLiteral("Command3D1"), QStringLiteral("Szelv. kitölt"));
    addLabel(QStringLiteral("Label3"), QStringLiteral("Szelvényszám :"));
    label4_ = addLabel(QStringLiteral("Label4"), QString());
    addButton(QStringLiteral("Command3D4"), QStringLiteral("Kulcs választás"));
    addButton(QStringLiteral("Command3D2"), QStringLiteral("Kilép"));
    buildPicture();

    // Design-time elements 0 of the two control arrays.
    gridTemplate_ = new QPushButton(this);
    gridTemplate_->setObjectName(arrayName(QStringLiteral("Command3D5"), 0));
    gridTemplate_->setGeometry(twipsToPixels(
        QRect(layout_.gridTemplate, QSize(layout_.gridButtonSize, layout_.gridButtonSize))));
    gridTemplate_->hide();
    numberButtons_.assign(std::size_t(profile_.highestNumber) + 1, nullptr);
    numberButtons_[0] = gridTemplate_;

    option3_ = new QButtonGroup(this);
    systemTemplate_ = new QRadioButton(systemTable(profile_.game).codes.value(0), this);
    systemTemplate_->setObjectName(arrayName(QStringLiteral("Option3"), 0));
    systemTemplate_->setGeometry(
        twipsToPixels(QRect(layout_.systemsFirst, QSize(systemWidth, systemHeight))));
    systemTemplate_->setToolTip(systemTooltip);
    QFont small = systemTemplate_->font();
    small.setPixelSize(10);
    systemTemplate_->setFont(small);
    option3_->addButton(systemTemplate_, 0);
    systemButtons_.push_back(systemTemplate_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void CombinationPrinterWindow::buildFrames() {
    auto* frame1 = new QGroupBox(this);
    place(frame1, QStringLiteral("Frame1"));
    option2_ = new QButtonGroup(this);
    const QStringList marks{QStringLiteral("x"), QStringLiteral("*"), QStringLiteral("•")};
    for (int i = 0; i < marks.size(); ++i) {
        auto* option = new QRadioButton(marks[i], frame1);
        option->setObjectName(arrayName(QStringLiteral("Option2"), i));
        option->setGeometry(twipsToPixels(QRect(150 + 600 * i, 90, 540, 240)));
        option2_->addButton(option, i);
    }
    option2_->button(1)->setChecked(true);

    auto* frame2 = new QGroupBox(this);
    place(frame2, QStringLiteral("Frame2"));
    QLabel* joker = addLabel(QStringLiteral("Label6"), QStringLiteral("JOKER :"), frame2);
    setTextColour(joker, QPalette::WindowText, blue);
    option1_ = new QButtonGroup(this);
    const QStringList answers{QStringLiteral("Igen"), QStringLiteral("Nem")};
    for (int i = 0; i < answers.size(); ++i) {
        auto* option = new QRadioButton(answers[i], frame2);
        option->setObjectName(arrayName(QStringLiteral("Option1"), i));
        option->setGeometry(twipsToPixels(layout_.joker[i]));
        option1_->addButton(option, i);
    }
    option1_->button(1)->setChecked(true);
}

void CombinationPrinterWindow::buildPicture() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twipsToPixels(layout_.picture));
    picture->setPixmap(windowPicture());
}

void CombinationPrinterWindow::fitWindow() {
    QRect used;
    for (auto it = layout_.places.begin(); it != layout_.places.end(); ++it) {
        if (it.key() != QStringLiteral("Label6")) {
            used |= it.value();
        }
    }
    used |= layout_.picture;
    const int perColumn = systemTable(profile_.game).boxesPerColumn;
    const int columns = int((systemTable(profile_.game).codes.size() + perColumn - 1) / perColumn);
    used |= QRect(layout_.systemsFirst, QSize(columns * (systemWidth + systemGap),
                                              perColumn * (systemHeight + systemGap)));
    const int width = twipsToPixels(used.right() + 150);
    const int statusTop = twipsToPixels(used.bottom() + 90);
    status_->setGeometry(8, statusTop, width - 16, 20);
    setFixedSize(width, statusTop + 26);
}

void CombinationPrinterWindow::connectHandlers() {
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QString::fromLatin1(name));
    };
    connect(button("Command3D3"), &QPushButton::clicked, this, [this] { saveSettings(); });
    connect(button("Command3D4"), &QPushButton::clicked, this, [this] { chooseKey(); });
    connect(button("Command3D2"), &QPushButton::clicked, this, [this] { close(); });
    connect(button("Command3D1"), &QPushButton::clicked, this, [this] { printAllRows(); });
    connect(button("Command3D9"), &QPushButton::clicked, this, [this] { printFromTo(); });
    connect(button("SSCommand4"), &QPushButton::clicked, this, [this] { printFullCombination(); });
    connect(button("SSCommand1"), &QPushButton::clicked, this, [this] { openFullCombination(); });
    connect(button("Command1"), &QPushButton::clicked, this,
            [this] { selection_.addCombinationRow(); });
    connect(button("Command2"), &QPushButton::clicked, this,
            [this] { selection_.clearSelection(check2_->isChecked()); });
    connect(button("Command3"), &QPushButton::clicked, this,
            [this] { selection_.totalCombinations(); });
    connect(button("SSCommand3"), &QPushButton::clicked, this,
            [this] { selection_.deleteSelectedRow(); });
    connect(button("SSCommand2"), &QPushButton::clicked, this,
            [this] { selection_.deleteSelectedEntry(); });
    connect(option3_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!updating_) {
            selection_.selectSystem(id);
        }
    });
    for (QListWidget* list : {list1_, list2_}) {
        // A click runs the list's handler even on the selected item; keyboard moves run it too.
        connect(list, &QListWidget::itemClicked, this,
                [this, list](QListWidgetItem* item) { listClicked(list, list->row(item)); });
        connect(list, &QListWidget::currentRowChanged, this, [this, list](int row) {
            if (!updating_ && pressedList_ != list) {
                listClicked(list, row);
            }
        });
    }
}

// ---- start-up ----

bool CombinationPrinterWindow::load() {
    if (!claimSingleInstance(services_)) {
        return false;
    }
    centre();
    loadSettings();
    buildNumberGrid();
    buildSystemsTable();
    return true;
}

void CombinationPrinterWindow::centre() {
    const QSize screen = services_.screen.screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void CombinationPrinterWindow::loadSettings() {
    const QString path = services_.program.programFolder() + QLatin1Char('/') +
                         settingsFileName(PrinterFamily::Combination, profile_.game);
    const CombinationPrinterSettings current{text1_->text(), text2_->text(), option2_->checkedId()};
    const CombinationPrinterSettings loaded = loadCombinationPrinterSettings(path, current);
    text1_->setText(loaded.text1);
    text2_->setText(loaded.text2);
    if (QAbstractButton* mark = option2_->button(loaded.markIndex)) {
        mark->setChecked(true);
    }
}

void CombinationPrinterWindow::buildNumberGrid() {
    const int perRow = combinationSlip(profile_.game).grid.columns;
    const int size = layout_.gridButtonSize;
    QFont font = gridTemplate_->font();
    font.setPixelSize(10);
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        const int r = (n - 1) / perRow;
        const int c = n - perRow * r;
        auto* button = new QPushButton(this);
        button->setObjectName(arrayName(QStringLiteral("Command3D5"), n));
        button->setGeometry(
            twipsToPixels(QRect(layout_.gridTemplate.x() + gridPitch * c,
                                layout_.gridTemplate.y() + gridPitch * r, size, size)));
        button->setFont(font);
        button->setText(selection_.numberCaption(n));
        button->setToolTip(QLatin1Char(' ') + QString::number(n) + QLatin1Char(' '));
        button->setIconSize(button->size() - QSize(4, 4));
        button->show();
        connect(button, &QPushButton::clicked, this, [this, n] { selection_.toggleNumber(n); });
        numberButtons_[std::size_t(n)] = button;
    }
}

void CombinationPrinterWindow::buildSystemsTable() {
    const SystemTable& table = systemTable(profile_.game);
    const int perColumn = table.boxesPerColumn;
    const QPoint first = layout_.systemsFirst;
    for (int i = 1; i < table.codes.size(); ++i) {
        auto* option = new QRadioButton(this);
        option->setObjectName(arrayName(QStringLiteral("Option3"), i));
        option->setFont(systemTemplate_->font());
        option->setToolTip(systemTemplate_->toolTip());
        const int column = i / perColumn;
        const int row = i - column * perColumn;
        option->setGeometry(twipsToPixels(QRect(first.x() + column * (systemWidth + systemGap),
                                                first.y() + row * (systemHeight + systemGap),
                                                systemWidth, systemHeight)));
        option3_->addButton(option, i);
        option->show();
        systemButtons_.push_back(option);
    }
    for (int i = 0; i < int(systemButtons_.size()); ++i) {
        systemButtons_[std::size_t(i)]->setText(table.codes[i]);
    }
}

// ---- handlers ----

void CombinationPrinterWindow::saveSettings() {
    const QString file = settingsFileName(PrinterFamily::Combination, profile_.game);
    const CombinationPrinterSettings values{text1_->text(), text2_->text(), option2_->checkedId()};
    if (!saveCombinationPrinterSettings(services_.program.programFolder() + QLatin1Char('/') + file,
                                        values)) {
        services_.messageBox.show(
            QStringLiteral("A beállítások mentése nem sikerült: a(z) ") + file +
                QStringLiteral(" állomány nem írható ! A beállítások csak a program futása alatt "
                               "érvényesek."),
            MessageBoxService::Icon::Critical, MessageBoxService::Buttons::Ok, Maker::messageTitle);
    }
}

void CombinationPrinterWindow::chooseKey() {
    const KeyChoice choice = keyChooser_->choose(QString());
    selection_.loadKeyRows(choice.rows, choice.clearLabel7, choice.rowCountCaption,
                           choice.widthCaption);
}

void CombinationPrinterWindow::openFullCombination() {
    selection_.setForm2ClosedByExit(false);
    selection_.clearSelection(check2_->isChecked());
    selection_.clearRows();
    if (!form2_) {
        form2_ = createFullCombinationWindow(profile_, services_, *this, this);
    }
    if (!form2_) {
        return;
    }
    form2_->exec();
    if (selection_.form2ClosedByExit()) {
        delete form2_.data();
        return;
    }
    showHelp();
}

void CombinationPrinterWindow::showHelp() {
    services_.messageBox.show(helpText, MessageBoxService::Icon::Exclamation,
                              MessageBoxService::Buttons::Ok, Maker::messageTitle);
}

CombinationRunControls CombinationPrinterWindow::runControls() const {
    CombinationRunControls controls;
    controls.text1 = text1_->text();
    controls.text2 = text2_->text();
    controls.text3 = text3_->text();
    controls.text4 = text4_->text();
    controls.check1 = check1_->isChecked();
    controls.markIndex = option2_->checkedId();
    controls.jokerYes = option1_->checkedId() == 0;
    return controls;
}

CombinationRunServices CombinationPrinterWindow::runServices() {
    return {services_.messageBox, services_.busyPointer, services_.printer};
}

void CombinationPrinterWindow::printAllRows() {
    reportJob(runs_.runAllRows(selection_, runControls(), runServices()));
}

void CombinationPrinterWindow::printFromTo() {
    reportJob(runs_.runFromTo(selection_, runControls(), runServices()));
}

void CombinationPrinterWindow::printFullCombination() {
    reportJob(runs_.runFullCombination(selection_, runControls(), runServices()));
}

void CombinationPrinterWindow::reportJob(int jobs) {
    if (jobs == 0) {
        return;
    }
    const QString file = services_.printReport.lastJobFile();
    if (file.isEmpty()) {
        status_->clear();
    } else {
        status_->setText(QStringLiteral("Nincs nyomtató: a nyomtatás ide került: ") + file);
    }
}

void CombinationPrinterWindow::listClicked(QListWidget* list, int row) {
    if (row < 0) {
        return;
    }
    if (list == list1_) {
        selection_.selectRow(row);
    } else {
        selection_.selectEntry(row);
    }
}

// ---- the hand-over from the full-combination window ----

void CombinationPrinterWindow::receiveFullCombination(const FullCombinationHandOver& handOver) {
    selection_.receiveFullCombination(handOver);
}

void CombinationPrinterWindow::selectBaseSlip() {
    selection_.selectBaseSlip();
}

void CombinationPrinterWindow::clearFixMarks() {
    selection_.clearFixMarks();
}

void CombinationPrinterWindow::setClosedByExit() {
    selection_.setForm2ClosedByExit(true);
}

// ---- events ----

void CombinationPrinterWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

bool CombinationPrinterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->clear();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        for (QListWidget* list : {list1_, list2_}) {
            if (list && watched == list->viewport()) {
                pressedList_ = event->type() == QEvent::MouseButtonPress ? list : nullptr;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- the selection's state shown ----

void CombinationPrinterWindow::numberChanged(int number) {
    if (number < 1 || number >= int(numberButtons_.size()) ||
        !numberButtons_[std::size_t(number)]) {
        return;
    }
    QPushButton* button = numberButtons_[std::size_t(number)];
    button->setText(selection_.numberCaption(number));
    if (selection_.isMarked(number)) {
        // Read at the moment of marking; a missing bitmap leaves the button without a picture.
        const QPixmap picture(services_.program.dataFolder() + QStringLiteral("/XX.BMP"));
        button->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
    } else {
        button->setIcon(QIcon());
    }
}

void CombinationPrinterWindow::showList(QListWidget* list, QStringList& shown,
                                        const QStringList& items, int selected) {
    updating_ = true;
    if (shown != items) {
        list->clear();
        list->addItems(items);
        shown = items;
    }
    if (selected >= 0) {
        list->setCurrentRow(selected);
    } else {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    updating_ = false;
}

void CombinationPrinterWindow::rowsChanged() {
    showList(list1_, list1Shown_, selection_.rows(), selection_.selectedRow());
}

void CombinationPrinterWindow::entriesChanged() {
    showList(list2_, list2Shown_, selection_.entries(), selection_.selectedEntry());
}

void CombinationPrinterWindow::systemChanged() {
    const int index = selection_.systemIndex();
    if (index >= 0 && index < int(systemButtons_.size())) {
        updating_ = true;
        systemButtons_[std::size_t(index)]->setChecked(true);
        updating_ = false;
    }
}

void CombinationPrinterWindow::countersChanged() {
    const SelectionCounters& c = selection_.counters();
    label4_->setText(c.label4);
    label5_->setText(c.label5);
    label7_->setText(c.label7);
    label8_->setText(c.label8);
    label12_->setText(c.label12);
    label15_->setText(c.label15);
    label17_->setText(c.label17);
}
