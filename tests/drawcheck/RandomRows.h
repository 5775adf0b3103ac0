#pragma once

#include <QString>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

// Random numbers and rows for the result check tests.

// `count` different numbers taken at random from `pool`, ascending.
inline std::vector<int> pick(std::vector<int> pool, int count, std::mt19937& random) {
    std::shuffle(pool.begin(), pool.end(), random);
    pool.resize(std::size_t(count));
    std::sort(pool.begin(), pool.end());
    return pool;
}

inline std::vector<int> numbersUpTo(int highest) {
    std::vector<int> all(static_cast<std::size_t>(highest));
    std::iota(all.begin(), all.end(), 1);
    return all;
}

// The numbers as a key row: "NN" cells separated by one blank.
inline QString rowText(const std::vector<int>& numbers) {
    QString row;
    for (int n : numbers) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    return row.trimmed();
}

inline QString drawText(const std::vector<int>& numbers) {
    return rowText(numbers);
}
