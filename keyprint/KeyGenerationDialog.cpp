#include "keyprint/KeyGenerationDialog.h"

#include "core/keys/KeyGenerationForm.h"
#include "core/keys/KeyRequestCheck.h"
#include "core/models/KeyPrinterModel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <system_error>
#include <thread>

namespace {

constexpr int progressSteps = 1000;                   // the progress bar's range
constexpr std::chrono::milliseconds pollInterval(50); // how often the bar follows the search
constexpr int firstGuaranteed = 3;                    // both spin boxes when the dialog opens

} // namespace

// One search on its own thread: what it searches for, its progress (read and cancelled from the
// dialog's thread), and the result, which the dialog reads only after `finished` is set.
struct KeyGenerationDialog::Search {
    KeyGenerationInput input;
    KeySearchProgress progress;
    KeyResult result;
    std::atomic<bool> finished{false};
    std::thread thread;
};

KeyGenerationDialog::KeyGenerationDialog(const GameProfile& profile, const Services& services,
                                         KeyPrinterModel& model, const KeySearchOptions& options,
                                         QWidget* parent)
    : QDialog(parent), profile_(profile), services_(services), model_(model), options_(options) {
    setObjectName(QStringLiteral("KeyGenerationDialog"));
    setWindowTitle(QStringLiteral("Kulcs készítés – ") + services_.program.executableName());
    buildControls();
    pollTimer_ = new QTimer(this);
    pollTimer_->setInterval(pollInterval);
    connect(pollTimer_, &QTimer::timeout, this, [this] { pollSearch(); });
}

KeyGenerationDialog::~KeyGenerationDialog() {
    stopSearch();
}

void KeyGenerationDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    buildInputs(*layout);
    buildSearchRow(*layout);
    buildButtonRow(*layout);
    connectHandlers();
}

// The played numbers, the guarantee's two counts and the line that says what they promise.
void KeyGenerationDialog::buildInputs(QVBoxLayout& layout) {
    const KeyNumberLimits limits = keyNumberLimits(profile_);
    // The numbers over the dialog's whole width: every number of the largest key shows at once.
    auto* numbersLabel = new QLabel(QStringLiteral("Megjátszott számok:"), this);
    numbersEdit_ = new QLineEdit(this);
    numbersEdit_->setObjectName(QStringLiteral("PlayedNumbers"));
    numbersEdit_->setPlaceholderText(QStringLiteral("%1–%2 különböző szám 1 és %3 között")
                                         .arg(limits.fewestPlayed)
                                         .arg(limits.mostPlayed)
                                         .arg(limits.highestNumber));
    numbersEdit_->setToolTip(
        QStringLiteral("A számok közé szóközt, vesszőt vagy kötőjelet tegyen."));
    numbersEdit_->setMinimumWidth(numbersEdit_->fontMetrics().horizontalAdvance(
                                      QStringLiteral("00 ").repeated(limits.mostPlayed)) +
                                  numbersEdit_->fontMetrics().averageCharWidth() * 2);
    numbersLabel->setBuddy(numbersEdit_);
    layout.addWidget(numbersLabel);
    layout.addWidget(numbersEdit_);

    auto* form = new QFormLayout;
    const auto spinBox = [&](const QString& name) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(2, limits.rowLength);
        box->setValue(std::min(firstGuaranteed, limits.rowLength));
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        return box;
    };
    guaranteedBox_ = spinBox(QStringLiteral("Guaranteed"));
    form->addRow(QStringLiteral("Garantált találat:"), guaranteedBox_);
    drawnAmongBox_ = spinBox(QStringLiteral("DrawnAmong"));
    form->addRow(QStringLiteral("Ha ennyi nyerőszám van köztük:"), drawnAmongBox_);
    layout.addLayout(form);

    guaranteeLabel_ = new QLabel(this);
    guaranteeLabel_->setObjectName(QStringLiteral("GuaranteeLine"));
    guaranteeLabel_->setWordWrap(true);
    layout.addWidget(guaranteeLabel_);
}

// "Készít" with the search's progress, and the line of the key found.
void KeyGenerationDialog::buildSearchRow(QVBoxLayout& layout) {
    auto* searchRow = new QHBoxLayout;
    makeButton_ = new QPushButton(QStringLiteral("Készít"), this);
    makeButton_->setObjectName(QStringLiteral("MakeButton"));
    makeButton_->setDefault(true); // Enter in the number box makes the key
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("SearchProgress"));
    progressBar_->setRange(0, progressSteps);
    progressBar_->setValue(0);
    searchRow->addWidget(makeButton_);
    searchRow->addWidget(progressBar_, 1);
    layout.addLayout(searchRow);

    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("ResultLine"));
    layout.addWidget(resultLabel_);
    layout.addStretch();
}

