#include "RowText.h"

int rowWidth(const QString& row) {
    const qsizetype length = row.trimmed().size();
    return static_cast<int>((length + 1) / 3);
}

int rowValue(const QString& row, int k) {
    if (k < 1) {
        return 0;
    }
    const qsizetype start = 3 * qsizetype(k - 1);
    int value = 0;
    for (qsizetype i = start; i < start + 3 && i < row.size(); ++i) {
        const QChar c = row[i];
        if (c == QLatin1Char(' ')) {
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}
