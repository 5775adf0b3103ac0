#include "core/combination/CombinationSelection.h"

#include "core/base/Maker.h"
#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/base/Services.h"
#include "core/slip/SystemTable.h"

#include <algorithm>

namespace {

constexpr int maxListRows = 32736;

const QString overlapMessage =
    QStringLiteral("Átfedés van a FIX számok és a KOMBINÁCIÓS számok között !");
const QString mismatchMessage = QStringLiteral(
    "Hibás összefüggés a betöltött kulcs, fix kijelölés, kombináció kiválasztás között !");

} // namespace

CombinationSelection::Change::Change(CombinationSelection& selection) : selection_(selection) {
    ++selection_.depth_;
}

CombinationSelection::Change::~Change() {
    if (--selection_.depth_ == 0 && selection_.changed_) {
        const SelectionParts parts = selection_.changed_;
        selection_.changed_ = {};
        if (selection_.listener_) {
            selection_.listener_(parts);
        }
    }
}

CombinationSelection::CombinationSelection(const GameProfile& profile)
    : profile_(&profile), grid_(profile.highestNumber) {}

CombinationSelection CombinationSelection::detachedCopy() const {
    CombinationSelection copy(*this);
    copy.listener_ = nullptr;
    return copy;
}

void CombinationSelection::adopt(const CombinationSelection& copy) {
    const Change change(*this);
    Listener listener = std::move(listener_);
    const int depth = depth_;
    *this = copy;
    listener_ = std::move(listener);
    depth_ = depth;
    changed_ = SelectionPart::Numbers | SelectionPart::Rows | SelectionPart::Entries |
               SelectionPart::System | SelectionPart::Counters;
}

bool CombinationSelection::isMarked(int number) const {
    return grid_.isMarked(number);
}

QString CombinationSelection::numberCaption(int number) const {
    return grid_.caption(number);
}

std::vector<int> CombinationSelection::fixNumbers() const {
    return grid_.numbers();
}

void CombinationSelection::toggleNumber(int number) {
    if (number < 1 || number > highestNumber()) {
        return;
    }
    const Change change(*this);
    if (!grid_.isMarked(number)) {
        grid_.mark(number);
        counters_.fixCount = Counter::of(counters_.fixCount.value() + 1);
    } else {
        grid_.unmark(number);
        counters_.fixCount = Counter::of(counters_.fixCount.value() - 1);
    }
    touch(SelectionPart::Numbers | SelectionPart::Counters);
}

void CombinationSelection::resetNumbers() {
    grid_.reset();
    touch(SelectionPart::Numbers);
}

void CombinationSelection::clearFixMarks() {
    const Change change(*this);
    resetNumbers();
}

void CombinationSelection::selectRow(int index) {
    if (index < 0 || index >= rows_.size()) {
        return;
    }
    const Change change(*this);
    selectedRow_ = index;
    counters_.selectedRowPosition = Counter::str(index + 1);
    touch(SelectionPart::Rows | SelectionPart::Counters);
}

// "Kombinációs számok": the marked numbers become a row of List1, their marks are taken back
// one by one, as clicks would take them back, and the slip count goes up by one.
void CombinationSelection::addCombinationRow() {
    const std::vector<int> marked = grid_.numbers();
    if (marked.empty() || rows_.size() >= maxListRows) {
        return;
    }
    const Change change(*this);
    rows_.append(grid_.markedRow());
    counters_.combinationCount = Counter::of(qsizetype(marked.size()));
    for (const int n : marked) {
        toggleNumber(n);
    }
    counters_.slipCount = Counter::of(counters_.slipCount.value() + 1);
    touch(SelectionPart::Rows | SelectionPart::Counters);
}

void CombinationSelection::clearSelection(bool alsoRows) {
    const Change change(*this);
    resetNumbers();
    counters_.systemCombinations = {};
    counters_.fixCount = {};
    counters_.combinationCount = {};
    touch(SelectionPart::Counters);
    if (alsoRows) {
        clearRows();
    }
}

void CombinationSelection::clearRows() {
    setRows({});
}

void CombinationSelection::setRows(const QStringList& rows) {
    const Change change(*this);
    rows_ = rows.mid(0, maxListRows);
    selectedRow_ = -1;
    touch(SelectionPart::Rows);
}

