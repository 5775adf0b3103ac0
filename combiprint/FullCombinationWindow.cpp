#include "FullCombinationWindow.h"

#include "FullCombinationConversion.h"
#include "FullCombinationHandOver.h"
#include "FullCombinationWindowFactory.h"
#include "NumberText.h"
#include "PlainSlipFile.h"
#include "SystemTable.h"

#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int optionCount = 8; // "13 szám" .. "20 szám"
constexpr int smallestSize = 13;
constexpr int buttonPitch = 360; // twips between number buttons
constexpr int buttonSize = 315;  // twips
constexpr int gridLeft = 1560;   // the invisible template button Command3D5(0)
constexpr int gridTop = 225;
const QString messageTitle = QStringLiteral("Kelvadata/2010");

// Design-time places are in twips; the window shows them at 96 dots per inch.
int px(int twips) {
    return (twips + 7) / 15;
}

int buttonsPerRow(int game) {
    return game == 5 ? 15 : game == 6 ? 7 : 5;
}

QList<int> optionTops(int game) {
    if (game == 7) {
        return {225, 617, 994, 1350, 1748, 2125, 2502, 2880};
    }
    if (game == 6) {
        return {240, 617, 994, 1371, 1748, 2125, 2490, 2880};
    }
    return {240, 617, 994, 1371, 1748, 2125, 2502, 2880};
}

QString twoDigitSize(int size) {
    return QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0'));
}

QString plainText(long long value) {
    return QString::number(value);
}

} // namespace

FullCombinationWindow::FullCombinationWindow(const GameProfile& profile, Services services,
                                             FullCombinationReceiver& receiver, QWidget* parent)
    : QDialog(parent), profile_(profile), services_(services), receiver_(receiver),
      chosenMarks_(std::size_t(profile.highestNumber) + 1, false) {
    setObjectName(QStringLiteral("Form2"));
    const int blanks = profile.game == 5 ? 70 : 24;
    setWindowTitle(QStringLiteral("Teljes kombináció választás.") +
                   QString(blanks, QLatin1Char(' ')) + QStringLiteral("Kelvadata/2008"));
    setModal(true);
    buildControls();
    // Window load: the grid is set up and every FIX mark of the main window cleared.
    receiver_.clearFixMarks();
}

void FullCombinationWindow::buildControls() {
    buildSizeOptions();
    buildNumberGrid();
    const int rows = (profile_.highestNumber - 1) / buttonsPerRow(profile_.game) + 1;
    const int gridRight = gridLeft + buttonPitch * (buttonsPerRow(profile_.game) + 1);
    const int gridBottom = gridTop + buttonPitch * rows;
    const int listLeft = gridRight + 240;
    const int listWidth = 2700;

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(px(listLeft), px(225), px(listWidth), px(2700));
    list2_ = new QListWidget(this);
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setGeometry(px(listLeft + listWidth + 150), px(225), px(listWidth), px(2700));

    const int labelTop = 3060;
    addLabel(QStringLiteral("Label3"), QStringLiteral("Kombinációs szelvény :"), listLeft, labelTop,
             2200);
    label4_ = addLabel(QStringLiteral("Label4"), QString(), listLeft + 2250, labelTop, 600);
    addLabel(QStringLiteral("Label5"), QStringLiteral("Sima sor :"), listLeft, labelTop + 360,
             2200);
    label6_ = addLabel(QStringLiteral("Label6"), QString(), listLeft + 2250, labelTop + 360, 600);
    label2_ =
        addLabel(QStringLiteral("Label2"), QString(), listLeft + listWidth + 150, labelTop, 700);
    label1_ = addLabel(QStringLiteral("Label1"), QString(), listLeft + listWidth + 150,
                       labelTop + 360, 700);

    const int buttonTop = std::max(gridBottom, labelTop + 720) + 240;
    auto* load = addButton(QStringLiteral("SSCommand1"), QStringLiteral("Kombináció választás"),
                           270, buttonTop, 2300, 420);
    auto* clear = addButton(QStringLiteral("SSCommand2"), QStringLiteral("Töröl"), 2700, buttonTop,
                            1200, 420);
    auto* convert = addButton(QStringLiteral("SSCommand3"), QStringLiteral("Csere"), 4050,
                              buttonTop, 1200, 420);
    auto* exit = addButton(QStringLiteral("Command3D2"), QStringLiteral("Kilép"), 5400, buttonTop,
                           1200, 420);
    connect(load, &QPushButton::clicked, this, &FullCombinationWindow::loadTemplate);
    connect(clear, &QPushButton::clicked, this, &FullCombinationWindow::clearChosen);
    connect(convert, &QPushButton::clicked, this, &FullCombinationWindow::convertTemplate);
    connect(exit, &QPushButton::clicked, this, &FullCombinationWindow::leave);

    setFixedSize(px(listLeft + 2 * listWidth + 150 + 240), px(buttonTop + 420 + 300));
}

