#include "RowText.h"

#include <climits>

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

int rowWidth(const QString& row) {
    // Only blanks count as padding: other white space (form feed, no-break space) is part of
    // the row as the key holds it.
    qsizetype first = 0;
    qsizetype last = row.size();
    while (first < last && isBlank(row[first])) {
        ++first;
    }
    while (last > first && isBlank(row[last - 1])) {
        --last;
    }
    const qsizetype width = (last - first + 1) / 3;
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
        if (isBlank(c)) {
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}
