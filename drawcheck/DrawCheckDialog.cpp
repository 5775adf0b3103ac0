#include "drawcheck/DrawCheckDialog.h"

#include "core/present/PreviewForm.h"
#include "core/present/PrintPresenter.h"
#include "core/print/PrintSurface.h"
#include "core/results/DrawCheckTexts.h"
#include "drawcheck/FrequencyChart.h"
#include "forms/PreviewMenu.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <chrono>
#include <cmath>
#include <system_error>
#include <thread>
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
        // A cell too long for its column shows whole in its tooltip.
        if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid()) {
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

constexpr int visibleRows = 12;                       // a longer table scrolls in its own view
constexpr int progressSteps = 1000;                   // the progress bar's range
constexpr std::chrono::milliseconds pollInterval(50); // how often the bar follows the check
constexpr qint64 quietMilliseconds = 200; // a check of every draw shorter than this shows no bar

// The numbers of a draw as the boxes take them: "03 11 19 27 35 44".
QString boxText(const NumberMask& draw) {
    QStringList numbers;
    for (int n : draw.numbers()) {
        numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return numbers.join(QLatin1Char(' '));
}

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

// A check of every draw on its own thread: what it checks, its progress (read and cancelled
// from the dialog's thread) and the result, read only after `finished` is set.
struct DrawCheckDialog::Run {
    std::shared_ptr<const PreparedSubject> subject;
    std::shared_ptr<const DrawArchive> archive;
    ArchiveCheckProgress progress;
    ArchiveCheckResult result;
    std::atomic<bool> finished{false};
    std::thread thread;
};

DrawCheckDialog::DrawCheckDialog(const GameProfile& profile, const Services& services,
                                 PrintPresenter& printing, DrawCheckSource source, QWidget* parent)
    : QDialog(parent), profile_(profile), services_(services), printing_(printing),
      source_(std::move(source)), archiveFile_(profile, services.program) {
    setObjectName(QStringLiteral("DrawCheckDialog"));
    setWindowTitle(DrawCheckText::title + QStringLiteral(" – ") + source_.program);
    auto* layout = new QVBoxLayout(this);
    buildArchiveRow(*layout);
    buildDrawBoxes(*layout);
    buildSubjectChoice(*layout);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* results = new QWidget(scroll);
    resultLayout_ = new QVBoxLayout(results);
    resultLayout_->addStretch();
    scroll->setWidget(results);
    layout->addWidget(scroll, 1);
    layout->addWidget(makeProgressRow());
    layout->addWidget(makeButtonRow());
    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(pollInterval);
    connect(pollTimer_, &QTimer::timeout, this, [this] { pollRun(); });
    resize(1000, 700);

    archiveFile_.openRemembered();
    showArchive();
}

DrawCheckDialog::~DrawCheckDialog() {
    stopRun();
}

// "Húzások betöltése…", the line that names the archive read (or why not), and the draw list.
void DrawCheckDialog::buildArchiveRow(QVBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    loadButton_ = new QPushButton(DrawCheckText::loadArchiveButton, this);
    loadButton_->setObjectName(QStringLiteral("LoadArchiveButton"));
    loadButton_->setAutoDefault(false);
    archiveLine_ = new QLabel(this);
    archiveLine_->setObjectName(QStringLiteral("ArchiveLine"));
    archiveLine_->setWordWrap(true);
    row->addWidget(loadButton_);
    row->addWidget(archiveLine_, 1);
    layout.addLayout(row);

    auto* form = new QFormLayout;
    drawList_ = new QComboBox(this);
    drawList_->setObjectName(QStringLiteral("DrawList"));
    drawList_->setPlaceholderText(QStringLiteral("válasszon húzást a listából"));
    drawList_->setMaxVisibleItems(20);
    form->addRow(DrawCheckText::drawListLabel, drawList_);
    layout.addLayout(form);
    connect(loadButton_, &QPushButton::clicked, this, [this] { loadArchive(); });
    connect(drawList_, &QComboBox::activated, this, [this](int index) { pickDraw(index); });
}

QWidget* DrawCheckDialog::makeProgressRow() {
    progressRow_ = new QWidget(this);
    auto* row = new QHBoxLayout(progressRow_);
    row->setContentsMargins(0, 0, 0, 0);
    progressBar_ = new QProgressBar(progressRow_);
    progressBar_->setObjectName(QStringLiteral("CheckAllProgress"));
    progressBar_->setRange(0, progressSteps);
    cancelButton_ = new QPushButton(DrawCheckText::cancelButton, progressRow_);
    cancelButton_->setObjectName(QStringLiteral("CancelCheckAllButton"));
    cancelButton_->setAutoDefault(false);
    row->addWidget(new QLabel(DrawCheckText::checkingAll(), progressRow_));
    row->addWidget(progressBar_, 1);
    row->addWidget(cancelButton_);
    progressRow_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelCheckAll(); });
    return progressRow_;
}

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
    checkButton_ = checkButton;
    checkAllButton_ = new QPushButton(DrawCheckText::checkAllButton, bar);
    checkAllButton_->setObjectName(QStringLiteral("CheckAllButton"));
    checkAllButton_->setAutoDefault(false);
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
    row->addWidget(checkAllButton_);
    row->addStretch();
    row->addWidget(copyButton_);
    row->addWidget(printButton_);
    row->addWidget(closeButton);
    connect(checkButton, &QPushButton::clicked, this, [this] { check(); });
    connect(checkAllButton_, &QPushButton::clicked, this, [this] { checkAll(); });
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
    DrawCheckOutcome outcome = source_.check(entry.draws, subject);
    if (!outcome.ok()) {
        services_.messageBox.error(*outcome.refusal, source_.messageTitle);
        return;
    }
    // A draw picked from the archive, as the pick filled the boxes: named by the archive, with its
    // prizes.
    const DrawArchive* held = archive();
    if (picked_ && held && texts == pickedTexts_) {
        const auto line = std::find_if(
            held->lines.begin(), held->lines.end(),
            [this](const ArchiveLine& candidate) { return candidate.identity == *picked_; });
        if (line != held->lines.end()) {
            const std::size_t index = std::size_t(line - held->lines.begin());
            for (std::size_t d = 0; d < outcome.result.draws.size(); ++d) {
                outcome.result.draws[d].prizes = line->prizes;
                outcome.result.draws[d].name = archiveDrawName(*held, index, int(d));
            }
        }
    }
    report_ =
        drawCheckReport(outcome.result, DrawCheckHeading{source_.program, source_.subject(subject),
                                                         services_.clock.today()});
    allDraws_.reset();
    showReport();
}