void FullCombinationWindow::buildSizeOptions() {
    sizeGroup_ = new QButtonGroup(this);
    sizeGroup_->setExclusive(true);
    const QList<int> tops = optionTops(profile_.game);
    for (int i = 0; i < optionCount; ++i) {
        auto* option =
            new QRadioButton(QString::number(smallestSize + i) + QStringLiteral(" szám"), this);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        option->setGeometry(px(270), px(tops[i]), px(1245), px(285));
        // The tooltip carries the expected total C(N, K), one blank on each side.
        option->setToolTip(QLatin1Char(' ') +
                           plainText(binomial(smallestSize + i, profile_.numbersPerRow)) +
                           QLatin1Char(' '));
        sizeGroup_->addButton(option, i);
        sizeOptions_ << option;
        connect(option, &QRadioButton::clicked, this, &FullCombinationWindow::loadTemplate);
    }
}

void FullCombinationWindow::buildNumberGrid() {
    auto* templateButton = new QPushButton(this);
    templateButton->setObjectName(QStringLiteral("Command3D5(0)"));
    templateButton->setGeometry(px(gridLeft), px(gridTop), px(buttonSize), px(buttonSize));
    templateButton->setVisible(false);
    numberButtons_ << templateButton;
    const int perRow = buttonsPerRow(profile_.game);
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        const int r = (n - 1) / perRow;
        const int c = n - perRow * r;
        auto* button = new QPushButton(QString::number(n), this);
        button->setObjectName(QStringLiteral("Command3D5(%1)").arg(n));
        button->setGeometry(px(gridLeft + buttonPitch * c), px(gridTop + buttonPitch * r),
                            px(buttonSize), px(buttonSize));
        button->setToolTip(QLatin1Char(' ') + QString::number(n) + QLatin1Char(' '));
        button->setAutoDefault(false);
        button->setIconSize(QSize(px(buttonSize) - 4, px(buttonSize) - 4));
        connect(button, &QPushButton::clicked, this, [this, n] { toggleChosen(n); });
        numberButtons_ << button;
    }
}

QPushButton* FullCombinationWindow::addButton(const QString& name, const QString& caption, int left,
                                              int top, int width, int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(px(left), px(top), px(width), px(height));
    button->setAutoDefault(false);
    return button;
}

QLabel* FullCombinationWindow::addLabel(const QString& name, const QString& caption, int left,
                                        int top, int width) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    label->setGeometry(px(left), px(top), px(width), px(285));
    return label;
}

void FullCombinationWindow::toggleChosen(int number) {
    if (number < 1 || number > profile_.highestNumber) {
        return;
    }
    QPushButton* button = numberButtons_.at(number);
    const long long count = saturatedInteger(leadingNumber(label1_->text()));
    if (!chosenMarks_[std::size_t(number)]) {
        button->setText(QString());
        // A missing or unreadable bitmap gives a null icon: the button shows no picture.
        button->setIcon(
            QIcon(QPixmap(services_.program.dataFolder() + QStringLiteral("/XX.BMP"))));
        chosenMarks_[std::size_t(number)] = true;
        label1_->setText(plainText(count + 1));
    } else {
        showUnchosen(number, QLatin1Char(' ') + QString::number(number) + QLatin1Char(' '));
        chosenMarks_[std::size_t(number)] = false;
        label1_->setText(plainText(count - 1));
    }
}

void FullCombinationWindow::showUnchosen(int number, const QString& caption) {
    QPushButton* button = numberButtons_.at(number);
    button->setIcon(QIcon());
    button->setText(caption);
}

int FullCombinationWindow::selectedOption() const {
    return sizeGroup_->checkedId();
}

