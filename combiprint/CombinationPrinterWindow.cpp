#include "combiprint/CombinationPrinterWindow.h"

#include "calibration/AlignmentDialog.h"
#include "combiprint/FullCombinationWindow.h"
#include "core/base/InstanceCheck.h"
#include "core/base/Maker.h"
#include "core/results/CombinationDrawCheck.h"
#include "core/results/FullCombinationDrawCheck.h"
#include "core/slip/SystemTable.h"
#include "drawcheck/DrawCheckDialog.h"
#include "forms/ButtonStrip.h"
#include "forms/FormBuilder.h"
#include "forms/JobStatusLine.h"
#include "forms/PreviewMenu.h"
#include "forms/TextBoxes.h"
#include "forms/WindowPlacement.h"

#include <QAction>
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
#include <QSignalBlocker>

namespace {

const QColor background(224, 224, 224);

const QString systemTooltip =
    QStringLiteral("Az első szám a FIX, a második a KOMBINÁLT számok darabszáma.");

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setPixelSize(QWidget* widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
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

} // namespace

CombinationPrinterWindow::CombinationPrinterWindow(const GameProfile& profile,
                                                   const WindowServices& services, QWidget* parent)
    : QWidget(parent), profile_(profile), design_(combinationPrinterDesign(profile.game)),
      model_(profile, services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(design_.title);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, background);
    // A small dialog font, so the captions fit the design-time sizes.
    setPixelSize(this, 11);
    buildControls();
    fitWindow();
    takeControls();
    connectHandlers();
}

CombinationPrinterWindow::~CombinationPrinterWindow() = default;

// ---- design-time controls, in the order of the design ----

void CombinationPrinterWindow::buildControls() {
    const FormBuilder form(this);
    buildSettingsControls(form);
    buildSelectionControls(form);
    buildRowControls(form);
    buildArrayTemplates(form);
    statusLine_ = new JobStatusLine(this);
    for (QLineEdit* box : {offsetDownEdit_, offsetRightEdit_, firstRowEdit_, lastRowEdit_}) {
        clearOnDoubleClick(*box);
    }
}

void CombinationPrinterWindow::buildSettingsControls(const FormBuilder& form) {
    form.frame(design_.gridFrame)->setFrameShadow(QFrame::Plain);
    form.label(design_.heading);
    form.label(design_.offsetDownCaption);
    offsetDownEdit_ = form.textBox(design_.offsetDown);
    form.label(design_.offsetRightCaption);
    offsetRightEdit_ = form.textBox(design_.offsetRight);
    saveButton_ = form.button(design_.saveButton);
    buildFrames(form);
    form.label(design_.ejectCaption);
    ejectFirstCheck_ = form.checkBox(design_.ejectFirst);
}

// Frame1 holds the mark symbols, Frame2 the Joker choice.
void CombinationPrinterWindow::buildFrames(const FormBuilder& form) {
    auto* markFrame = form.place(new QGroupBox(this), design_.markFrame);
    markGroup_ = new QButtonGroup(this);
    for (const ControlDesign& option : design_.markOptions) {
        form.option(option, markGroup_, markFrame);
    }
    auto* jokerFrame = form.place(new QGroupBox(this), design_.jokerFrame);
    form.label(design_.jokerCaption, jokerFrame);
    jokerGroup_ = new QButtonGroup(this);
    for (const ControlDesign& option : design_.jokerOptions) {
        form.option(option, jokerGroup_, jokerFrame);
    }
}

