#include "drawcheck/DrawCheckDialog.h"

#include "core/present/PreviewForm.h"
#include "core/present/PrintPresenter.h"
#include "core/print/PrintSurface.h"
#include "core/results/DrawCheckTexts.h"
#include "forms/PreviewMenu.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace {

// One table of the report, shown as it is: its columns and rows of text.
class ReportTableModel : public QAbstractTableModel {
public:
    ReportTableModel(ReportTable table, QObject* parent)
        : QAbstractTableModel(parent), table_(std::move(table)) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(table_.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(table_.columns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) {
            return {};
        }
        return table_.rows[std::size_t(index.row())].value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) {
            return {};
        }
        return orientation == Qt::Horizontal ? QVariant(table_.columns.value(section))
                                             : QVariant(section + 1);
    }

private:
    ReportTable table_;
};

constexpr int visibleRows = 12; // a longer table scrolls in its own view

QTableView* makeTableView(const ReportTable& table, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(table.caption);
    view->setModel(new ReportTableModel(table, view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    view->resizeColumnsToContents();
    const int rows = std::min<int>(int(table.rows.size()), visibleRows);
    view->setFixedHeight(view->horizontalHeader()->sizeHint().height() +
                         rows * view->verticalHeader()->defaultSectionSize() + 4);
    return view;
}

} // namespace

DrawCheckDialog::DrawCheckDialog(const GameProfile& profile, const Services& services,
                                 PrintPresenter& printing, DrawCheckSource source, QWidget* parent)
    : QDialog(parent), profile_(profile), services_(services), printing_(printing),
      source_(std::move(source)) {
    setObjectName(QStringLiteral("DrawCheckDialog"));
    setWindowTitle(DrawCheckText::title + QStringLiteral(" – ") + source_.program);
    auto* layout = new QVBoxLayout(this);
    buildDrawBoxes(*layout);
    buildSubjectChoice(*layout);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* results = new QWidget(scroll);
    resultLayout_ = new QVBoxLayout(results);
    resultLayout_->addStretch();
    scroll->setWidget(results);
    layout->addWidget(scroll, 1);
    layout->addWidget(makeButtonRow());
    resize(640, 560);
}

DrawCheckDialog::~DrawCheckDialog() = default;

// One box per draw of the game: "Nyerőszámok:", or the 7-number game's two draws by name.
void DrawCheckDialog::buildDrawBoxes(QVBoxLayout& layout) {
    auto* form = new QFormLayout;
    const bool named = profile_.drawNames.size() > 1;
    for (int d = 0; d < profile_.drawNames.size(); ++d) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("DrawBox(%1)").arg(d));
        const QString caption =
            named ? profile_.drawNames[d] + QLatin1Char(':') : QStringLiteral("Nyerőszámok:");
        form->addRow(caption, box);
        drawBoxes_.push_back(box);
    }
    layout.addLayout(form);
}

// "A betöltött sorok" / "A teljes kombináció" when the window holds a full combination.
void DrawCheckDialog::buildSubjectChoice(QVBoxLayout& layout) {
    if (!source_.offersFullCombination) {
        return;
    }
    subjectGroup_ = new QButtonGroup(this);
    auto* row = new QHBoxLayout;
    const std::pair<QString, CheckedSubject> choices[] = {
        {DrawCheckText::loadedRows, CheckedSubject::CombinationRows},
        {DrawCheckText::fullCombination, CheckedSubject::FullCombination}};
    for (const auto& [caption, subject] : choices) {
        auto* option = new QRadioButton(caption, this);
        subjectGroup_->addButton(option, int(subject));
        option->setChecked(subject == CheckedSubject::FullCombination);
        row->addWidget(option);
    }
    row->addStretch();
    layout.addLayout(row);
}