void DrawCheckDialog::loadArchive() {
    if (checkingAll()) {
        return;
    }
    FileOpenRequest request;
    request.initialFolder = services_.program.programFolder();
    request.filters = {FileFilter{DrawCheckText::archiveFilter, QStringLiteral("*.csv")}};
    request.defaultExtension = QStringLiteral("csv");
    request.cancelIsFailure = false;
    const std::optional<QString> path = services_.fileDialog.openFile(request);
    if (!path) {
        return;
    }
    if (const std::optional<QString> refusal = archiveFile_.load(*path)) {
        services_.messageBox.error(*refusal, source_.messageTitle);
        return;
    }
    showArchive();
}

void DrawCheckDialog::refreshArchive() {
    if (archiveFile_.refresh()) {
        showArchive();
    }
}

// The line about the archive and the draw list, newest first; the draw picked before stays
// picked when the archive still holds it.
void DrawCheckDialog::showArchive() {
    archiveLine_->setText(archiveFile_.statusLine());
    archiveLine_->setToolTip(archiveFile_.path());
    drawList_->clear();
    const DrawArchive* held = archive();
    int pickedIndex = -1;
    if (held) {
        QStringList items;
        items.reserve(qsizetype(held->lines.size()));
        for (std::size_t l = 0; l < held->lines.size(); ++l) {
            const DrawIdentity& identity = held->lines[l].identity;
            items << identity.text();
            if (picked_ && identity == *picked_) {
                pickedIndex = int(l);
            }
        }
        drawList_->addItems(items);
    }
    if (pickedIndex < 0) {
        picked_.reset();
    }
    drawList_->setCurrentIndex(pickedIndex);
    drawList_->setEnabled(held != nullptr);
    checkAllButton_->setEnabled(held != nullptr && bool(source_.prepare));
}

void DrawCheckDialog::pickDraw(int index) {
    if (checkingAll()) {
        return;
    }
    // The line picked, found again by its identity in a file that changed meanwhile.
    const DrawArchive* before = archive();
    std::optional<DrawIdentity> wanted;
    if (before && index >= 0 && std::size_t(index) < before->lines.size()) {
        wanted = before->lines[std::size_t(index)].identity;
    }
    picked_ = wanted;
    refreshArchive();
    const DrawArchive* held = archive();
    if (!held || !picked_) {
        return;
    }
    const auto line =
        std::find_if(held->lines.begin(), held->lines.end(), [this](const ArchiveLine& candidate) {
            return candidate.identity == *picked_;
        });
    if (line == held->lines.end()) {
        return;
    }
    pickedTexts_.clear();
    for (std::size_t box = 0; box < drawBoxes_.size(); ++box) {
        const QString text = int(box) < line->drawCount ? boxText(line->draws[box]) : QString();
        drawBoxes_[box]->setText(text);
        pickedTexts_ << text;
    }
    check();
}

