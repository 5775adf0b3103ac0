#pragma once

#include <QString>

#include <optional>

// The key printers' fields per slip (Text6): how many key rows go onto one slip, 1 up to the
// game's maximum (6, 8 or 10). Loading a key, leaving the box and both slip runs check it by
// the same rule.

struct FieldsPerSlip {
    double value;                         // what the counts divide by; may be fractional
    std::optional<QString> correctedText; // the box's new text when it was out of range
};

// A value below 1 or above the maximum (an empty or non-numeric box reads as 0) is replaced
// by the maximum, written as digits ("8").
FieldsPerSlip checkFieldsPerSlip(const QString& text, int maximum);

// The whole number of fields a slip run fills: the checked value rounded, halves to even.
int wholeFieldsPerSlip(const FieldsPerSlip& fields, int maximum);

// Slips a key of the given rows fills: floor((rows - 1) / fieldsPerSlip) + 1, 0 for an empty
// key, as the slip-count caption shows it (" 3").
QString slipCountCaption(qsizetype rows, double fieldsPerSlip);

// The caption of a clicked key row (0-based index): its 1-based number and the slip the
// all-rows run prints it on, " 15 / 2". Nothing when the box rounds to 0 fields.
std::optional<QString> selectedRowCaption(qsizetype index, const QString& fieldsPerSlipText);
