#include "core/combination/CombinationSelection.h"

#include "core/base/Maker.h"
#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/base/Services.h"
#include "core/combination/CombinationSelectionObserver.h"
#include "core/slip/SystemTable.h"

#include <algorithm>

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

// What applying entry `index` sets: entry 0 plays the base set without FIX numbers; any other
// entry plays the row of its variant character with the FIX numbers it lists.
CombinationSelection::EntryPlay CombinationSelection::entryPlay(int index) const {
    if (index == 0) {
        return {{baseSetRow_}, QString::number(profile_->baseSetSize), {}, QString()};
    }
    const QString& entry = entries_[index];
    const QChar variant = entry.size() > 2 ? entry[2] : QChar();
    const EntryRow chosen = entryRow(variant);
    EntryPlay play;
    // A missing short set (the window did not hand one over) leaves List1 empty rather than
    // giving it a row without numbers.
    if (chosen.row) {
        play.rows = QStringList{*chosen.row};
    }
    if (chosen.known) {
        play.combinationCount = chosen.combinationCount;
    }
    const int fixCount = int((entry.size() + 1) / 3) - 1;
    const QString groups = entry.mid(3);
    std::vector<bool> listed(std::size_t(highestNumber()) + 1, false);
    for (int j = 1; j <= fixCount; ++j) {
        const int number = rowValue(groups, j);
        // A FIX number listed twice stays marked instead of being toggled off again.
        if (number >= 1 && number <= highestNumber() && !listed[std::size_t(number)]) {
            listed[std::size_t(number)] = true;
            play.fixNumbers.push_back(number);
        }
    }
    play.fixCount = entry.left(2);
    return play;
}

void CombinationSelection::applyFullCombinationEntry(int index) {
    const EntryPlay play = entryPlay(index);
    setRows(play.rows);
    if (play.combinationCount) {
        counters_.combinationCount = *play.combinationCount;
    }
    resetNumbers();
    for (int number : play.fixNumbers) {
        toggleNumber(number);
    }
    counters_.fixCount = play.fixCount;
    notifyCounters();
    selectMatchingSystem();
}

SelectionSlip CombinationSelection::entrySlip(int index, const SelectionSlip& before) const {
    SelectionSlip slip = before;
    if (index < 0 || index >= entries_.size()) {
        return slip;
    }
    EntryPlay play = entryPlay(index);
    slip.rows = play.rows;
    if (play.combinationCount) {
        slip.combinationCount = *play.combinationCount;
    }
    slip.fixNumbers = std::move(play.fixNumbers);
    std::sort(slip.fixNumbers.begin(), slip.fixNumbers.end());
    slip.fixCount = play.fixCount;
    if (const int system = matchingSystem(slip.fixCount, slip.combinationCount); system >= 0) {
        slip.systemIndex = system;
    }
    return slip;
}

// The first system whose FIX and combination counts are those of the captions; -1 when none.
int CombinationSelection::matchingSystem(const QString& fixCount,
                                         const QString& combinationCount) const {
    const long long fix = captionValue(fixCount);
    const long long combined = captionValue(combinationCount);
    for (int i = 0; i < systemCount(); ++i) {
        const QString code = systemCode(i);
        if (systemFixCount(code) == fix && systemCombinationCount(code) == combined) {
            return i;
        }
    }
    return -1;
}

void CombinationSelection::selectMatchingSystem() {
    if (const int system = matchingSystem(counters_.fixCount, counters_.combinationCount);
        system >= 0) {
        selectSystem(system);
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
    plainRowFile_ = handOver.plainRowFile;
    fullCombinationNumbers_ = handOver.chosenNumbers;
    setRows({baseSetRow_});
    counters_.combinationCount = QString::number(profile_->baseSetSize);
    counters_.expectedTotal = strForm(handOver.expectedTotal);
    notifyCounters();
}

void CombinationSelection::selectBaseSlip() {
    selectSystem(profile_->baseSystemIndex);
    selectEntry(0);
}

SelectionSlip CombinationSelection::currentSlip() const {
    return {rows_, fixNumbers(), systemIndex_, counters_.fixCount, counters_.combinationCount};
}

std::optional<QString> CombinationSelection::selectionProblem() const {
    return selectionProblem(currentSlip());
}

std::optional<QString> CombinationSelection::selectionProblem(const SelectionSlip& slip) const {
    if (slip.rows.isEmpty()) {
        return profile_->combiMissingMessage;
    }
    std::vector<bool> marked(std::size_t(highestNumber()) + 1, false);
    for (int number : slip.fixNumbers) {
        if (number >= 1 && number <= highestNumber()) {
            marked[std::size_t(number)] = true;
        }
    }
    for (const QString& row : slip.rows) {
        const int width = rowWidth(row);
        for (int k = 1; k <= width; ++k) {
            // Numbers outside 1..N have no flag and cannot overlap a FIX number.
            const int number = rowValue(row, k);
            if (number >= 1 && number <= highestNumber() && marked[std::size_t(number)]) {
                return overlapMessage;
            }
        }
    }
    if (slip.systemIndex < 0) {
        return mismatchMessage;
    }
    const QString code = systemCode(slip.systemIndex);
    if (captionValue(slip.fixCount) != systemFixCount(code) ||
        captionValue(slip.combinationCount) != systemCombinationCount(code)) {
        return mismatchMessage;
    }
    return std::nullopt;
}

bool CombinationSelection::validateSelection(MessageBoxService& messageBox) const {
    const std::optional<QString> problem = selectionProblem();
    if (!problem) {
        return true;
    }
    messageBox.error(*problem, Maker::messageTitle);
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
