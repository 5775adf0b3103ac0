#include "calibration/AlignmentDialog.h"

#include "core/models/AlignmentTarget.h"
#include "core/present/PreviewForm.h"
#include "core/present/PrintPresenter.h"
#include "forms/PreviewMenu.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString introText = QStringLiteral(
    "Nyomtasson próbalapot, és adagolja úgy, ahogy a szelvényeket szokta (egy tartalék "
    "szelvényre, vagy szelvény méretű papírra). Mindkét kereszten olvassa le, hol van a szelvény "
    "saját mezőjének (a rendszer dobozának) közepe: jobbra és lefelé pozitív, milliméterben. "
    "A B két mezője üresen is maradhat.");

const QString applyNote =
    QStringLiteral("Az új eltolást beírja, és a többi beállítással együtt el is menti.");

} // namespace

AlignmentDialog::AlignmentDialog(AlignmentTarget& target, QWidget* parent)
    : QDialog(parent), target_(target) {
    setObjectName(QStringLiteral("AlignmentDialog"));
    setWindowTitle(QStringLiteral("Igazítás – ") + target_.services().program.executableName());
    setModal(true);
    buildControls();
    showReading();
}

void AlignmentDialog::buildControls() {
    auto* intro = new QLabel(introText, this);
    intro->setWordWrap(true);

    printButton_ = new QPushButton(QStringLiteral("Próbalap nyomtatása"), this);
    printButton_->setObjectName(QStringLiteral("PrintTestSheet"));
    printButton_->setAutoDefault(false);
    connect(printButton_, &QPushButton::clicked, this, [this] { printSheet(false); });
    connect(addPreviewMenu(*printButton_), &QAction::triggered, this, [this] { printSheet(true); });

    auto* readings = new QGridLayout;
    const ReadingBox order[] = {ReadingBox::AHorizontal, ReadingBox::AVertical,
                                ReadingBox::BHorizontal, ReadingBox::BVertical};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Reading%1").arg(i));
        auto* label = new QLabel(readingBoxLabel(order[i]), this);
        label->setBuddy(box);
        readings->addWidget(label, i, 0);
        readings->addWidget(box, i, 1);
        connect(box, &QLineEdit::textChanged, this, [this] { showReading(); });
        boxes_[std::size_t(i)] = box;
    }

    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("AlignmentResult"));
    resultLabel_->setWordWrap(true);
    resultLabel_->setMinimumHeight(6 * fontMetrics().lineSpacing());
    resultLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    applyButton_ = new QPushButton(QStringLiteral("Alkalmaz"), this);
    applyButton_->setObjectName(QStringLiteral("Apply"));
    applyButton_->setDefault(true);
    connect(applyButton_, &QPushButton::clicked, this, [this] { apply(); });
    cancelButton_ = new QPushButton(QStringLiteral("Mégse"), this);
    cancelButton_->setObjectName(QStringLiteral("Cancel"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* note = new QLabel(applyNote, this);
    note->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(applyButton_);
    buttons->addWidget(note, 1);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(printButton_, 0, Qt::AlignLeft);
    layout->addLayout(readings);
    layout->addWidget(resultLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(440);
}

// The readings against the offsets the window holds now, the ones a test sheet is printed with.
AlignmentResult AlignmentDialog::reading() const {
    const TestSheetRequest sheet = target_.testSheet();
    return readAlignment(AlignmentReadings{boxes_[0]->text(), boxes_[1]->text(), boxes_[2]->text(),
                                           boxes_[3]->text()},
                         sheet.offsetDown, sheet.offsetRight,
                         referenceSpan(sheet.family, sheet.game));
}

// Under the boxes: the offsets the readings lead to and what they reveal, or, once something is
// typed, why they cannot be used yet.
void AlignmentDialog::showReading() {
    const AlignmentResult result = reading();
    if (!result.accepted()) {
        const bool nothingTyped = std::all_of(boxes_.begin(), boxes_.end(), [](QLineEdit* box) {
            return box->text().trimmed().isEmpty();
        });
        resultLabel_->setText(nothingTyped ? QString() : result.error);
        return;
    }
    QString text = result.newOffsetLine;
    if (!result.warningText.isEmpty()) {
        text += QLatin1Char('\n') + result.warningText;
    }
    resultLabel_->setText(text);
}

void AlignmentDialog::apply() {
    const AlignmentResult result = reading();
    if (!result.accepted()) {
        target_.services().messageBox.error(result.error, target_.messageTitle());
        boxes_[std::size_t(*result.faultyBox)]->setFocus();
        return;
    }
    target_.applyOffsets(result.offsetDownText, result.offsetRightText);
    accept();
}

// The sheet through the window's print flow, as every job: its failure told, a PDF named in the
// window's status line.
void AlignmentDialog::printSheet(bool preview) {
    const TestSheetRequest sheet = target_.testSheet();
    const auto run = [&sheet](PrintSurface& surface, bool) {
        return printTestSheet(surface, sheet);
    };
    const PrintPresenter::Work work{PrintedWork::TestSheet};
    if (preview) {
        target_.presenter().preview(
            run, [] { return PreviewForm{}; }, work);
    } else {
        target_.presenter().print(run, work);
    }
}
