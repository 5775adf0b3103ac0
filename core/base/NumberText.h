#pragma once

#include <QString>
#include <QStringView>

// Lenient reading of numbers typed or shown as text: blanks (spaces; a tab is an ordinary
// character) anywhere are ignored, the leading number counts (sign, digits, decimal point,
// exponent), and text without one reads as 0.
double leadingNumber(QStringView text);
double leadingNumber(const QString& text);

// A print offset box: blanks around the text dropped, its first comma taken as the decimal
// point, then the leading number, held in single precision.
float offsetNumber(const QString& text);

// Str form of a count: one blank (or the minus sign) before the decimal digits.
QString strForm(long long value);

// Whole number of a numeric text, with halves rounded to even; saturates instead of overflowing.
long long roundHalfEven(double value);

// A row number typed into a from-to box ("Tól:", "Ig:"): read leniently and rounded to a whole
// row, halves to even; saturates on huge values.
long long rowNumber(const QString& text);

// Clamps a double to the range of long long (and NaN to 0) before conversion.
long long saturatedInteger(double value);

// Plain decimal text with a full stop and no exponent or grouping: 0, 60, 1.5, -2. A value
// that is exactly a single-precision number is written as the shortest text of that number.
QString plainDecimal(double value);