QWidget* DrawCheckDialog::makeButtonRow() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* checkButton = new QPushButton(QStringLiteral("Ellenőriz"), bar);
    checkButton->setObjectName(QStringLiteral("CheckButton"));
    checkButton->setDefault(true); // Enter in a draw box checks
    copyButton_ = new QPushButton(QStringLiteral("Másolás"), bar);
    copyButton_->setObjectName(QStringLiteral("CopyButton"));
    printButton_ = new QPushButton(QStringLiteral("Nyomtatás"), bar);
    printButton_->setObjectName(QStringLiteral("PrintButton"));
    auto* closeButton = new QPushButton(QStringLiteral("Bezár"), bar);
    closeButton->setObjectName(QStringLiteral("CloseButton"));
    closeButton->setAutoDefault(false);
    for (QPushButton* button : {copyButton_, printButton_}) {
        button->setEnabled(false);
        button->setAutoDefault(false);
    }
    row->addWidget(checkButton);
    row->addStretch();
    row->addWidget(copyButton_);
    row->addWidget(printButton_);
    row->addWidget(closeButton);
    connect(checkButton, &QPushButton::clicked, this, [this] { check(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { copy(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { print(false); });
    connect(addPreviewMenu(*printButton_), &QAction::triggered, this, [this] { print(true); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

CheckedSubject DrawCheckDialog::chosenSubject() const {
    return subjectGroup_ ? CheckedSubject(subjectGroup_->checkedId()) : source_.defaultSubject;
}

// A refused draw names what is wrong and keeps the last result; a refused check shows the
// message the print run would show.
void DrawCheckDialog::check() {
    QStringList texts;
    for (const QLineEdit* box : drawBoxes_) {
        texts << box->text();
    }
    const DrawEntry entry = readDraws(profile_, texts);
    if (!entry.ok()) {
        services_.messageBox.error(*entry.problem, source_.messageTitle);
        if (entry.faultyBox >= 0 && entry.faultyBox < int(drawBoxes_.size())) {
            drawBoxes_[std::size_t(entry.faultyBox)]->setFocus();
        }
        return;
    }
    const CheckedSubject subject = chosenSubject();
    const DrawCheckOutcome outcome = source_.check(entry.draws, subject);
    if (!outcome.ok()) {
        services_.messageBox.error(*outcome.refusal, source_.messageTitle);
        return;
    }
    report_ =
        drawCheckReport(outcome.result, DrawCheckHeading{source_.program, source_.subject(subject),
                                                         services_.clock.today()});
    showReport();
}

// Every section: its title, then each table under its caption.
void DrawCheckDialog::showReport() {
    while (resultLayout_->count() > 1) {
        QLayoutItem* item = resultLayout_->takeAt(0);
        delete item->widget();
        delete item;
    }
    QWidget* area = resultLayout_->parentWidget();
    int at = 0;
    const auto add = [&](QWidget* widget) { resultLayout_->insertWidget(at++, widget); };
    for (const ReportSection& section : report_->sections) {
        if (!section.title.isEmpty()) {
            auto* title = new QLabel(section.title, area);
            QFont bold = title->font();
            bold.setBold(true);
            title->setFont(bold);
            add(title);
        }
        for (const ReportTable& table : section.tables) {
            add(new QLabel(table.caption, area));
            if (table.rows.empty()) {
                add(new QLabel(table.emptyText, area));
            } else {
                add(makeTableView(table, area));
            }
        }
    }
    copyButton_->setEnabled(true);
    printButton_->setEnabled(true);
}

void DrawCheckDialog::copy() {
    if (report_) {
        QApplication::clipboard()->setText(reportText(*report_));
    }
}

// On A4 through the window's print flow: the same failure messages, the same PDF without a
// printer, the same preview.
void DrawCheckDialog::print(bool preview) {
    if (!report_) {
        return;
    }
    const DrawCheckReport report = *report_;
    BusyPointer& busy = services_.busyPointer;
    const auto run = [report, &busy](PrintSurface& surface, bool) {
        PrintRunResult result;
        result.add(printReport(report, surface, busy));
        return result;
    };
    const PrintPresenter::Work work{PrintedWork::Results};
    if (preview) {
        printing_.preview(
            run, [] { return PreviewForm{}; }, work);
    } else {
        printing_.print(run, work);
    }
}
