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
    : profile_(profile), fixMarks_(std::size_t(profile.highestNumber) + 1, 0),
      captions_(std::size_t(profile.highestNumber) + 1) {
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        captions_[std::size_t(n)] = plainCaption(n);
    }
}

void CombinationSelection::setObserver(CombinationSelectionObserver* observer) {
    observer_ = observer;
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
        const long long count = captionValue(counters_.label15) + 1;
        setFlag(number, true, QString());
        counters_.label15 = QString::number(count);
    } else {
        setFlag(number, false, clickedCaption(number));
        counters_.label15 = QString::number(captionValue(counters_.label15) - 1);
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
    counters_.label7 = strForm(index + 1);
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
    counters_.label8 = QString::number(count);
    for (int n = 1; n <= highestNumber(); ++n) {
        if (fixMarks_[std::size_t(n)] == 1) {
            toggleNumber(n);
        }
    }
    counters_.label4 = QString::number(captionValue(counters_.label4) + 1);
    notifyCounters();
}

void CombinationSelection::clearSelection(bool alsoRows) {
    resetNumbers();
    counters_.label12.clear();
    counters_.label15.clear();
    counters_.label8.clear();
    notifyCounters();
    if (alsoRows) {
        clearRows();
    }
}

void CombinationSelection::clearRows() {
    setRowsTo({});
}

void CombinationSelection::setRowsTo(const QStringList& rows) {
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

void CombinationSelection::loadKeyRows(const QStringList& rows, bool clearLabel7,
                                       const std::optional<QString>& rowCountCaption,
                                       const std::optional<QString>& widthCaption) {
    setRowsTo(rows);
    if (clearLabel7) {
        counters_.label7.clear();
    }
    if (rowCountCaption) {
        counters_.label4 = *rowCountCaption;
    }
    if (widthCaption) {
        counters_.label8 = *widthCaption;
    }
    notifyCounters();
}

int CombinationSelection::systemCount() const {
    return int(systemTable(profile_.game).codes.size());
}

QString CombinationSelection::systemCode(int index) const {
    const QStringList& codes = systemTable(profile_.game).codes;
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
    counters_.label12 = QString::number(binomial(combined, profile_.numbersPerRow - fix));
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

int CombinationSelection::baseSetSize() const {
    return profile_.game == 5 ? 12 : 11;
}

int CombinationSelection::baseSystemIndex() const {
    return profile_.game == 5 ? 6 : 5;
}

// The row and the Label8 count that go with an entry's variant character.
CombinationSelection::EntryRow CombinationSelection::entryRow(QChar variant) const {
    const auto shortRow = [this](int i, const QString& count) -> EntryRow {
        if (i < shortSetRows_.size()) {
            return {shortSetRows_[i], count, true};
        }
        return {std::nullopt, count, true};
    };
    const EntryRow base{baseSetRow_, QString::number(baseSetSize()), true};
    if (profile_.game == 7) {
        return variant == QLatin1Char('*') ? shortRow(0, QStringLiteral("10")) : base;
    }
    if (profile_.game == 6) {
        if (variant == QLatin1Char(' ')) {
            return base;
        }
        if (variant == QLatin1Char('9')) {
            return shortRow(0, QStringLiteral("9"));
        }
        if (variant == QLatin1Char('8')) {
            return shortRow(1, QStringLiteral("8"));
        }
        return {std::nullopt, QString(), false};
    }
    return base;
}

void CombinationSelection::applyFullCombinationEntry(int index) {
    if (index == 0) {
        setRowsTo({baseSetRow_});
        counters_.label8 = QString::number(baseSetSize());
        resetNumbers();
        counters_.label15.clear();
        notifyCounters();
        selectMatchingSystem();
        return;
    }
    const QString entry = entries_[index];
    const QChar variant = entry.size() > 2 ? entry[2] : QChar();
    const EntryRow chosen = entryRow(variant);
    // A missing short set (the window did not hand one over) leaves List1 empty rather than
    // giving it a row without numbers.
    setRowsTo(chosen.row ? QStringList{*chosen.row} : QStringList{});
    if (chosen.known) {
        counters_.label8 = chosen.label8;
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
    counters_.label15 = entry.left(2);
    notifyCounters();
    selectMatchingSystem();
}

void CombinationSelection::selectMatchingSystem() {
    const long long fix = captionValue(counters_.label15);
    const long long combined = captionValue(counters_.label8);
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
        sum += captionValue(counters_.label12);
    }
    sum += plainSlipCount_;
    counters_.label17 = QString::number(sum);
    notifyCounters();
}

void CombinationSelection::receiveFullCombination(const FullCombinationHandOver& handOver) {
    entries_ = handOver.entries.mid(0, maxListRows);
    selectedEntry_ = -1;
    notifyEntries();
    baseSetRow_ = handOver.baseSetRow;
    shortSetRows_ = handOver.shortSetRows;
    plainSlipCount_ = handOver.plainSlipCount;
    setRowsTo({baseSetRow_});
    counters_.label8 = QString::number(baseSetSize());
    counters_.label5 = strForm(handOver.expectedTotal);
    notifyCounters();
}

void CombinationSelection::selectBaseSlip() {
    selectSystem(baseSystemIndex());
    selectEntry(0);
}

std::optional<QString> CombinationSelection::selectionProblem() const {
    if (rows_.isEmpty()) {
        return profile_.combiMissingMessage;
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
    if (captionValue(counters_.label15) != systemFixCount(code) ||
        captionValue(counters_.label8) != systemCombinationCount(code)) {
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
