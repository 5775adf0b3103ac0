#include "core/results/DrawCheckResult.h"

#include <algorithm>

std::vector<std::pair<int, long long>>
DrawCheckResult::winningClasses(const DrawResult& draw) const {
    std::vector<std::pair<int, long long>> classes;
    for (int h = std::min(numbersPerRow, maxNumbersPerRow); h >= fewestWinningHits && h >= 0; --h) {
        classes.emplace_back(h, draw.combinations[std::size_t(h)]);
    }
    return classes;
}

void sortBestFirst(std::vector<Winner>& winners) {
    std::stable_sort(winners.begin(), winners.end(), [](const Winner& a, const Winner& b) {
        for (int h = maxNumbersPerRow; h >= 0; --h) {
            const long long x = a.combinations[std::size_t(h)];
            const long long y = b.combinations[std::size_t(h)];
            if (x != y) {
                return x > y;
            }
        }
        if (a.item != b.item) {
            return a.item < b.item;
        }
        return a.number < b.number;
    });
}
