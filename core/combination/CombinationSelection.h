#pragma once

#include "core/base/GameProfile.h"
#include "core/combination/FixGrid.h"
#include "core/combination/SelectionCounters.h"
#include "core/fullcombination/FullCombinationHandOver.h"
#include "core/keys/KeyListView.h"

#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class MessageBoxService;

// What a combination print run reads from the selection for its slips: List1, the FIX numbers,
// the chosen system and the counters the run checks them against.
struct SelectionSlip {
    QStringList rows;            // List1: one slip each
    std::vector<int> fixNumbers; // ascending
    int systemIndex = -1;        // -1: none selected
    Counter fixCount;            // Label15
    Counter combinationCount;    // Label8
};

// The parts of the selection a change can touch.
enum class SelectionPart {
    Numbers = 0x1,  // the FIX grid: flags and captions of the number buttons
    Rows = 0x2,     // List1: its rows or its selected row
    Entries = 0x4,  // List2: its entries or its selected entry
    System = 0x8,   // the selected system button
    Counters = 0x10 // any of the counter captions
};
Q_DECLARE_FLAGS(SelectionParts, SelectionPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(SelectionParts)

// The combination selection of one combination printer: FIX marks on the number grid, the
// combination rows (List1), the chosen system (Option3), the full-combination entries (List2)
// and the counters beside them. The main window only shows this state and forwards clicks;
// selecting a system or a list item here always runs what a click on it runs, even when that
// element was selected already. When an operation ends, the listener hears which parts it
// changed.
class CombinationSelection : public FullCombinationReceiver, public KeyListView {
public:
    using Listener = std::function<void(SelectionParts)>;

    explicit CombinationSelection(const GameProfile& profile);

    void setListener(Listener listener) { listener_ = std::move(listener); }

    // A copy of the selection to try a run on (a preview): it has no listener, so the window
    // keeps showing this selection whatever the copy goes through.
    CombinationSelection detachedCopy() const;
    // Takes over the state of a copy (the preview's run was printed after all) and shows it.
    void adopt(const CombinationSelection& copy);
    const GameProfile& profile() const { return *profile_; }

    // Number grid (1..N).
    int highestNumber() const { return profile_->highestNumber; }
    bool isMarked(int number) const;
    QString numberCaption(int number) const; // empty while marked
    std::vector<int> fixNumbers() const;     // the marked numbers, ascending
    void toggleNumber(int number);
    // Clears every FIX flag and gives every button its plain caption; counters stay.
    void clearFixMarks() override;

    // Combination rows (List1).
    const QStringList& rows() const { return rows_; }
    int selectedRow() const { return selectedRow_; } // -1: none
    // Selecting a row runs the list's click: Label7 shows its 1-based position.
    void selectRow(int index);
    void addCombinationRow();           // "Kombinációs számok"
    void clearSelection(bool alsoRows); // "Töröl"; alsoRows is Check2
    void clearRows();                   // empties List1 only
    void deleteSelectedRow();           // "Kijelölt sor törlése" below List1

    // What loading a key sets: List1 (at most 32736 rows, none selected), Label7 cleared, the
    // row count in Label4 and the first row's width in Label8.
    void setRows(const QStringList& rows) override;
    void clearSelectedRowCaption() override;
    void setRowCountCaption(const QString& text) override;
    void setWidthCaption(const QString& text) override;

    // Systems (Option3).
    int systemCount() const;
    QString systemCode(int index) const;
    int systemIndex() const { return systemIndex_; } // -1: none selected
    // Selecting a system runs chooseSystem: Label12 shows its number of combinations.
    void selectSystem(int index);

    // Full-combination entries (List2).
    const QStringList& entries() const { return entries_; }
    int selectedEntry() const { return selectedEntry_; } // -1: none
    // Selecting an entry applies it (applyFullCombinationEntry).
    void selectEntry(int index);
    // What selecting entry `index` would make of the slip `before`, without changing anything:
    // the full-combination run prints each entry from what the previous one left (a system
    // that matches no entry stays chosen). An index outside List2 leaves `before` as it is.
    SelectionSlip entrySlip(int index, const SelectionSlip& before) const;
    void deleteSelectedEntry(); // "Kijelölt sor törlése" above List2
    void totalCombinations();   // "Ellenőr"

    // Values shared with the full-combination window.
    void receiveFullCombination(const FullCombinationHandOver& handOver) override;
    void selectBaseSlip() override;
    QString baseSetRow() const { return baseSetRow_; }
    QStringList shortSetRows() const { return shortSetRows_; }
    int plainSlipCount() const { return plainSlipCount_; }
    // The plain-row file written with the full combination; empty when it has no plain rows.
    QString plainRowFile() const { return plainRowFile_; }
    // The numbers the full combination was made of, ascending.
    const std::vector<int>& fullCombinationNumbers() const { return fullCombinationNumbers_; }

    SelectionCounters counters() const { return counters_.captions(); }

    // The slip the selection holds now.
    SelectionSlip currentSlip() const;

    // The first failing check before a print run, as its message; nothing when printable.
    std::optional<QString> selectionProblem() const;
    // The same checks on a slip the selection would hold (see entrySlip).
    std::optional<QString> selectionProblem(const SelectionSlip& slip) const;
    // Shows the message of the first failing check (critical stop, OK, "Kelvadata/2010").
    bool validateSelection(MessageBoxService& messageBox) const;

private:
    // Every public operation holds one: the listener hears the parts changed when the outermost
    // operation ends, so the window shows each operation's outcome once.
    class Change {
    public:
        explicit Change(CombinationSelection& selection);
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;
        ~Change();

    private:
        CombinationSelection& selection_;
    };
    void touch(SelectionParts parts) { changed_ |= parts; }

    void applyFullCombinationEntry(int index);
    void resetNumbers();
    struct EntryRow {
        std::optional<QString> row;
        Counter combinationCount;
        bool known; // false: the variant names no row; List1 stays empty, Label8 unchanged
    };
    EntryRow entryRow(QChar variant) const;
    // What applying an entry sets, before the matching system is chosen.
    struct EntryPlay {
        QStringList rows;
        std::optional<Counter> combinationCount; // nothing: Label8 stays
        std::vector<int> fixNumbers;             // marked in this order
        Counter fixCount;
    };
    EntryPlay entryPlay(int index) const;
    int matchingSystem(const Counter& fixCount, const Counter& combinationCount) const;
    void selectMatchingSystem();

    const GameProfile* profile_;
    Listener listener_;
    SelectionParts changed_;
    int depth_ = 0; // operations running, outermost first
    FixGrid grid_;
    QStringList rows_;
    int selectedRow_ = -1;
    int systemIndex_ = -1;
    QStringList entries_;
    int selectedEntry_ = -1;
    QString baseSetRow_;
    QStringList shortSetRows_;
    int plainSlipCount_ = 0;
    QString plainRowFile_;
    std::vector<int> fullCombinationNumbers_;
    SelectionCounterValues counters_;
};
