#include "keyprint/KeyPrinterWindow.h"

#include "calibration/AlignmentDialog.h"
#include "core/base/InstanceCheck.h"
#include "core/results/KeyDrawCheck.h"
#include "drawcheck/DrawCheckDialog.h"
#include "forms/ButtonStrip.h"
#include "forms/FormBuilder.h"
#include "forms/JobStatusLine.h"
#include "forms/PreviewMenu.h"
#include "forms/TextBoxes.h"
#include "forms/WindowPlacement.h"
#include "keyprint/KeyGenerationDialog.h"
#include "keyprint/SlipPicture.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>

namespace {

const QStringList windowFontFamilies{
    QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};

QFont windowFont(double points) {
    QFont font;
    font.setFamilies(windowFontFamilies);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QButtonGroup* optionGroup(QObject* owner, const QString& name) {
    auto* group = new QButtonGroup(owner);
    group->setObjectName(name);
    return group;
}

void select(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    }
}

} // namespace

KeyPrinterWindow::KeyPrinterWindow(const GameProfile& profile, const WindowServices& services,
                                   QWidget* parent)
    : QWidget(parent), profile_(profile), design_(keyPrinterDesign(profile.game)),
      model_(profile, services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(design_.title);
    setWindowIcon(QIcon(slipPicture()));
    setFont(windowFont(design_.windowFontPoints));
    clientSize_ = twipsToPixels(QRect(QPoint(0, 0), design_.clientTwips)).size();
    setFixedSize(clientSize_);
    buildControls();
    takeControls();
    connectHandlers();
}

KeyPrinterWindow::~KeyPrinterWindow() = default;

// ---- design-time controls, in the order of the design ----

void KeyPrinterWindow::buildControls() {
    const FormBuilder form(this, FormBuilder::Options{true});
    buildSettingsControls(form);
    buildKeyControls(form);
    buildOptionControls(form);
    buildCommandControls(form);
    buildButtonStrip();
    buildStatusLine();
    for (QLineEdit* box : {offsetDownEdit_, offsetRightEdit_, rowsPerColumnEdit_,
                           fieldsPerSlipEdit_, firstRowEdit_, lastRowEdit_}) {
        clearOnDoubleClick(*box);
    }
    fieldsPerSlipEdit_->installEventFilter(this);
}

void KeyPrinterWindow::buildSettingsControls(const FormBuilder& form) {
    form.label(design_.heading);
    form.label(design_.offsetDownCaption);
    offsetDownEdit_ = form.textBox(design_.offsetDown);
    form.label(design_.offsetRightCaption);
    offsetRightEdit_ = form.textBox(design_.offsetRight);
    form.label(design_.rowsPerColumnCaption);
    rowsPerColumnEdit_ = form.textBox(design_.rowsPerColumn);
    form.label(design_.fieldsPerSlipCaption);
    fieldsPerSlipEdit_ = form.textBox(design_.fieldsPerSlip);
}

void KeyPrinterWindow::buildKeyControls(const FormBuilder& form) {
    rowList_ = form.place(new QListView(this), design_.rowList);
    rowsModel_ = new QStringListModel(this);
    rowList_->setModel(rowsModel_);
    rowList_->setUniformItemSizes(true); // a 32,736-row key shows at once
    rowList_->setSelectionMode(QAbstractItemView::SingleSelection);
    rowList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    form.label(design_.firstRowCaption);
    firstRowEdit_ = form.textBox(design_.firstRow);
    form.label(design_.lastRowCaption);
    lastRowEdit_ = form.textBox(design_.lastRow);
    fromToButton_ = form.button(design_.fromToButton);
    form.label(design_.jokerCaption);
    jokerGroup_ = optionGroup(this, design_.jokerOptions[0].name);
    for (const ControlDesign& option : design_.jokerOptions) {
        form.option(option, jokerGroup_);
    }
}

void KeyPrinterWindow::buildOptionControls(const FormBuilder& form) {
    saveButton_ = form.button(design_.saveButton);
    QFrame* markFrame = form.frame(design_.markFrame);
    markGroup_ = optionGroup(this, design_.markOptions[0].name);
    for (const ControlDesign& option : design_.markOptions) {
        form.option(option, markGroup_, markFrame);
    }
    form.label(design_.ejectCaption);
    ejectFirstCheck_ = form.checkBox(design_.ejectFirst);
    QFrame* orientationFrame = form.frame(design_.orientationFrame);
    orientationGroup_ = optionGroup(this, design_.orientationOptions[0].name);
    for (const ControlDesign& option : design_.orientationOptions) {
        form.option(option, orientationGroup_, orientationFrame);
    }
}

