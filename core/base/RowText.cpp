#include "core/base/RowText.h"

#include <climits>

QStringView withoutSurroundingBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first].unicode())) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1].unicode())) {
        --last;
    }
    return text.sliced(first, last - first);
}

int rowWidth(const QString& row) {
    // Only blanks count as padding: a tab, form feed or no-break space is part of the row as the
    // key holds it, and counts in its width.
    const qsizetype width = (withoutSurroundingBlanks(row).size() + 1) / 3;
    return width > INT_MAX ? INT_MAX : static_cast<int>(width);
}

int rowValue(const QString& row, int k) {
    if (k < 1) {
        return 0;
    }
    const qsizetype start = 3 * qsizetype(k - 1);
    int value = 0;
    for (qsizetype i = start; i < start + 3 && i < row.size(); ++i) {
        const QChar c = row[i];
        if (isBlank(c.unicode())) {
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}