QString FullCombinationWindow::optionTotalText(int index) const {
    return sizeOptions_.at(index)->toolTip();
}

void FullCombinationWindow::loadTemplate() {
    const int i = selectedOption();
    if (i < 0) {
        return;
    }
    fullCombinationSize_ = smallestSize + i;
    const QString path = services_.program.dataFolder() + QLatin1Char('/') +
                         FullCombinationTemplate::fileName(profile_.game, fullCombinationSize_);
    const std::optional<FullCombinationTemplate> loaded = FullCombinationTemplate::load(path);
    if (!loaded) {
        return; // the previous template stays shown
    }
    list1_->clear();
    list1_->addItems(loaded->items());
    label2_->setText(QString::number(fullCombinationSize_));
    label4_->setText(QString::number(loaded->markerPosition()));
    label6_->setText(QString::number(loaded->plainRowCount()));
}

void FullCombinationWindow::clearChosen() {
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        chosenMarks_[std::size_t(n)] = false;
        showUnchosen(n, QString::number(n));
    }
    label1_->setText(QString());
}

FullCombinationTemplate FullCombinationWindow::loadedTemplate() const {
    QStringList items;
    for (int p = 0; p < list1_->count(); ++p) {
        items << list1_->item(p)->text();
    }
    return FullCombinationTemplate(items);
}

void FullCombinationWindow::showError(const QString& text) {
    services_.messageBox.show(text, MessageBoxService::Icon::Critical,
                              MessageBoxService::Buttons::Ok, messageTitle);
}

void FullCombinationWindow::convertTemplate() {
    if (list1_->count() == 0) {
        return;
    }
    const int i = selectedOption();
    if (i < 0 || fullCombinationSize_ != smallestSize + i) {
        showError(QStringLiteral("Nem megfelelő a kombináció kijelölés !"));
        return;
    }
    const int size = fullCombinationSize_;
    if (saturatedInteger(leadingNumber(label1_->text())) != size) {
        showError(QStringLiteral("Pontosan ") + strForm(size) +
                  QStringLiteral(" számot kell kiválasztani !"));
        return;
    }
    const long long total = saturatedInteger(leadingNumber(optionTotalText(i)));
    // The ranks are taken from the template in List1 itself, so a "Csere" after "Töröl" still
    // converts the loaded template instead of finding no rank.
    const FullCombinationTemplate tmpl = loadedTemplate();
    const FullCombinationConversion result = convertFullCombination(
        profile_, tmpl, tmpl.templateMarks(profile_.highestNumber), chosenMarks_, total);
    if (!result.ok) {
        showError(QStringLiteral("Hibás kombinációs sablon: egy sorszámhoz nem tartozik "
                                 "kiválasztott szám !"));
        return;
    }
    list2_->clear();
    list2_->addItems(result.convertedLines);

    const QString plainName = FullCombinationTemplate::plainSlipFileName(size);
    if (result.hasPlainRows &&
        !writePlainSlipFile(services_.program.programFolder() + QLatin1Char('/') + plainName,
                            result.plainLines)) {
        // Nothing reaches the main window, so its lists and counters stay as they were.
        showError(QStringLiteral("A(z) ") + plainName +
                  QStringLiteral(" állományt nem sikerült létrehozni vagy kiírni ! "
                                 "A teljes kombináció nem került át."));
        return;
    }
    receiver_.receiveFullCombination(result.handOver);
    if (result.hasPlainRows) {
        services_.messageBox.show(QStringLiteral("Nyomtassa ki a - sima") + twoDigitSize(size) +
                                      QStringLiteral(".txt - ") + QStringLiteral("állományt is !"),
                                  MessageBoxService::Icon::Exclamation,
                                  MessageBoxService::Buttons::Ok, messageTitle);
    }
    receiver_.selectBaseSlip();
    accept(); // hides the window; its lists and chosen numbers stay for the next opening
}

void FullCombinationWindow::leave() {
    receiver_.setClosedByExit();
    std::fill(chosenMarks_.begin(), chosenMarks_.end(), false);
    reject();
}

QDialog* createFullCombinationWindow(const GameProfile& profile, Services& services,
                                     FullCombinationReceiver& receiver, QWidget* parent) {
    return new FullCombinationWindow(profile, services, receiver, parent);
}