void KeyPrinterWindow::buildCommandControls(const FormBuilder& form) {
    listingButton_ = form.button(design_.listingButton);
    if (design_.hasTwoSided()) {
        twoSidedCheck_ = form.checkBox(design_.twoSided);
    }
    slipButton_ = form.button(design_.slipButton);
    chooseKeyButton_ = form.button(design_.chooseKeyButton);
    form.label(design_.slipCountCaption);
    slipCountLabel_ = form.label(design_.slipCount);
    widthLabel_ = form.label(design_.widthCaption);
    selectedRowLabel_ = form.label(design_.selectedRow);
    auto* picture = form.place(new QLabel(this), design_.picture);
    picture->setPixmap(slipPicture());
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::Panel);
    picture->setFrameShadow(QFrame::Sunken);
    rowCountLabel_ = form.label(design_.rowCount);
    exitButton_ = form.button(design_.exitButton);
}

// The buttons the design has no room for, in a strip under the designed controls.
void KeyPrinterWindow::buildButtonStrip() {
    auto* strip = new ButtonStrip(*this, clientSize_.height(), clientSize_.width());
    checkDrawButton_ =
        strip->addButton(QStringLiteral("CheckDrawButton"), QStringLiteral("Találatok"));
    makeKeyButton_ =
        strip->addButton(QStringLiteral("MakeKeyButton"), QStringLiteral("Kulcs készítés"));
    alignButton_ = strip->addButton(QStringLiteral("AlignButton"), QStringLiteral("Igazítás"));
    clientSize_.rheight() += strip->height();
    setFixedSize(clientSize_);
}

// Where a PDF job went, below the designed client area; shown only while there is one.
void KeyPrinterWindow::buildStatusLine() {
    statusLine_ = new JobStatusLine(this);
    statusLine_->setFrameShape(QFrame::Panel);
    statusLine_->setFrameShadow(QFrame::Sunken);
    statusLine_->hide();
}

