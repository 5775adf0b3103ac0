#include "combiprint/CombinationPrinterWindow.h"

#include "combiprint/FullCombinationWindow.h"
#include "core/base/InstanceCheck.h"
#include "core/base/Maker.h"
#include "core/base/PrinterFamily.h"
#include "core/files/SettingsFile.h"
#include "core/keys/KeyChooser.h"
#include "core/present/PreviewForm.h"
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
                                                   const WindowServices& services,
                                                   QWidget* parent)
    : QWidget(parent), profile_(profile), services_(services),
      design_(combinationPrinterDesign(profile.game)), selection_(profile), runs_(profile),
      keyChooser_(std::make_unique<KeyChooser>(profile, PrinterFamily::Combination, services_)),
      presenter_(services_, services.printer, services.preview, *this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(design_.title);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, background);
    // A small dialog font, so the captions fit the design-time sizes.
    setPixelSize(this, 11);
    buildControls();
    fitWindow();
    connectHandlers();
    selection_.setObserver(this);
}

CombinationPrinterWindow::~CombinationPrinterWindow() {
    selection_.setObserver(nullptr);
}

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
    const int statusTop = strip->geometry().bottom() + 1;
    statusLine_->setGeometry(8, statusTop, width - 16, 20);
    setFixedSize(width, statusTop + 26);
}

void CombinationPrinterWindow::connectHandlers() {
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveSettings(); });
    connect(chooseKeyButton_, &QPushButton::clicked, this, [this] { chooseKey(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { close(); });
    const std::pair<QPushButton*, Run> printButtons[] = {{slipButton_, Run::AllRows},
                                                         {fromToButton_, Run::FromTo},
                                                         {printFullButton_, Run::FullCombination}};
    for (const auto& [button, run] : printButtons) {
        connect(button, &QPushButton::clicked, this,
                [this, run] { print(run, Destination::Printer); });
        connect(addPreviewMenu(*button), &QAction::triggered, this,
                [this, run] { print(run, Destination::Preview); });
    }
    connect(fullCombinationButton_, &QPushButton::clicked, this, [this] { openFullCombination(); });
    connect(checkDrawButton_, &QPushButton::clicked, this, [this] { checkDraws(); });
    connect(addRowButton_, &QPushButton::clicked, this, [this] { selection_.addCombinationRow(); });
    connect(clearButton_, &QPushButton::clicked, this,
            [this] { selection_.clearSelection(clearRowsTooCheck_->isChecked()); });
    connect(checkButton_, &QPushButton::clicked, this, [this] { selection_.totalCombinations(); });
    connect(deleteRowButton_, &QPushButton::clicked, this,
            [this] { selection_.deleteSelectedRow(); });
    connect(deleteEntryButton_, &QPushButton::clicked, this,
            [this] { selection_.deleteSelectedEntry(); });
    connect(systemGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { selection_.selectSystem(id); });
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
            (selection_.*select)(row);
        }
    };
    connect(list, &QListWidget::currentRowChanged, this, run);
    connect(list, &QListWidget::itemClicked, this,
            [list, run](QListWidgetItem* item) { run(list->row(item)); });
}

// ---- start-up ----

bool CombinationPrinterWindow::load() {
    if (!claimSingleInstance(services_)) {
        return false;
    }
    centreOnScreen(*this, services_.screen.screenSize());
    loadSettings();
    buildNumberGrid();
    buildSystemsTable();
    return true;
}

void CombinationPrinterWindow::loadSettings() {
    const QString path =
        services_.program.readPath(settingsFileName(PrinterFamily::Combination, profile_.game));
    const CombinationPrinterSettings current{offsetDownEdit_->text(), offsetRightEdit_->text(),
                                             markGroup_->checkedId()};
    const CombinationPrinterSettings loaded = loadCombinationPrinterSettings(path, current);
    offsetDownEdit_->setText(loaded.offsetDown);
    offsetRightEdit_->setText(loaded.offsetRight);
    if (QAbstractButton* mark = markGroup_->button(loaded.markIndex)) {
        mark->setChecked(true);
    }
}

