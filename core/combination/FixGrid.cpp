#include "core/combination/FixGrid.h"

#include <algorithm>

FixGrid::FixGrid(int highestNumber)
    : fixMarks_(std::size_t(std::max(highestNumber, 0)) + 1, 0),
      captions_(std::size_t(std::max(highestNumber, 0)) + 1) {
    reset();
}

bool FixGrid::isMarked(int number) const {
    return holds(number) && fixMarks_[std::size_t(number)] == 1;
}

QString FixGrid::caption(int number) const {
    return holds(number) ? captions_[std::size_t(number)] : QString();
}

std::vector<int> FixGrid::numbers() const {
    std::vector<int> numbers;
    for (int n = 1; n <= highestNumber(); ++n) {
        if (fixMarks_[std::size_t(n)] != 0) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

QString FixGrid::markedRow() const {
    QString row;
    for (const int n : numbers()) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    return row;
}

void FixGrid::mark(int number) {
    if (holds(number)) {
        fixMarks_[std::size_t(number)] = 1;
        captions_[std::size_t(number)].clear();
    }
}

void FixGrid::unmark(int number) {
    if (holds(number)) {
        fixMarks_[std::size_t(number)] = 0;
        captions_[std::size_t(number)] =
            QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ');
    }
}

void FixGrid::reset() {
    for (int n = 1; n <= highestNumber(); ++n) {
        fixMarks_[std::size_t(n)] = 0;
        captions_[std::size_t(n)] = QString::number(n);
    }
}
