#include "core/keys/FieldsPerSlip.h"

#include "core/base/NumberText.h"

#include <algorithm>
#include <cmath>

FieldsPerSlip checkFieldsPerSlip(const QString& text, int maximum) {
    const double value = leadingNumber(text);
    if (value < 1 || value > maximum) {
        return {double(maximum), QString::number(maximum)};
    }
    return {value, std::nullopt};
}

int wholeFieldsPerSlip(const FieldsPerSlip& fields, int maximum) {
    return int(std::clamp<long long>(roundHalfEven(fields.value), 1, std::max(1, maximum)));
}

QString slipCountCaption(qsizetype rows, double fieldsPerSlip) {
    if (rows <= 0) {
        return strForm(0);
    }
    return strForm(saturatedInteger(std::floor(double(rows - 1) / fieldsPerSlip)) + 1);
}

std::optional<QString> selectedRowCaption(qsizetype index, const QString& fieldsPerSlipText) {
    const long long fields = roundHalfEven(leadingNumber(fieldsPerSlipText));
    if (fields == 0) {
        return std::nullopt;
    }
    const double slip = std::floor(double(index) / double(fields)) + 1.0;
    return strForm(index + 1) + QStringLiteral(" /") + strForm(saturatedInteger(slip));
}
