#include "KeyPrinterWindow.h"

#include "InstanceCheck.h"
#include "KeyChooser.h"
#include "KeyListing.h"
#include "KeySlipRun.h"
#include "NumberText.h"
#include "PrintSurface.h"
#include "SettingsFile.h"
#include "SlipLayout.h"
#include "SlipPicture.h"
#include "Titles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include <cmath>
#include <exception>

namespace {

const QStringList windowFontFamilies{
    QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};

// Runs one handler; nothing may escape from a handler into the event loop.
template <typename Handler> void guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception&) {
    } catch (...) {
    }
}

QFont windowFont(double points) {
    QFont font;
    font.setFamilies(windowFontFamilies);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// The slip count shown in Label4: floor((rows - 1) / x) + 1, 0 for an empty list.
QString slipCountCaption(qsizetype rowCount, double fieldsPerSlip) {
    const double slips = std::floor(double(rowCount - 1) / fieldsPerSlip) + 1.0;
    return strForm(saturatedInteger(slips));
}

} // namespace

KeyPrinterWindow::KeyPrinterWindow(const GameProfile& profile, const Services& services,
                                   QWidget* parent)
    : QWidget(parent), profile_(profile), services_(services),
      design_(keyPrinterDesign(profile.game)) {
    setObjectName(QStringLiteral("Form1"));
    chooser_ = std::make_unique<KeyChooser>(profile_, PrinterFamily::Key, services_);
    setWindowTitle(::windowTitle(profile_));
    setWindowIcon(QIcon(slipPicture()));
    setFont(windowFont(design_.windowFontPoints));
    clientSize_ = QSize(twipsToPixels(design_.clientTwips.width()),
                        twipsToPixels(design_.clientTwips.height()));
    setFixedSize(clientSize_);
    buildControls();
    connectHandlers();
}

KeyPrinterWindow::~KeyPrinterWindow() = default;

void KeyPrinterWindow::buildControls() {
    for (const ControlDesign& design : design_.controls) {
        QWidget* parent = design.frame.isEmpty() ? this : controls_.value(design.frame, this);
        QWidget* widget = createControl(design, parent);
        widget->setObjectName(design.objectName());
        widget->setFont(
            windowFont(design.fontPoints > 0 ? design.fontPoints : design_.windowFontPoints));
        widget->setGeometry(placement(design, widget->sizeHint()));
        if (design.index >= 0) {
            widget->setProperty("controlArray", design.name);
            widget->setProperty("index", design.index);
        }
        if (design.blue) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, Qt::blue);
            widget->setPalette(palette);
        }
        controls_.insert(design.objectName(), widget);
    }

    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusLine_->setWordWrap(true);
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusLine_->setFrameShape(QFrame::Panel);
    statusLine_->setFrameShadow(QFrame::Sunken);
    statusLine_->hide();
}

QRect KeyPrinterWindow::placement(const ControlDesign& design, const QSize& sizeHint) {
    QRect place = twipsToPixels(design.twips);
    // Option buttons and check boxes are given at least the height their indicator needs,
    // centred on the designed place, so the indicator is never cut off.
    const bool indicator =
        design.kind == ControlKind::OptionButton || design.kind == ControlKind::CheckBox;
    if (indicator && sizeHint.height() > place.height()) {
        const int centre = place.top() + place.height() / 2;
        place.setTop(centre - sizeHint.height() / 2);
        place.setHeight(sizeHint.height());
    }
    return place;
}

QWidget* KeyPrinterWindow::createControl(const ControlDesign& design, QWidget* parent) {
    switch (design.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(design.caption, parent);
        label->setAlignment(design.centred ? Qt::AlignHCenter | Qt::AlignTop
                                           : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(design.centred);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(design.caption, parent);
        box->installEventFilter(this);
        return box;
    }
    case ControlKind::ListBox: {
        list1_ = new QListView(parent);
        rowsModel_ = new QStringListModel(this);
        list1_->setModel(rowsModel_);
        list1_->setUniformItemSizes(true);
        list1_->setSelectionMode(QAbstractItemView::SingleSelection);
        list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return list1_;
    }
    case ControlKind::Button:
        return new QPushButton(design.caption, parent);
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(design.caption, parent);
        QButtonGroup*& group = optionGroups_[design.name];
        if (group == nullptr) {
            group = new QButtonGroup(this);
            group->setObjectName(design.name);
        }
        group->addButton(option, design.index);
        option->setChecked(design.selected);
        return option;
    }
    case ControlKind::CheckBox: {
        auto* check = new QCheckBox(design.caption, parent);
        check->setChecked(design.selected);
        return check;
    }
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Sunken);
        return frame;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(slipPicture());
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::Panel);
        picture->setFrameShadow(QFrame::Sunken);
        return picture;
    }
    }
    return new QWidget(parent);
}

