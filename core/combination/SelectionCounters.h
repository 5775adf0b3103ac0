#pragma once

#include <QString>

// One counter label of the combination selection: its caption exactly as it is shown ("04" as
// an entry writes it, " 12" in Str form, "-1", or nothing) and the number it reads as, its
// leading number; an empty or non-numeric caption reads as 0. The checks and the sums read the
// number, the window shows the caption.
class Counter {
public:
    Counter() = default;
    explicit Counter(QString caption);
    static Counter of(long long value);  // "13", "-1"
    static Counter str(long long value); // Str form: " 13", "-1"

    const QString& caption() const { return caption_; }
    long long value() const { return value_; }

    bool operator==(const Counter&) const = default;

private:
    QString caption_;
    long long value_ = 0;
};

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

// The counters themselves, each with its caption and its number.
struct SelectionCounterValues {
    Counter slipCount;
    Counter expectedTotal;
    Counter selectedRowPosition;
    Counter combinationCount;
    Counter systemCombinations;
    Counter fixCount;
    Counter checkedTotal;

    SelectionCounters captions() const;
};