void DrawCheckDialog::checkAll() {
    if (checkingAll() || !source_.prepare) {
        return;
    }
    refreshArchive();
    std::shared_ptr<const DrawArchive> held = archiveFile_.archive();
    if (!held) {
        return;
    }
    const PreparedCheck prepared = source_.prepare(chosenSubject());
    if (!prepared.ok()) {
        services_.messageBox.error(*prepared.refusal, source_.messageTitle);
        return;
    }
    auto run = std::make_unique<Run>();
    run->subject = prepared.subject;
    run->archive = std::move(held);
    Run* running = run.get();
    try {
        run->thread = std::thread([running] {
            try {
                running->result =
                    checkArchive(*running->subject, *running->archive, &running->progress);
            } catch (...) {
                running->result = ArchiveCheckResult{};
                running->result.cancelled = true;
            }
            running->finished.store(true, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        return;
    }
    run_ = std::move(run);
    runClock_.start();
    progressBar_->setValue(0);
    showRunning(true);
}

// While every draw is checked, nothing else can start; the bar and "Mégse" show once the check
// takes longer than a moment.
void DrawCheckDialog::showRunning(bool running) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             loadButton_, drawList_, checkButton_, checkAllButton_, copyButton_, printButton_}) {
        control->setEnabled(!running);
    }
    if (subjectGroup_) {
        for (QAbstractButton* option : subjectGroup_->buttons()) {
            option->setEnabled(!running);
        }
    }
    if (running) {
        pollTimer_->start();
        return;
    }
    pollTimer_->stop();
    progressRow_->hide();
    drawList_->setEnabled(archive() != nullptr);
    checkAllButton_->setEnabled(archive() != nullptr && bool(source_.prepare));
    copyButton_->setEnabled(report_.has_value());
    printButton_->setEnabled(report_.has_value());
}

void DrawCheckDialog::pollRun() {
    if (!run_) {
        return;
    }
    if (!progressRow_->isVisible() && runClock_.elapsed() > quietMilliseconds) {
        progressRow_->show();
        cancelButton_->setFocus();
    }
    progressBar_->setValue(int(std::lround(run_->progress.fraction() * progressSteps)));
    if (run_->finished.load(std::memory_order_acquire)) {
        finishRun();
    }
}

void DrawCheckDialog::finishRun() {
    run_->thread.join();
    const std::unique_ptr<Run> run = std::move(run_);
    if (!run->result.cancelled) {
        allDrawsArchive_ = run->archive;
        allDraws_ = std::move(run->result);
        const CheckedSubject subject = allDraws_->subject;
        report_ = archiveCheckReport(
            *allDraws_, *allDrawsArchive_,
            DrawCheckHeading{source_.program, source_.subject(subject), services_.clock.today()});
        showReport();
    }
    showRunning(false);
}

// Stops a running check and waits for its thread; nothing of it is kept.
void DrawCheckDialog::stopRun() {
    if (!run_) {
        return;
    }
    run_->progress.cancel();
    run_->thread.join();
    run_.reset();
    showRunning(false);
}

void DrawCheckDialog::cancelCheckAll() {
    stopRun();
}

void DrawCheckDialog::done(int result) {
    stopRun();
    QDialog::done(result);
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
            // The check of every draw: the chart of the frequencies beside the summary, instead
            // of their table.
            if (allDraws_ && table.caption == DrawCheckText::frequencyTable) {
                continue;
            }
            add(new QLabel(table.caption, area));
            if (table.rows.empty()) {
                add(new QLabel(table.emptyText, area));
            } else if (allDraws_ && table.caption == DrawCheckText::summaryTable) {
                auto* beside = new QWidget(area);
                auto* row = new QHBoxLayout(beside);
                row->setContentsMargins(0, 0, 0, 0);
                // The summary takes what the chart leaves; a value longer than its column shows
                // whole in its tooltip.
                QTableView* summary = makeTableView(table, beside);
                summary->setMinimumWidth(0);
                summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
                auto* chart = new FrequencyChart(allDraws_->frequencies, allDraws_->played, beside);
                chart->setMinimumHeight(summary->height());
                row->addWidget(summary, 3);
                row->addWidget(chart, 2);
                add(beside);
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