void KeyPrinterWindow::connectHandlers() {
    using SlipRun = KeyPrinterModel::SlipRun;
    connect(&model_, &KeyPrinterModel::changed, this, &KeyPrinterWindow::showChanges);
    for (QLineEdit* box : {offsetDownEdit_, offsetRightEdit_, rowsPerColumnEdit_,
                           fieldsPerSlipEdit_, firstRowEdit_, lastRowEdit_}) {
        connect(box, &QLineEdit::textChanged, this, [this] { takeControls(); });
    }
    for (QCheckBox* box : {ejectFirstCheck_, twoSidedCheck_}) {
        if (box != nullptr) {
            connect(box, &QCheckBox::toggled, this, [this] { takeControls(); });
        }
    }
    for (QButtonGroup* group : {markGroup_, jokerGroup_, orientationGroup_}) {
        connect(group, &QButtonGroup::idToggled, this, [this] { takeControls(); });
    }
    connect(slipButton_, &QPushButton::clicked, this,
            [this] { model_.printSlips(SlipRun::AllRows); });
    connect(fromToButton_, &QPushButton::clicked, this,
            [this] { model_.printSlips(SlipRun::FromTo); });
    connect(listingButton_, &QPushButton::clicked, this, [this] { model_.printListing(); });
    connect(addPreviewMenu(*slipButton_), &QAction::triggered, this,
            [this] { model_.previewSlips(SlipRun::AllRows); });
    connect(addPreviewMenu(*fromToButton_), &QAction::triggered, this,
            [this] { model_.previewSlips(SlipRun::FromTo); });
    connect(addPreviewMenu(*listingButton_), &QAction::triggered, this,
            [this] { model_.previewListing(); });
    connect(chooseKeyButton_, &QPushButton::clicked, this, [this] { model_.chooseKey(); });
    connect(checkDrawButton_, &QPushButton::clicked, this, [this] { checkDraws(); });
    connect(makeKeyButton_, &QPushButton::clicked, this, [this] { generateKey(); });
    connect(alignButton_, &QPushButton::clicked, this, [this] { align(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { model_.saveSettings(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { close(); });
    // A row selected by mouse, keyboard or code shows its caption; a click on the row that is
    // already selected changes no selection, so the click itself shows it too.
    connect(rowList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { rowClicked(); });
    connect(rowList_, &QListView::clicked, this, [this] { rowClicked(); });
}

// Text6 left for another control of the window corrects itself.
bool KeyPrinterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == fieldsPerSlipEdit_) {
        // Only a move of the focus to another control of the window counts, not the window
        // losing activation or a popup opening.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            model_.fieldsPerSlipLeft();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- load ----

bool KeyPrinterWindow::load() {
    if (!claimSingleInstance(model_.services())) {
        return false;
    }
    centreOnScreen(*this, model_.services().screen.screenSize());
    model_.loadSettings();
    return true;
}

QStringList KeyPrinterWindow::rows() const {
    return model_.rows();
}

// The controls as they stand, handed to the model whenever one of them changes.
void KeyPrinterWindow::takeControls() {
    KeyRunControls controls;
    controls.offsetDown = offsetDownEdit_->text();
    controls.offsetRight = offsetRightEdit_->text();
    controls.firstRow = firstRowEdit_->text();
    controls.lastRow = lastRowEdit_->text();
    controls.fieldsPerSlip = fieldsPerSlipEdit_->text();
    controls.ejectFirst = ejectFirstCheck_->isChecked();
    controls.markIndex = markGroup_->checkedId();
    controls.jokerIndex = jokerGroup_->checkedId();
    controls.orientationIndex = orientationGroup_->checkedId();
    controls.rowsPerColumn = rowsPerColumnEdit_->text();
    controls.twoSided = twoSidedCheck_ != nullptr && twoSidedCheck_->isChecked();
    model_.setControls(controls);
}

// ---- handlers ----

void KeyPrinterWindow::rowClicked() {
    const QModelIndexList selected = rowList_->selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        model_.selectRow(selected.first().row());
    }
}

// "Találatok": every row of List1 checked against the draw, each winner with the slip and field
// "Szelv. kitölt" prints it on with the Text6 shown now.
void KeyPrinterWindow::checkDraws() {
    DrawCheckSource source;
    source.program = model_.services().program.executableName();
    source.messageTitle = profile_.keyTitle;
    source.check = [this](const std::vector<Draw>& draws, CheckedSubject) {
        DrawCheckOutcome outcome;
        if (model_.rows().isEmpty()) {
            outcome.refusal = profile_.keyMissingMessage;
            return outcome;
        }
        outcome.result = checkKey(profile_, model_.rows(), model_.rowMasks(),
                                  model_.controls().fieldsPerSlip, draws);
        return outcome;
    };
    source.subject = [this](CheckedSubject) { return keyCheckSubject(model_.keyPath()); };
    source.prepare = [this](CheckedSubject) {
        return prepareKeyCheck(profile_, model_.rows(), model_.rowMasks(),
                               model_.controls().fieldsPerSlip);
    };
    DrawCheckDialog dialog(profile_, model_.services(), model_.presenter(), std::move(source),
                           this);
    dialog.exec();
}

// "Kulcs készítés": a key made for the numbers the user plays, loaded into List1 as a chosen key
// file would be, and saved on request.
void KeyPrinterWindow::generateKey() {
    KeyGenerationDialog dialog(profile_, model_.services(), model_, keySearchOptions_, this);
    dialog.exec();
}

// "Igazítás": the test sheet, the readings, the offsets they lead to set and saved.
void KeyPrinterWindow::align() {
    AlignmentDialog dialog(model_, this);
    dialog.exec();
}

// "Kilép" or the window's frame: the program ends at once, without saving.
void KeyPrinterWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

// ---- what the model says ----

void KeyPrinterWindow::showChanges(KeyPrinterModel::Parts parts) {
    if (parts & KeyPrinterModel::Part::Rows) {
        rowsModel_->setStringList(model_.rows());
    }
    if (parts & KeyPrinterModel::Part::Captions) {
        const KeyPrinterModel::Captions& captions = model_.captions();
        slipCountLabel_->setText(captions.slipCount);
        rowCountLabel_->setText(captions.rowCount);
        selectedRowLabel_->setText(captions.selectedRow);
        widthLabel_->setText(captions.width);
    }
    if (parts & KeyPrinterModel::Part::Controls) {
        showControls();
    }
    if (parts & KeyPrinterModel::Part::Status) {
        showStatus(model_.status());
    }
}

// The values the model set (the settings read, Text6 corrected), without handing them back.
void KeyPrinterWindow::showControls() {
    const KeyRunControls& controls = model_.controls();
    const std::pair<QLineEdit*, QString> boxes[] = {
        {offsetDownEdit_, controls.offsetDown},       {offsetRightEdit_, controls.offsetRight},
        {rowsPerColumnEdit_, controls.rowsPerColumn}, {fieldsPerSlipEdit_, controls.fieldsPerSlip},
        {firstRowEdit_, controls.firstRow},           {lastRowEdit_, controls.lastRow}};
    for (const auto& [box, text] : boxes) {
        if (box->text() != text) {
            const QSignalBlocker quietBox(box);
            box->setText(text);
        }
    }
    for (const auto& [group, index] :
         {std::pair{markGroup_, controls.markIndex}, std::pair{jokerGroup_, controls.jokerIndex},
          std::pair{orientationGroup_, controls.orientationIndex}}) {
        const QSignalBlocker quietGroup(group);
        select(group, index);
    }
}

// A job written as a PDF names its file under the controls, a save says what it saved; a job on
// a printer takes the line away again.
void KeyPrinterWindow::showStatus(const StatusLine& status) {
    if (status.note.isEmpty()) {
        statusLine_->showJobFile(status.pdfFile);
    } else {
        statusLine_->showNote(status.note);
    }
    if (statusLine_->fullText().isEmpty()) {
        statusLine_->hide();
        setFixedSize(clientSize_);
        return;
    }
    const int margin = 4;
    const int width = clientSize_.width() - 2 * margin;
    const int height = statusLine_->sizeHint().height();
    statusLine_->setGeometry(margin, clientSize_.height(), width, height);
    setFixedSize(clientSize_.width(), clientSize_.height() + height + margin);
    statusLine_->show();
}