void CombinationPrinterWindow::buildSelectionControls(const FormBuilder& form) {
    form.label(design_.systemCombinationsCaption);
    form.label(design_.fixCountCaption);
    form.label(design_.combinationCountCaption);
    systemCombinationsLabel_ = form.label(design_.systemCombinations);
    fixCountLabel_ = form.label(design_.fixCount);
    combinationCountLabel_ = form.label(design_.combinationCount);
    checkedTotalLabel_ = form.label(design_.checkedTotal);
    checkButton_ = form.button(design_.checkButton);
    expectedTotalLabel_ = form.label(design_.expectedTotal);
    expectedTotalLabel_->setAlignment(Qt::AlignCenter);
    expectedTotalLabel_->setFrameShape(QFrame::Box);
    expectedTotalLabel_->setAutoFillBackground(true);
    setColour(expectedTotalLabel_, QPalette::Window, Qt::white);
    deleteEntryButton_ = form.button(design_.deleteEntryButton);
    entryList_ = addList(form, design_.entryList);
    fullCombinationButton_ = form.button(design_.fullCombinationButton);
    printFullButton_ = form.button(design_.printFullButton);
    addRowButton_ = form.button(design_.addRowButton);
    clearButton_ = form.button(design_.clearButton);
    clearRowsTooCheck_ = form.checkBox(design_.clearRowsToo);
}

void CombinationPrinterWindow::buildRowControls(const FormBuilder& form) {
    rowList_ = addList(form, design_.rowList);
    deleteRowButton_ = form.button(design_.deleteRowButton);
    form.label(design_.firstRowCaption);
    firstRowEdit_ = form.textBox(design_.firstRow);
    form.label(design_.lastRowCaption);
    lastRowEdit_ = form.textBox(design_.lastRow);
    selectedRowLabel_ = form.label(design_.selectedRow);
    fromToButton_ = form.button(design_.fromToButton);
    slipButton_ = form.button(design_.slipButton);
    form.label(design_.slipCountCaption);
    slipCountLabel_ = form.label(design_.slipCount);
    chooseKeyButton_ = form.button(design_.chooseKeyButton);
    exitButton_ = form.button(design_.exitButton);
    form.place(new QLabel(this), design_.picture)->setPixmap(windowPicture());
}

// Elements 0 of the two control arrays: the hidden grid button and the first system.
void CombinationPrinterWindow::buildArrayTemplates(const FormBuilder& form) {
    gridTemplate_ = form.button(design_.gridTemplate);
    gridTemplate_->hide();
    numberButtons_.assign(std::size_t(profile_.highestNumber) + 1, nullptr);
    numberButtons_[0] = gridTemplate_;
    marksShown_.assign(numberButtons_.size(), false);

    systemGroup_ = new QButtonGroup(this);
    systemTemplate_ = form.option(design_.systemTemplate, systemGroup_);
    systemTemplate_->setText(systemTable(profile_.game).codes.value(0));
    systemTemplate_->setToolTip(systemTooltip);
    setPixelSize(systemTemplate_, 10);
    systemButtons_.push_back(systemTemplate_);
}