void CombinationSelection::deleteSelectedRow() {
    if (selectedRow_ < 0 || selectedRow_ >= rows_.size()) {
        return;
    }
    const Change change(*this);
    rows_.removeAt(selectedRow_);
    selectedRow_ = -1;
    touch(SelectionPart::Rows);
}

void CombinationSelection::clearSelectedRowCaption() {
    const Change change(*this);
    counters_.selectedRowPosition = {};
    touch(SelectionPart::Counters);
}

void CombinationSelection::setRowCountCaption(const QString& text) {
    const Change change(*this);
    counters_.slipCount = Counter(text);
    touch(SelectionPart::Counters);
}

void CombinationSelection::setWidthCaption(const QString& text) {
    const Change change(*this);
    counters_.combinationCount = Counter(text);
    touch(SelectionPart::Counters);
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
    const Change change(*this);
    systemIndex_ = index;
    const QString code = systemCode(index);
    const int fix = systemFixCount(code);
    const int combined = systemCombinationCount(code);
    counters_.systemCombinations = Counter::of(binomial(combined, profile_->numbersPerRow - fix));
    touch(SelectionPart::System | SelectionPart::Counters);
}

void CombinationSelection::selectEntry(int index) {
    if (index < 0 || index >= entries_.size()) {
        return;
    }
    const Change change(*this);
    selectedEntry_ = index;
    touch(SelectionPart::Entries);
    applyFullCombinationEntry(index);
}

// The row and the Label8 count that go with an entry's variant character.
CombinationSelection::EntryRow CombinationSelection::entryRow(QChar variant) const {
    const EntryVariants& variants = profile_->entryVariants;
    const EntryRow base{baseSetRow_, Counter::of(profile_->baseSetSize), true};
    if (!variants.read) {
        return base;
    }
    for (int i = 0; i < variants.shortSets.size(); ++i) {
        if (variant == variants.shortSets[i].variant) {
            const Counter count = Counter::of(variants.shortSets[i].size);
            // A short set the window did not hand over leaves List1 empty.
            return {i < shortSetRows_.size() ? std::optional(shortSetRows_[i]) : std::nullopt,
                    count, true};
        }
    }
    if (!variants.baseVariant || variant == *variants.baseVariant) {
        return base;
    }
    return {std::nullopt, Counter(), false};
}

// What applying entry `index` sets: entry 0 plays the base set without FIX numbers; any other
// entry plays the row of its variant character with the FIX numbers it lists.
CombinationSelection::EntryPlay CombinationSelection::entryPlay(int index) const {
    if (index == 0) {
        return {{baseSetRow_}, Counter::of(profile_->baseSetSize), {}, Counter()};
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
    play.fixCount = Counter(entry.left(2));
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
    touch(SelectionPart::Counters);
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
int CombinationSelection::matchingSystem(const Counter& fixCount,
                                         const Counter& combinationCount) const {
    const long long fix = fixCount.value();
    const long long combined = combinationCount.value();
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
    const Change change(*this);
    entries_.removeAt(selectedEntry_);
    selectedEntry_ = -1;
    touch(SelectionPart::Entries);
}

void CombinationSelection::totalCombinations() {
    const Change change(*this);
    long long sum = 0;
    for (int p = 0; p < entries_.size(); ++p) {
        selectEntry(p);
        sum += counters_.systemCombinations.value();
    }
    sum += plainSlipCount_;
    counters_.checkedTotal = Counter::of(sum);
    touch(SelectionPart::Counters);
}

void CombinationSelection::receiveFullCombination(const FullCombinationHandOver& handOver) {
    const Change change(*this);
    entries_ = handOver.entries.mid(0, maxListRows);
    selectedEntry_ = -1;
    touch(SelectionPart::Entries);
    baseSetRow_ = handOver.baseSetRow;
    shortSetRows_ = handOver.shortSetRows;
    plainSlipCount_ = handOver.plainSlipCount;
    plainRowFile_ = handOver.plainRowFile;
    fullCombinationNumbers_ = handOver.chosenNumbers;
    setRows({baseSetRow_});
    counters_.combinationCount = Counter::of(profile_->baseSetSize);
    counters_.expectedTotal = Counter::str(handOver.expectedTotal);
    touch(SelectionPart::Counters);
}

void CombinationSelection::selectBaseSlip() {
    const Change change(*this);
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
    if (slip.fixCount.value() != systemFixCount(code) ||
        slip.combinationCount.value() != systemCombinationCount(code)) {
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
