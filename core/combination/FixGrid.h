#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The FIX grid of a combination printer: the number buttons 1..N, each marked or not, and the
// caption each shows: its plain number at start and after a reset, nothing while marked, and the
// number between blanks (" 7 ") after a click took the mark back.
class FixGrid {
public:
    explicit FixGrid(int highestNumber);

    int highestNumber() const { return int(fixMarks_.size()) - 1; }
    bool isMarked(int number) const;
    QString caption(int number) const; // empty outside 1..N
    std::vector<int> numbers() const;  // the marked numbers, ascending
    // The marked numbers as a combination row: each two digits and a blank ("03 17 ").
    QString markedRow() const;

    // Numbers outside 1..N are left alone.
    void mark(int number);
    void unmark(int number);
    // Nothing marked, every button its plain number.
    void reset();

private:
    bool holds(int number) const { return number >= 1 && number <= highestNumber(); }

    std::vector<std::int16_t> fixMarks_; // 0..N; index 0 unused
    std::vector<QString> captions_;      // 0..N
};