QListWidget* CombinationPrinterWindow::addList(const FormBuilder& form,
                                               const ControlDesign& design) {
    auto* list = form.place(new QListWidget(this), design);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void CombinationPrinterWindow::fitWindow() {
    QRect used;
    for (const ControlDesign* control : design_.windowControls()) {
        used |= control->twips;
    }
    const SystemTable& table = systemTable(profile_.game);
    const int perColumn = table.boxesPerColumn;
    const int columns = int((table.codes.size() + perColumn - 1) / perColumn);
    const QRect first = design_.systemTemplate.twips;
    used |= QRect(first.topLeft(), QSize(columns * (first.width() + design_.systemGap),
                                         perColumn * (first.height() + design_.systemGap)));
    const int width = twipsToPixels(used.right() + 150);
    // The buttons the design has no room for, in a strip under the designed controls, then the
    // status line.
    auto* strip = new ButtonStrip(*this, twipsToPixels(used.bottom() + 90), width);
    checkDrawButton_ =
        strip->addButton(QStringLiteral("CheckDrawButton"), QStringLiteral("Találatok"));
    alignButton_ = strip->addButton(QStringLiteral("AlignButton"), QStringLiteral("Igazítás"));
    const int statusTop = strip->geometry().bottom() + 1;
    statusLine_->setGeometry(8, statusTop, width - 16, 20);
    setFixedSize(width, statusTop + 26);
}

void CombinationPrinterWindow::connectHandlers() {
    using Run = CombinationPrinterModel::Run;
    CombinationSelection& selection = model_.selection();
    connect(&model_, &CombinationPrinterModel::changed, this,
            &CombinationPrinterWindow::showChanges);
    for (QLineEdit* box : {offsetDownEdit_, offsetRightEdit_, firstRowEdit_, lastRowEdit_}) {
        connect(box, &QLineEdit::textChanged, this, [this] { takeControls(); });
    }
    connect(ejectFirstCheck_, &QCheckBox::toggled, this, [this] { takeControls(); });
    for (QButtonGroup* group : {markGroup_, jokerGroup_}) {
        connect(group, &QButtonGroup::idToggled, this, [this] { takeControls(); });
    }
    connect(saveButton_, &QPushButton::clicked, this, [this] { model_.saveSettings(); });
    connect(chooseKeyButton_, &QPushButton::clicked, this, [this] { model_.chooseKey(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { close(); });
    const std::pair<QPushButton*, Run> printButtons[] = {{slipButton_, Run::AllRows},
                                                         {fromToButton_, Run::FromTo},
                                                         {printFullButton_, Run::FullCombination}};
    for (const auto& [button, run] : printButtons) {
        connect(button, &QPushButton::clicked, this, [this, run] { model_.print(run); });
        connect(addPreviewMenu(*button), &QAction::triggered, this,
                [this, run] { model_.preview(run); });
    }
    connect(fullCombinationButton_, &QPushButton::clicked, this, [this] { openFullCombination(); });
    connect(checkDrawButton_, &QPushButton::clicked, this, [this] { checkDraws(); });
    connect(alignButton_, &QPushButton::clicked, this, [this] { align(); });
    connect(addRowButton_, &QPushButton::clicked, this,
            [&selection] { selection.addCombinationRow(); });
    connect(clearButton_, &QPushButton::clicked, this,
            [this, &selection] { selection.clearSelection(clearRowsTooCheck_->isChecked()); });
    connect(checkButton_, &QPushButton::clicked, this,
            [&selection] { selection.totalCombinations(); });
    connect(deleteRowButton_, &QPushButton::clicked, this,
            [&selection] { selection.deleteSelectedRow(); });
    connect(deleteEntryButton_, &QPushButton::clicked, this,
            [&selection] { selection.deleteSelectedEntry(); });
    connect(systemGroup_, &QButtonGroup::idClicked, this,
            [&selection](int id) { selection.selectSystem(id); });
    connectList(rowList_, &CombinationSelection::selectRow);
    connectList(entryList_, &CombinationSelection::selectEntry);
}

// A row chosen in a list runs the list's handler: by the keyboard (the current row changes),
// and by a click, also on the row already selected. A mouse click on another row changes the
// current row on the press and clicks on the release, so it runs the handler twice; selecting
// a row or applying an entry twice gives the same state as once. The window's own changes of
// the current row are held back (showList), so the selection never hears its own echo.
void CombinationPrinterWindow::connectList(QListWidget* list,
                                           void (CombinationSelection::*select)(int)) {
    const auto run = [this, select](int row) {
        if (row >= 0) {
            (model_.selection().*select)(row);
        }
    };
    connect(list, &QListWidget::currentRowChanged, this, run);
    connect(list, &QListWidget::itemClicked, this,
            [list, run](QListWidgetItem* item) { run(list->row(item)); });
}

// ---- start-up ----

bool CombinationPrinterWindow::load() {
    if (!claimSingleInstance(model_.services())) {
        return false;
    }
    centreOnScreen(*this, model_.services().screen.screenSize());
    model_.loadSettings();
    buildNumberGrid();
    buildSystemsTable();
    return true;
}

// The controls as they stand, handed to the model whenever one of them changes.
void CombinationPrinterWindow::takeControls() {
    CombinationRunControls controls;
    controls.offsetDown = offsetDownEdit_->text();
    controls.offsetRight = offsetRightEdit_->text();
    controls.firstRow = firstRowEdit_->text();
    controls.lastRow = lastRowEdit_->text();
    controls.ejectFirst = ejectFirstCheck_->isChecked();
    controls.markIndex = markGroup_->checkedId();
    controls.jokerYes = jokerGroup_->checkedId() == 0;
    model_.setControls(controls);
}

void CombinationPrinterWindow::buildNumberGrid() {
    const FormBuilder form(this);
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        QPushButton* button = form.button(FormBuilder::gridElement(
            design_.gridTemplate, n, design_.buttonsPerGridRow, design_.gridPitch));
        setPixelSize(button, 10);
        button->setText(model_.selection().numberCaption(n));
        button->setToolTip(QLatin1Char(' ') + QString::number(n) + QLatin1Char(' '));
        button->setIconSize(button->size() - QSize(4, 4));
        button->show();
        connect(button, &QPushButton::clicked, this,
                [this, n] { model_.selection().toggleNumber(n); });
        numberButtons_[std::size_t(n)] = button;
    }
}

void CombinationPrinterWindow::buildSystemsTable() {
    const FormBuilder form(this);
    const SystemTable& table = systemTable(profile_.game);
    const QRect first = design_.systemTemplate.twips;
    for (int i = 1; i < table.codes.size(); ++i) {
        const int column = i / table.boxesPerColumn;
        const int row = i - column * table.boxesPerColumn;
        ControlDesign element = design_.systemTemplate;
        element.index = i;
        element.twips.moveTopLeft(first.topLeft() +
                                  QPoint(column * (first.width() + design_.systemGap),
                                         row * (first.height() + design_.systemGap)));
        QRadioButton* option = form.option(element, systemGroup_);
        option->setFont(systemTemplate_->font());
        option->setToolTip(systemTemplate_->toolTip());
        option->show();
        systemButtons_.push_back(option);
    }
    for (int i = 0; i < int(systemButtons_.size()); ++i) {
        systemButtons_[std::size_t(i)]->setText(table.codes[i]);
    }
}

// ---- handlers ----

// "7-s kombinációk": the selection is cleared and Form2 shown modally; the help follows unless
// Form2 was left through its "Kilép", which also unloads it.
void CombinationPrinterWindow::openFullCombination() {
    model_.startFullCombination(clearRowsTooCheck_->isChecked());
    if (!fullCombinationWindow_) {
        fullCombinationWindow_ =
            new FullCombinationWindow(profile_, model_.services(), model_.selection(), this);
    }
    if (fullCombinationWindow_->exec() == FullCombinationWindow::LeftThroughExit) {
        delete fullCombinationWindow_.data();
        return;
    }
    model_.showFullCombinationHelp();
}

// "Találatok": every row of List1 as the slip "Szelv. kitölt" prints with the FIX marks and
// system, or, when List2 holds a full combination, the whole full combination.
void CombinationPrinterWindow::checkDraws() {
    const CombinationSelection& selection = model_.selection();
    DrawCheckSource source;
    source.program = model_.services().program.executableName();
    source.messageTitle = Maker::messageTitle;
    source.offersFullCombination = holdsFullCombination(selection);
    source.defaultSubject = CheckedSubject::CombinationRows;
    source.check = [&selection](const std::vector<Draw>& draws, CheckedSubject subject) {
        return subject == CheckedSubject::FullCombination ? checkFullCombination(selection, draws)
                                                          : checkCombinationRows(selection, draws);
    };
    source.subject = [&selection](CheckedSubject subject) {
        return combinationCheckSubject(selection, subject);
    };
    source.prepare = [&selection](CheckedSubject subject) {
        return prepareCombinationCheck(selection, subject);
    };
    DrawCheckDialog dialog(profile_, model_.services(), model_.presenter(), std::move(source),
                           this);
    dialog.exec();
}

// "Igazítás": the test sheet, the readings, the offsets they lead to set and saved.
void CombinationPrinterWindow::align() {
    AlignmentDialog dialog(model_, this);
    dialog.exec();
}

// ---- events ----

void CombinationPrinterWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

// ---- what the model says ----

void CombinationPrinterWindow::showChanges(CombinationPrinterModel::Parts parts) {
    using Part = CombinationPrinterModel::Part;
    const CombinationSelection& selection = model_.selection();
    if (parts & Part::Numbers) {
        showNumbers();
    }
    if (parts & Part::Rows) {
        showList(rowList_, rowsShown_, selection.rows(), selection.selectedRow());
    }
    if (parts & Part::Entries) {
        showList(entryList_, entriesShown_, selection.entries(), selection.selectedEntry());
    }
    if (parts & Part::System) {
        showSystem();
    }
    if (parts & Part::Counters) {
        showCounters();
    }
    if (parts & Part::Controls) {
        showControls();
    }
    if (parts & Part::Status) {
        const StatusLine& status = model_.status();
        if (status.note.isEmpty()) {
            statusLine_->showJobFile(status.pdfFile);
        } else {
            statusLine_->showNote(status.note);
        }
    }
}

// Every number button's caption; a button marked now shows the picture, read at the moment of
// marking (a missing bitmap leaves the button without one).
void CombinationPrinterWindow::showNumbers() {
    const CombinationSelection& selection = model_.selection();
    for (int n = 1; n < int(numberButtons_.size()); ++n) {
        QPushButton* button = numberButtons_[std::size_t(n)];
        if (!button) {
            continue;
        }
        button->setText(selection.numberCaption(n));
        const bool marked = selection.isMarked(n);
        if (marked == marksShown_[std::size_t(n)]) {
            continue;
        }
        marksShown_[std::size_t(n)] = marked;
        const QPixmap picture =
            marked ? QPixmap(model_.services().program.dataFolder() + QStringLiteral("/XX.BMP"))
                   : QPixmap();
        button->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
    }
}

// Shows the list's items and its selected row without running the list's handler. The items
// are put in only when they changed: a selection change alone must not refill a long list.
void CombinationPrinterWindow::showList(QListWidget* list, QStringList& shown,
                                        const QStringList& items, int selected) {
    const QSignalBlocker quiet(list);
    if (shown != items) {
        list->clear();
        list->addItems(items);
        shown = items;
    }
    list->setCurrentRow(selected);
    if (selected < 0) {
        list->clearSelection();
    }
}

void CombinationPrinterWindow::showSystem() {
    const int index = model_.selection().systemIndex();
    if (index >= 0 && index < int(systemButtons_.size())) {
        const QSignalBlocker quiet(systemGroup_);
        systemButtons_[std::size_t(index)]->setChecked(true);
    }
}

void CombinationPrinterWindow::showCounters() {
    const SelectionCounters c = model_.selection().counters();
    slipCountLabel_->setText(c.slipCount);
    expectedTotalLabel_->setText(c.expectedTotal);
    selectedRowLabel_->setText(c.selectedRowPosition);
    combinationCountLabel_->setText(c.combinationCount);
    systemCombinationsLabel_->setText(c.systemCombinations);
    fixCountLabel_->setText(c.fixCount);
    checkedTotalLabel_->setText(c.checkedTotal);
}

// The values the model set (the settings read, new offsets), without handing them back.
void CombinationPrinterWindow::showControls() {
    const CombinationRunControls& controls = model_.controls();
    for (const auto& [box, text] : {std::pair{offsetDownEdit_, controls.offsetDown},
                                    std::pair{offsetRightEdit_, controls.offsetRight}}) {
        if (box->text() != text) {
            const QSignalBlocker quiet(box);
            box->setText(text);
        }
    }
    if (QAbstractButton* mark = markGroup_->button(controls.markIndex)) {
        const QSignalBlocker quiet(markGroup_);
        mark->setChecked(true);
    }
}