void CombinationPrinterWindow::buildNumberGrid() {
    const FormBuilder form(this);
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        QPushButton* button = form.button(FormBuilder::gridElement(
            design_.gridTemplate, n, design_.buttonsPerGridRow, design_.gridPitch));
        setPixelSize(button, 10);
        button->setText(selection_.numberCaption(n));
        button->setToolTip(QLatin1Char(' ') + QString::number(n) + QLatin1Char(' '));
        button->setIconSize(button->size() - QSize(4, 4));
        button->show();
        connect(button, &QPushButton::clicked, this, [this, n] { selection_.toggleNumber(n); });
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

void CombinationPrinterWindow::saveSettings() {
    const QString file = settingsFileName(PrinterFamily::Combination, profile_.game);
    const CombinationPrinterSettings values{offsetDownEdit_->text(), offsetRightEdit_->text(),
                                            markGroup_->checkedId()};
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
    keyChooser_->choose(selection_);
}

// "7-s kombinációk": the selection is cleared and Form2 shown modally; the help follows unless
// Form2 was left through its "Kilép", which also unloads it.
void CombinationPrinterWindow::openFullCombination() {
    selection_.clearSelection(clearRowsTooCheck_->isChecked());
    selection_.clearRows();
    if (!fullCombinationWindow_) {
        fullCombinationWindow_ = new FullCombinationWindow(profile_, services_, selection_, this);
    }
    if (fullCombinationWindow_->exec() == FullCombinationWindow::LeftThroughExit) {
        delete fullCombinationWindow_.data();
        return;
    }
    showHelp();
}

void CombinationPrinterWindow::showHelp() {
    services_.messageBox.notice(helpText, Maker::messageTitle);
}

CombinationRunControls CombinationPrinterWindow::runControls() const {
    CombinationRunControls controls;
    controls.offsetDown = offsetDownEdit_->text();
    controls.offsetRight = offsetRightEdit_->text();
    controls.firstRow = firstRowEdit_->text();
    controls.lastRow = lastRowEdit_->text();
    controls.ejectFirst = ejectFirstCheck_->isChecked();
    controls.markIndex = markGroup_->checkedId();
    controls.jokerYes = jokerGroup_->checkedId() == 0;
    return controls;
}

PrintRunResult CombinationPrinterWindow::runOn(Run run, CombinationSelection& selection,
                                               CombinationRuns& runs, PrintSurface& printer,
                                               bool showEjectNotice) {
    const SlipRunServices services{services_.messageBox, services_.busyPointer, printer,
                                          showEjectNotice};
    switch (run) {
    case Run::FromTo:
        return runs.runFromTo(selection, runControls(), services);
    case Run::FullCombination:
        return runs.runFullCombination(selection, runControls(), services);
    case Run::AllRows:
        break;
    }
    return runs.runAllRows(selection, runControls(), services);
}

// A run on the printer, or into a recording for the preview (where the blank slip of
// "Lapdobással indul !" is a blank page, without the notice). The preview's run goes through a
// copy of the selection and of the runs (a full combination applies every entry in turn): the
// window changes only when the preview's "Nyomtatás" prints the recording, and then exactly as
// the button's own run changes it. A run refused by its checks has no job and opens no preview.
void CombinationPrinterWindow::print(Run run, Destination destination) {
    const bool full = run == Run::FullCombination;
    const PrintPresenter::Work work{full ? PrintedWork::FullCombination : PrintedWork::Slips,
                                    full ? int(selection_.entries().size()) : 0};
    if (destination == Destination::Printer) {
        presenter_.print([this, run](PrintSurface& surface,
                                     bool) { return runOn(run, selection_, runs_, surface, true); },
                         work);
        return;
    }
    CombinationSelection trial = selection_.detachedCopy();
    CombinationRuns trialRuns = runs_;
    presenter_.preview(
        [&](PrintSurface& surface, bool) { return runOn(run, trial, trialRuns, surface, false); },
        [&] {
            return PreviewForm{
                PreviewForm::Kind::CombinationSlip, profile_.game,
                combinationSlipOrigin(offsetDownEdit_->text(), offsetRightEdit_->text()),
                trialRuns.storedMarkSymbol()};
        },
        work,
        [&] {
            selection_.adopt(trial);
            runs_ = trialRuns;
        });
}

// "Találatok": every row of List1 as the slip "Szelv. kitölt" prints with the FIX marks and
// system, or, when List2 holds a full combination, the whole full combination.
void CombinationPrinterWindow::checkDraws() {
    DrawCheckSource source;
    source.program = services_.program.executableName();
    source.messageTitle = Maker::messageTitle;
    source.offersFullCombination = holdsFullCombination(selection_);
    source.defaultSubject = CheckedSubject::CombinationRows;
    source.check = [this](const std::vector<Draw>& draws, CheckedSubject subject) {
        return subject == CheckedSubject::FullCombination ? checkFullCombination(selection_, draws)
                                                          : checkCombinationRows(selection_, draws);
    };
    source.subject = [this](CheckedSubject subject) {
        return combinationCheckSubject(selection_, subject);
    };
    source.prepare = [this](CheckedSubject subject) {
        return prepareCombinationCheck(selection_, subject);
    };
    DrawCheckDialog dialog(profile_, services_, presenter_, std::move(source), this);
    dialog.exec();
}

// A run written as a PDF names its file; a run on a printer clears the line.
void CombinationPrinterWindow::showPrintedFile(const QString& file) {
    statusLine_->showJobFile(file);
}

// ---- events ----

void CombinationPrinterWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
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

void CombinationPrinterWindow::rowsChanged() {
    showList(rowList_, rowsShown_, selection_.rows(), selection_.selectedRow());
}

void CombinationPrinterWindow::entriesChanged() {
    showList(entryList_, entriesShown_, selection_.entries(), selection_.selectedEntry());
}

void CombinationPrinterWindow::systemChanged() {
    const int index = selection_.systemIndex();
    if (index >= 0 && index < int(systemButtons_.size())) {
        const QSignalBlocker quiet(systemGroup_);
        systemButtons_[std::size_t(index)]->setChecked(true);
    }
}

void CombinationPrinterWindow::countersChanged() {
    const SelectionCounters& c = selection_.counters();
    slipCountLabel_->setText(c.slipCount);
    expectedTotalLabel_->setText(c.expectedTotal);
    selectedRowLabel_->setText(c.selectedRowPosition);
    combinationCountLabel_->setText(c.combinationCount);
    systemCombinationsLabel_->setText(c.systemCombinations);
    fixCountLabel_->setText(c.fixCount);
    checkedTotalLabel_->setText(c.checkedTotal);
}
