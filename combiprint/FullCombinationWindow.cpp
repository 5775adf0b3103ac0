#include "combiprint/FullCombinationWindow.h"

#include "forms/FormBuilder.h"

#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

FullCombinationWindow::FullCombinationWindow(const GameProfile& profile, Services services,
                                             FullCombinationReceiver& receiver, QWidget* parent)
    : QDialog(parent), design_(fullCombinationDesign(profile.game)), services_(services),
      choice_(profile, services_, receiver) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(design_.title);
    setModal(true);
    buildControls();
    connectHandlers();
}

void FullCombinationWindow::buildControls() {
    buildSizeOptions();
    buildNumberGrid();
    const FormBuilder form(this);
    templateList_ = form.place(new QListWidget(this), design_.templateList);
    convertedList_ = form.place(new QListWidget(this), design_.convertedList);
    form.label(design_.slipCountCaption);
    slipCountLabel_ = form.label(design_.slipCount);
    form.label(design_.plainRowCaption);
    plainRowLabel_ = form.label(design_.plainRowCount);
    sizeLabel_ = form.label(design_.size);
    chosenCountLabel_ = form.label(design_.chosenCount);
    loadButton_ = form.button(design_.loadButton);
    clearButton_ = form.button(design_.clearButton);
    convertButton_ = form.button(design_.convertButton);
    exitButton_ = form.button(design_.exitButton);
    for (QPushButton* button : {loadButton_, clearButton_, convertButton_, exitButton_}) {
        button->setAutoDefault(false);
    }
    setFixedSize(twipsToPixels(QRect(QPoint(0, 0), design_.clientTwips)).size());
}

void FullCombinationWindow::buildSizeOptions() {
    const FormBuilder form(this);
    sizeGroup_ = new QButtonGroup(this);
    sizeGroup_->setExclusive(true);
    for (int i = 0; i < FullCombinationChoice::optionCount; ++i) {
        QRadioButton* option = form.option(design_.sizeOptions[i], sizeGroup_);
        option->setToolTip(choice_.optionTooltip(i));
        sizeOptions_ << option;
    }
}

void FullCombinationWindow::buildNumberGrid() {
    const FormBuilder form(this);
    QPushButton* templateButton = form.button(design_.gridTemplate);
    templateButton->setVisible(false);
    numberButtons_ << templateButton;
    for (int n = 1; n <= choice_.highestNumber(); ++n) {
        ControlDesign element = FormBuilder::gridElement(
            design_.gridTemplate, n, design_.buttonsPerGridRow, design_.gridPitch);
        element.caption = QString::number(n);
        QPushButton* button = form.button(element);
        button->setToolTip(QLatin1Char(' ') + QString::number(n) + QLatin1Char(' '));
        button->setAutoDefault(false);
        button->setIconSize(button->size() - QSize(4, 4));
        numberButtons_ << button;
    }
    chosenShown_.fill(false, numberButtons_.size());
}

void FullCombinationWindow::connectHandlers() {
    connect(&choice_, &FullCombinationChoice::changed, this, &FullCombinationWindow::showChanges);
    for (int n = 1; n <= choice_.highestNumber(); ++n) {
        connect(numberButtons_.at(n), &QPushButton::clicked, this,
                [this, n] { choice_.toggleChosen(n); });
    }
    // The selected option is the choice's, however it got selected; a click also loads.
    connect(sizeGroup_, &QButtonGroup::idToggled, this, [this](int option, bool checked) {
        if (checked) {
            choice_.selectOption(option);
        }
    });
    connect(sizeGroup_, &QButtonGroup::idClicked, this, [this] { choice_.loadTemplate(); });
    connect(loadButton_, &QPushButton::clicked, this, [this] { choice_.loadTemplate(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { choice_.clearChosen(); });
    connect(convertButton_, &QPushButton::clicked, this, [this] { convert(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { leave(); });
}

// ---- clicks ----

void FullCombinationWindow::convert() {
    if (choice_.convert()) {
        accept(); // hides the window; its lists and chosen numbers stay for the next opening
    }
}

void FullCombinationWindow::leave() {
    choice_.leave();
    done(LeftThroughExit);
}

// ---- the choice shown ----

void FullCombinationWindow::showChanges(FullCombinationChoice::Parts parts) {
    using Part = FullCombinationChoice::Part;
    if (parts & Part::Numbers) {
        showNumbers();
    }
    if (parts & Part::ChosenCount) {
        chosenCountLabel_->setText(choice_.chosenCountCaption());
    }
    if (parts & Part::Template) {
        showTemplate();
    }
    if (parts & Part::Converted) {
        convertedList_->clear();
        convertedList_->addItems(choice_.convertedLines());
    }
}

// Every number button's caption; a button chosen now shows the picture, read at the moment of
// choosing (a missing or unreadable bitmap leaves the button without one).
void FullCombinationWindow::showNumbers() {
    for (int n = 1; n < numberButtons_.size(); ++n) {
        QPushButton* button = numberButtons_.at(n);
        button->setText(choice_.numberCaption(n));
        const bool chosen = choice_.isChosen(n);
        if (chosen != chosenShown_.at(n)) {
            chosenShown_[n] = chosen;
            button->setIcon(
                chosen ? QIcon(QPixmap(services_.program.dataFolder() + QStringLiteral("/XX.BMP")))
                       : QIcon());
        }
    }
}

void FullCombinationWindow::showTemplate() {
    templateList_->clear();
    templateList_->addItems(choice_.loadedTemplate().items());
    sizeLabel_->setText(choice_.sizeCaption());
    slipCountLabel_->setText(choice_.slipCountCaption());
    plainRowLabel_->setText(choice_.plainRowCaption());
}
