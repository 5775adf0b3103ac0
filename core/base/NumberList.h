#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// A list of numbers typed into one box, as the result check reads the draws: whole numbers
// separated by blanks, commas or hyphens, any number of them in any mix ("1 2 3",
// "1,2,3", "1-2-3", "1, 2 - 3").

struct TypedNumber {
    long long value; // held at maxTypedValue when the digits are more than that
    QString text;    // the piece of text as typed
};

struct TypedNumbers {
    std::vector<TypedNumber> numbers; // in the typed order, up to the first piece that is not one
    QString notWhole; // the first piece that is not a whole number; empty when every piece is
    bool allWhole() const { return notWhole.isEmpty(); }
};

inline constexpr long long maxTypedValue = 1'000'000'000'000LL;

// Splits the text into whole numbers: digits 0-9 only, no sign, no decimal point.
TypedNumbers splitTypedNumbers(QStringView text);

// Why a typed list is not a list of different whole numbers from 1 to highest with a count
// between fewest and most. Checked in this order: the first piece that is not a whole number,
// the first number outside 1..highest, the first number typed again, then the count.
enum class NumberListFault { None, NotWhole, OutOfRange, Repeated, Empty, TooFew, TooMany };

struct NumberListCheck {
    NumberListFault fault = NumberListFault::None;
    QString piece;            // NotWhole, OutOfRange, Repeated: the piece of text at fault
    int count = 0;            // numbers typed (TooFew, TooMany)
    std::vector<int> numbers; // None: the numbers, ascending
    bool ok() const { return fault == NumberListFault::None; }
};

NumberListCheck checkNumberList(QStringView text, int highest, int fewest, int most);

// The fault as one Hungarian sentence for a message; empty for none.
QString numberListReason(const NumberListCheck& check, int highest);