void KeyPrinterWindow::connectHandlers() {
    auto button = [this](const char* name) {
        return qobject_cast<QPushButton*>(controls_.value(QString::fromLatin1(name)));
    };
    connect(button("Command3D1"), &QPushButton::clicked, this,
            [this] { guarded([this] { printAllRows(); }); });
    connect(button("Command3D9"), &QPushButton::clicked, this,
            [this] { guarded([this] { printFromTo(); }); });
    connect(button("Command3D5"), &QPushButton::clicked, this,
            [this] { guarded([this] { printListing(); }); });
    connect(button("Command3D4"), &QPushButton::clicked, this,
            [this] { guarded([this] { chooseKey(); }); });
    connect(button("Command3D3"), &QPushButton::clicked, this,
            [this] { guarded([this] { saveSettings(); }); });
    connect(button("Command3D2"), &QPushButton::clicked, this, [this] { exitProgram(); });
    // A row selected by mouse, keyboard or code runs the click handler, and so does a click on
    // the row already selected.
    connect(list1_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { guarded([this] { list1Click(); }); });
    connect(list1_, &QListView::clicked, this, [this] { guarded([this] { list1Click(); }); });
}

bool KeyPrinterWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        box->clear();
        return true;
    }
    if (event->type() == QEvent::FocusOut && box->objectName() == QLatin1String("Text6")) {
        // Only a move of the focus to another control of the window counts, not the window
        // losing activation or a popup opening.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            guarded([this] { text6LostFocus(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool KeyPrinterWindow::load() {
    if (!claimSingleInstance(services_)) {
        return false;
    }
    guarded([this] { centreOnScreen(); });
    guarded([this] { loadSettings(); });
    return true;
}

QStringList KeyPrinterWindow::rows() const {
    return rowsModel_->stringList();
}

void KeyPrinterWindow::centreOnScreen() {
    const QSize screen = services_.screen.screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

QString KeyPrinterWindow::settingsPath() const {
    return services_.program.programFolder() + QLatin1Char('/') +
           settingsFileName(PrinterFamily::Key, profile_.game);
}

void KeyPrinterWindow::loadSettings() {
    KeyPrinterSettings current;
    current.text1 = textBox("Text1")->text();
    current.text2 = textBox("Text2")->text();
    current.text5 = textBox("Text5")->text();
    current.markIndex = selectedIndex(optionGroups_.value("Option2"));
    current.orientationIndex = selectedIndex(optionGroups_.value("Option4"));
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(settingsPath(), current);
    textBox("Text1")->setText(loaded.text1);
    textBox("Text2")->setText(loaded.text2);
    textBox("Text5")->setText(loaded.text5);
    select(optionGroups_.value("Option2"), loaded.markIndex);
    select(optionGroups_.value("Option4"), loaded.orientationIndex);
}

void KeyPrinterWindow::saveSettings() {
    KeyPrinterSettings values;
    values.text1 = textBox("Text1")->text();
    values.text2 = textBox("Text2")->text();
    values.text5 = textBox("Text5")->text();
    values.markIndex = selectedIndex(optionGroups_.value("Option2"));
    values.orientationIndex = selectedIndex(optionGroups_.value("Option4"));
    // The key printers save silently: a failed save leaves the old file and the window as
    // they were.
    saveKeyPrinterSettings(settingsPath(), values);
}

void KeyPrinterWindow::chooseKey() {
    const KeyChoice choice = chooser_->choose(textBox("Text6")->text());
    setRows(choice.rows);
    if (choice.clearLabel7) {
        label("Label7")->clear();
    }
    if (choice.fieldsPerSlipText) {
        textBox("Text6")->setText(*choice.fieldsPerSlipText);
    }
    if (choice.slipCountCaption) {
        label("Label4")->setText(*choice.slipCountCaption);
    }
    if (choice.rowCountCaption) {
        label("Label5")->setText(*choice.rowCountCaption);
    }
    if (choice.widthCaption) {
        label(design_.widthLabel)->setText(*choice.widthCaption);
    }
}

void KeyPrinterWindow::setRows(const QStringList& rows) {
    rowsModel_->setStringList(rows);
}

void KeyPrinterWindow::list1Click() {
    const QModelIndexList selected = list1_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return;
    }
    const long long i = selected.first().row();
    const long long f = roundHalfEven(leadingNumber(textBox("Text6")->text()));
    if (f == 0) {
        return;
    }
    const double slip = std::floor(double(i) / double(f)) + 1.0;
    label("Label7")->setText(strForm(i + 1) + QStringLiteral(" /") +
                             strForm(saturatedInteger(slip)));
}