void KeyGenerationDialog::buildButtonRow(QVBoxLayout& layout) {
    auto* buttonRow = new QHBoxLayout;
    loadButton_ = new QPushButton(QStringLiteral("Betölt"), this);
    loadButton_->setObjectName(QStringLiteral("LoadButton"));
    loadButton_->setEnabled(false);
    cancelButton_ = new QPushButton(QStringLiteral("Mégse"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    buttonRow->addStretch();
    buttonRow->addWidget(loadButton_);
    buttonRow->addWidget(cancelButton_);
    layout.addLayout(buttonRow);
}

void KeyGenerationDialog::connectHandlers() {
    const auto showGuarantee = [this] {
        guaranteeLabel_->setText(
            keyGuaranteeLine(guaranteedBox_->value(), drawnAmongBox_->value()));
    };
    showGuarantee();
    connect(numbersEdit_, &QLineEdit::textEdited, this, [this] { inputsEdited(); });
    for (QSpinBox* box : {guaranteedBox_, drawnAmongBox_}) {
        connect(box, &QSpinBox::valueChanged, this, [this, showGuarantee] {
            showGuarantee();
            inputsEdited();
        });
    }
    connect(makeButton_, &QPushButton::clicked, this, [this] { make(); });
    connect(loadButton_, &QPushButton::clicked, this, [this] { load(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
}

// A key found for other inputs is no longer the one asked for.
void KeyGenerationDialog::inputsEdited() {
    if (!found_) {
        return;
    }
    found_.reset();
    loadButton_->setEnabled(false);
    resultLabel_->clear();
    progressBar_->setValue(0);
}

// While a search runs its inputs stay as they are: only "Mégse" (or closing) can stop it.
void KeyGenerationDialog::showSearching(bool running) {
    for (QWidget* input : std::initializer_list<QWidget*>{numbersEdit_, guaranteedBox_,
                                                          drawnAmongBox_, makeButton_}) {
        input->setEnabled(!running);
    }
    loadButton_->setEnabled(!running && found_.has_value());
    if (running) {
        resultLabel_->setText(QStringLiteral("Kulcs keresése…"));
        pollTimer_->start();
    } else {
        pollTimer_->stop();
    }
}

// Input that cannot be searched for is told and changes nothing; otherwise any earlier key is
// dropped and the search starts on its own thread.
void KeyGenerationDialog::make() {
    if (searching()) {
        return;
    }
    const KeyGenerationInput input = readKeyGenerationInput(
        profile_, numbersEdit_->text(), guaranteedBox_->value(), drawnAmongBox_->value());
    if (!input.ok()) {
        services_.messageBox.error(input.problem, profile_.keyTitle);
        numbersEdit_->setFocus();
        return;
    }
    found_.reset();
    progressBar_->setValue(0);
    auto search = std::make_unique<Search>();
    search->input = input;
    Search* running = search.get();
    try {
        search->thread = std::thread([running, options = options_] {
            try {
                running->result = makeKey(running->input.request, options, &running->progress);
            } catch (...) {
                running->result = KeyResult{}; // no key: told as a failed search
            }
            running->finished.store(true, std::memory_order_release);
        });
    } catch (const std::system_error&) {
        resultLabel_->clear();
        services_.messageBox.error(keySearchFailedMessage(), profile_.keyTitle);
        return;
    }
    search_ = std::move(search);
    showSearching(true);
    cancelButton_->setFocus(); // Enter, space or Esc stops the search
}

void KeyGenerationDialog::pollSearch() {
    if (!search_) {
        return;
    }
    progressBar_->setValue(int(std::lround(search_->progress.fraction() * progressSteps)));
    if (search_->finished.load(std::memory_order_acquire)) {
        finishSearch();
    }
}

void KeyGenerationDialog::finishSearch() {
    search_->thread.join();
    const std::unique_ptr<Search> search = std::move(search_);
    const KeyResult& result = search->result;
    if (result.status == KeyStatus::Found) {
        found_ = FoundKey{search->input.request, generatedKeyRows(result, search->input.played)};
        progressBar_->setValue(progressSteps);
        resultLabel_->setText(keyRowCountLine(std::int64_t(result.rows.size()), result.lowerBound));
        showSearching(false);
        loadButton_->setFocus();
        return;
    }
    progressBar_->setValue(0);
    resultLabel_->clear();
    showSearching(false);
    services_.messageBox.error(result.status == KeyStatus::TooLarge
                                   ? keyTooLargeMessage(result.lowerBound)
                                   : keySearchFailedMessage(),
                               profile_.keyTitle);
}

// Stops a running search and waits for its thread; what it found so far is dropped.
void KeyGenerationDialog::stopSearch() {
    if (!search_) {
        return;
    }
    search_->progress.cancel();
    search_->thread.join();
    search_.reset();
    progressBar_->setValue(0);
    resultLabel_->clear();
    showSearching(false);
}

// The key into the window's list as a key file with these rows would be loaded, named after its
// request until it is saved; then the offer to save it, and the dialog closes.
void KeyGenerationDialog::load() {
    if (!found_ || searching()) {
        return;
    }
    const FoundKey key = *found_;
    model_.loadRows(key.rows);
    model_.nameKey(generatedKeyFileName(key.request));
    if (const std::optional<QString> saved =
            offerKeySave(services_, profile_, key.request, key.rows)) {
        model_.nameKey(*saved);
    }
    accept();
}

void KeyGenerationDialog::cancel() {
    if (searching()) {
        stopSearch();
        return;
    }
    reject();
}

void KeyGenerationDialog::done(int result) {
    stopSearch();
    QDialog::done(result);
}
