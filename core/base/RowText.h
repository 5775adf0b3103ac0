#pragma once

#include <QString>
#include <QStringView>

// A key row: two-digit numbers separated by one character ("01 02 03 04 05 06").

// The blank of every reading rule (rows, fields, numbers typed as text): the space character
// only. A tab or any other white space is an ordinary character.
constexpr bool isBlank(char16_t c) {
    return c == u' ';
}

// The text without the blanks at its start and end (tabs stay).
QStringView withoutSurroundingBlanks(QStringView text);

// Count of numbers: (length without surrounding blanks + 1) div 3.
int rowWidth(const QString& row);

// Number k (1-based) of the row: the digits of the three characters from position 3k-2,
// blanks ignored, reading stops at any other character; no digits gives 0.
int rowValue(const QString& row, int k);