void KeyPrinterWindow::text6LostFocus() {
    QLineEdit* text6 = textBox("Text6");
    double x = leadingNumber(text6->text());
    const int maximum = maxFieldsPerSlip();
    if (x < 1 || x > maximum) {
        text6->setText(QString::number(maximum));
        x = maximum;
    }
    label("Label4")->setText(slipCountCaption(rowsModel_->rowCount(), x));
}

KeyRunControls KeyPrinterWindow::runControls() const {
    KeyRunControls controls;
    controls.rows = rows();
    controls.text1 = textBox("Text1")->text();
    controls.text2 = textBox("Text2")->text();
    controls.text3 = textBox("Text3")->text();
    controls.text4 = textBox("Text4")->text();
    controls.text6 = textBox("Text6")->text();
    controls.check1 = checkBox("Check1")->isChecked();
    controls.markIndex = selectedIndex(optionGroups_.value("Option2"));
    controls.jokerIndex = selectedIndex(optionGroups_.value("Option1"));
    controls.orientationIndex = selectedIndex(optionGroups_.value("Option4"));
    return controls;
}

void KeyPrinterWindow::printAllRows() {
    const std::optional<QString> corrected =
        runAllRows(profile_, runControls(),
                   KeyRunServices{services_.messageBox, services_.busyPointer, services_.printer});
    if (corrected) {
        textBox("Text6")->setText(*corrected);
    }
    showJobFile();
}

void KeyPrinterWindow::printFromTo() {
    const std::optional<QString> corrected =
        runFromTo(profile_, runControls(),
                  KeyRunServices{services_.messageBox, services_.busyPointer, services_.printer});
    if (corrected) {
        textBox("Text6")->setText(*corrected);
    }
    showJobFile();
}

void KeyPrinterWindow::printListing() {
    KeyListingControls controls;
    controls.rows = rows();
    controls.text5 = textBox("Text5")->text();
    const QCheckBox* check3 = checkBox("Check3");
    controls.check3 = check3 != nullptr && check3->isChecked();
    controls.currentKeyPath = chooser_->currentFileName();
    printKeyListing(profile_, controls,
                    KeyListingServices{services_.messageBox, services_.inputBox,
                                       services_.busyPointer, services_.clock, services_.printer});
    showJobFile();
}

void KeyPrinterWindow::exitProgram() {
    emit exitRequested();
    close();
    QCoreApplication::quit();
}

void KeyPrinterWindow::showJobFile() {
    const QString file = services_.printReport.lastJobFile();
    if (file.isEmpty()) {
        return;
    }
    statusLine_->setText(QStringLiteral("Nincs nyomtató, a nyomtatás PDF-fájlba került: ") +
                         QDir::toNativeSeparators(file));
    const int margin = 4;
    const int width = clientSize_.width() - 2 * margin;
    const int height = statusLine_->heightForWidth(width);
    statusLine_->setGeometry(margin, clientSize_.height(), width, height);
    setFixedSize(clientSize_.width(), clientSize_.height() + height + margin);
    statusLine_->show();
}

int KeyPrinterWindow::maxFieldsPerSlip() const {
    return keySlip(profile_.game).maxFieldsPerSlip;
}

QLineEdit* KeyPrinterWindow::textBox(const QString& name) const {
    return qobject_cast<QLineEdit*>(controls_.value(name));
}

QCheckBox* KeyPrinterWindow::checkBox(const QString& name) const {
    return qobject_cast<QCheckBox*>(controls_.value(name));
}

QLabel* KeyPrinterWindow::label(const QString& name) const {
    return qobject_cast<QLabel*>(controls_.value(name));
}

int KeyPrinterWindow::selectedIndex(const QButtonGroup* group) {
    return group == nullptr ? -1 : group->checkedId();
}

void KeyPrinterWindow::select(QButtonGroup* group, int index) {
    if (group == nullptr) {
        return;
    }
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    }
}
