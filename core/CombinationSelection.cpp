#include "CombinationSelection.h"

#include "CombinationSelectionObserver.h"
#include "NumberText.h"
#include "RowText.h"
#include "Services.h"
#include "SystemTable.h"

namespace {

constexpr int maxListRows = 32736;

const QString overlapMessage =
    QStringLiteral("Átfedés van a FIX számok és a KOMBINÁCIÓS számok között !");
const QString mismatchMessage = QStringLiteral(
    "Hibás összefüggés a betöltött kulcs, fix kijelölés, kombináció kiválasztás között !");

// Counter captions are read back as numbers; an empty caption reads as 0.
long long captionValue(const QString& caption) {
    return saturatedInteger(leadingNumber(caption));
}

QString plainCaption(int number) {
    return QString::number(number);
}

QString clickedCaption(int number) {
    return QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ');
}

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

CombinationSelection::CombinationSelection(const GameProfile& profile)
    : profile_(&profile), fixMarks_(std::size_t(profile.highestNumber) + 1, 0),
      captions_(std::size_t(profile.highestNumber) + 1) {
    for (int n = 1; n <= profile_->highestNumber; ++n) {
        captions_[std::size_t(n)] = plainCaption(n);
    }
}

void CombinationSelection::setObserver(CombinationSelectionObserver* observer) {
    observer_ = observer;
}

CombinationSelection CombinationSelection::detachedCopy() const {
    CombinationSelection copy(*this);
    copy.observer_ = nullptr;
    return copy;
}

void CombinationSelection::adopt(const CombinationSelection& copy) {
    CombinationSelectionObserver* const observer = observer_;
    *this = copy;
    observer_ = observer;
    if (observer_) {
        for (int n = 1; n <= highestNumber(); ++n) {
            observer_->numberChanged(n);
        }
        observer_->rowsChanged();
        observer_->entriesChanged();
        observer_->systemChanged();
        observer_->countersChanged();
    }
}

bool CombinationSelection::isMarked(int number) const {
    return number >= 1 && number <= highestNumber() && fixMarks_[std::size_t(number)] == 1;
}

QString CombinationSelection::numberCaption(int number) const {
    if (number < 1 || number > highestNumber()) {
        return {};
    }
    return captions_[std::size_t(number)];
}

std::vector<int> CombinationSelection::fixNumbers() const {
    std::vector<int> numbers;
    for (int n = 1; n <= highestNumber(); ++n) {
        if (fixMarks_[std::size_t(n)] != 0) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

void CombinationSelection::setFlag(int number, bool marked, const QString& caption) {
    fixMarks_[std::size_t(number)] = marked ? 1 : 0;
    captions_[std::size_t(number)] = caption;
    if (observer_) {
        observer_->numberChanged(number);
    }
}

void CombinationSelection::toggleNumber(int number) {
    if (number < 1 || number > highestNumber()) {
        return;
    }
    if (fixMarks_[std::size_t(number)] != 1) {
        const long long count = captionValue(counters_.fixCount) + 1;
        setFlag(number, true, QString());
        counters_.fixCount = QString::number(count);
    } else {
        setFlag(number, false, clickedCaption(number));
        counters_.fixCount = QString::number(captionValue(counters_.fixCount) - 1);
    }
    notifyCounters();
}

void CombinationSelection::resetNumbers() {
    for (int n = 1; n <= highestNumber(); ++n) {
        setFlag(n, false, plainCaption(n));
    }
}

void CombinationSelection::clearFixMarks() {
    resetNumbers();
}

void CombinationSelection::selectRow(int index) {
    if (index < 0 || index >= rows_.size()) {
        return;
    }
    selectedRow_ = index;
    notifyRows();
    counters_.selectedRowPosition = strForm(index + 1);
    notifyCounters();
}

void CombinationSelection::addCombinationRow() {
    QString row;
    int count = 0;
    for (int n = 1; n <= highestNumber(); ++n) {
        if (fixMarks_[std::size_t(n)] == 1) {
            row += twoDigits(n) + QLatin1Char(' ');
            ++count;
        }
    }
    if (count == 0 || rows_.size() >= maxListRows) {
        return;
    }
    rows_.append(row);
    notifyRows();
    counters_.combinationCount = QString::number(count);
    for (int n = 1; n <= highestNumber(); ++n) {
        if (fixMarks_[std::size_t(n)] == 1) {
            toggleNumber(n);
        }
    }
    counters_.slipCount = QString::number(captionValue(counters_.slipCount) + 1);
    notifyCounters();
}

void CombinationSelection::clearSelection(bool alsoRows) {
    resetNumbers();
    counters_.systemCombinations.clear();
    counters_.fixCount.clear();
    counters_.combinationCount.clear();
    notifyCounters();
    if (alsoRows) {
        clearRows();
    }
}

void CombinationSelection::clearRows() {
    setRows({});
}

void CombinationSelection::setRows(const QStringList& rows) {
    rows_ = rows.mid(0, maxListRows);
    selectedRow_ = -1;
    notifyRows();
}

void CombinationSelection::deleteSelectedRow() {
    if (selectedRow_ < 0 || selectedRow_ >= rows_.size()) {
        return;
    }
    rows_.removeAt(selectedRow_);
    selectedRow_ = -1;
    notifyRows();
}

void CombinationSelection::clearSelectedRowCaption() {
    counters_.selectedRowPosition.clear();
    notifyCounters();
}

void CombinationSelection::setRowCountCaption(const QString& text) {
    counters_.slipCount = text;
    notifyCounters();
}

void CombinationSelection::setWidthCaption(const QString& text) {
    counters_.combinationCount = text;
    notifyCounters();
}

int CombinationSelection::systemCount() const {
    return int(systemTable(profile_->game).codes.size());
}

QString CombinationSelection::systemCode(int index) const {
    const QStringList& codes = systemTable(profile_->game).codes;
    return index >= 0 && index < codes.size() ? codes[index] : QString();
}

void CombinationSelection::selectSystem(int index) {
    if (index < 0 || index >= systemCount()) {
        return;
    }
    systemIndex_ = index;
    if (observer_) {
        observer_->systemChanged();
    }
    const QString code = systemCode(index);
    const int fix = systemFixCount(code);
    const int combined = systemCombinationCount(code);
    counters_.systemCombinations =
        QString::number(binomial(combined, profile_->numbersPerRow - fix));
    notifyCounters();
}

void CombinationSelection::selectEntry(int index) {
    if (index < 0 || index >= entries_.size()) {
        return;
    }
    selectedEntry_ = index;
    notifyEntries();
    applyFullCombinationEntry(index);
}

// The row and the Label8 count that go with an entry's variant character.
CombinationSelection::EntryRow CombinationSelection::entryRow(QChar variant) const {
    const EntryVariants& variants = profile_->entryVariants;
    const EntryRow base{baseSetRow_, QString::number(profile_->baseSetSize), true};
    if (!variants.read) {
        return base;
    }
    for (int i = 0; i < variants.shortSets.size(); ++i) {
        if (variant == variants.shortSets[i].variant) {
            const QString count = QString::number(variants.shortSets[i].size);
            // A short set the window did not hand over leaves List1 empty.
            return {i < shortSetRows_.size() ? std::optional(shortSetRows_[i]) : std::nullopt,
                    count, true};
        }
    }
    if (!variants.baseVariant || variant == *variants.baseVariant) {
        return base;
    }
    return {std::nullopt, QString(), false};
}

void CombinationSelection::applyFullCombinationEntry(int index) {
    if (index == 0) {
        setRows({baseSetRow_});
        counters_.combinationCount = QString::number(profile_->baseSetSize);
        resetNumbers();
        counters_.fixCount.clear();
        notifyCounters();
        selectMatchingSystem();
        return;
    }
    const QString entry = entries_[index];
    const QChar variant = entry.size() > 2 ? entry[2] : QChar();
    const EntryRow chosen = entryRow(variant);
    // A missing short set (the window did not hand one over) leaves List1 empty rather than
    // giving it a row without numbers.
    setRows(chosen.row ? QStringList{*chosen.row} : QStringList{});
    if (chosen.known) {
        counters_.combinationCount = chosen.combinationCount;
    }
    resetNumbers();
    const int fixCount = int((entry.size() + 1) / 3) - 1;
    const QString groups = entry.mid(3);
    for (int j = 1; j <= fixCount; ++j) {
        const int number = rowValue(groups, j);
        // A FIX number listed twice stays marked instead of being toggled off again.
        if (number >= 1 && number <= highestNumber() && !isMarked(number)) {
            toggleNumber(number);
        }
    }
    counters_.fixCount = entry.left(2);
    notifyCounters();
    selectMatchingSystem();
}

void CombinationSelection::selectMatchingSystem() {
    const long long fix = captionValue(counters_.fixCount);
    const long long combined = captionValue(counters_.combinationCount);
    for (int i = 0; i < systemCount(); ++i) {
        const QString code = systemCode(i);
        if (systemFixCount(code) == fix && systemCombinationCount(code) == combined) {
            selectSystem(i);
            return;
        }
    }
}

void CombinationSelection::deleteSelectedEntry() {
    if (selectedEntry_ < 0 || selectedEntry_ >= entries_.size()) {
        return;
    }
    entries_.removeAt(selectedEntry_);
    selectedEntry_ = -1;
    notifyEntries();
}

void CombinationSelection::totalCombinations() {
    long long sum = 0;
    for (int p = 0; p < entries_.size(); ++p) {
        selectEntry(p);
        sum += captionValue(counters_.systemCombinations);
    }
    sum += plainSlipCount_;
    counters_.checkedTotal = QString::number(sum);
    notifyCounters();
}

void CombinationSelection::receiveFullCombination(const FullCombinationHandOver& handOver) {
    entries_ = handOver.entries.mid(0, maxListRows);
    selectedEntry_ = -1;
    notifyEntries();
    baseSetRow_ = handOver.baseSetRow;
    shortSetRows_ = handOver.shortSetRows;
    plainSlipCount_ = handOver.plainSlipCount;
    setRows({baseSetRow_});
    counters_.combinationCount = QString::number(profile_->baseSetSize);
    counters_.expectedTotal = strForm(handOver.expectedTotal);
    notifyCounters();
}

void CombinationSelection::selectBaseSlip() {
    selectSystem(profile_->baseSystemIndex);
    selectEntry(0);
}

std::optional<QString> CombinationSelection::selectionProblem() const {
    if (rows_.isEmpty()) {
        return profile_->combiMissingMessage;
    }
    for (const QString& row : rows_) {
        const int width = rowWidth(row);
        for (int k = 1; k <= width; ++k) {
            // Numbers outside 1..N have no flag and cannot overlap a FIX number.
            if (isMarked(rowValue(row, k))) {
                return overlapMessage;
            }
        }
    }
    if (systemIndex_ < 0) {
        return mismatchMessage;
    }
    const QString code = systemCode(systemIndex_);
    if (captionValue(counters_.fixCount) != systemFixCount(code) ||
        captionValue(counters_.combinationCount) != systemCombinationCount(code)) {
        return mismatchMessage;
    }
    return std::nullopt;
}

bool CombinationSelection::validateSelection(MessageBoxService& messageBox) const {
    const std::optional<QString> problem = selectionProblem();
    if (!problem) {
        return true;
    }
    messageBox.show(*problem, MessageBoxService::Icon::Critical, MessageBoxService::Buttons::Ok,
                    Maker::messageTitle);
    return false;
}

void CombinationSelection::notifyCounters() {
    if (observer_) {
        observer_->countersChanged();
    }
}

void CombinationSelection::notifyRows() {
    if (observer_) {
        observer_->rowsChanged();
    }
}

void CombinationSelection::notifyEntries() {
    if (observer_) {
        observer_->entriesChanged();
    }
}
