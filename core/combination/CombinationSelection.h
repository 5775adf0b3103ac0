#pragma once

#include "core/base/GameProfile.h"
#include "core/fullcombination/FullCombinationHandOver.h"
#include "core/keys/KeyListView.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class CombinationSelectionObserver;
class MessageBoxService;

// The captions of the selection's counter labels, exactly as they are shown.
struct SelectionCounters {
    QString slipCount;           // Label4: combination rows, that is slips ("Szelvényszám :")
    QString expectedTotal;       // Label5: C(N, K) of the full combination, shown as Str
    QString selectedRowPosition; // Label7: 1-based position of the selected List1 row, as Str
    QString combinationCount;    // Label8: combination numbers per row
    QString systemCombinations;  // Label12: combinations of the chosen system
    QString fixCount;            // Label15: FIX marks ("04" as an entry writes it)
    QString checkedTotal;        // Label17: "Ellenőr", all entries plus the plain rows
};

// What a combination print run reads from the selection for its slips: List1, the FIX numbers,
// the chosen system and the counters the run checks them against.
struct SelectionSlip {
    QStringList rows;            // List1: one slip each
    std::vector<int> fixNumbers; // ascending
    int systemIndex = -1;        // -1: none selected
    QString fixCount;            // Label15
    QString combinationCount;    // Label8
};

// The combination selection of one combination printer: FIX marks on the number grid, the
// combination rows (List1), the chosen system (Option3), the full-combination entries (List2)
// and the counters beside them. The main window only shows this state and forwards clicks;
// selecting a system or a list item here always runs what a click on it runs, even when that
// element was selected already.
class CombinationSelection : public FullCombinationReceiver, public KeyListView {
public:
    explicit CombinationSelection(const GameProfile& profile);

    void setObserver(CombinationSelectionObserver* observer);

    // A copy of the selection to try a run on (a preview): it tells no observer, so the window
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

    const SelectionCounters& counters() const { return counters_; }

    // The slip the selection holds now.
    SelectionSlip currentSlip() const;

    // The first failing check before a print run, as its message; nothing when printable.
    std::optional<QString> selectionProblem() const;
    // The same checks on a slip the selection would hold (see entrySlip).
    std::optional<QString> selectionProblem(const SelectionSlip& slip) const;
    // Shows the message of the first failing check (critical stop, OK, "Kelvadata/2010").
    bool validateSelection(MessageBoxService& messageBox) const;

private:
    void applyFullCombinationEntry(int index);
    void setFlag(int number, bool marked, const QString& caption);
    void resetNumbers();
    struct EntryRow {
        std::optional<QString> row;
        QString combinationCount;
        bool known; // false: the variant names no row; List1 stays empty, Label8 unchanged
    };
    EntryRow entryRow(QChar variant) const;
    // What applying an entry sets, before the matching system is chosen.
    struct EntryPlay {
        QStringList rows;
        std::optional<QString> combinationCount; // nothing: Label8 stays
        std::vector<int> fixNumbers;             // marked in this order
        QString fixCount;
    };
    EntryPlay entryPlay(int index) const;
    int matchingSystem(const QString& fixCount, const QString& combinationCount) const;
    void selectMatchingSystem();
    void notifyCounters();
    void notifyRows();
    void notifyEntries();

    const GameProfile* profile_;
    CombinationSelectionObserver* observer_ = nullptr;
    std::vector<std::int16_t> fixMarks_; // 0..N; index 0 unused
    std::vector<QString> captions_;      // 0..N
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
    SelectionCounters counters_;
};
