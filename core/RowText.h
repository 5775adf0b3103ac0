#pragma once

#include <QString>

// A key row: two-digit numbers separated by one character ("01 02 03 04 05 06").

// Count of numbers: (length without surrounding blanks + 1) div 3.
int rowWidth(const QString& row);

// Number k (1-based) of the row: the digits of the three characters from position 3k-2,
// blanks ignored, reading stops at any other character; no digits gives 0.
int rowValue(const QString& row, int k);
