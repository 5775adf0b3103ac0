#include "core/results/DrawCheckResult.h"

#include "core/results/PreparedCheck.h"

#include <algorithm>

std::vector<std::pair<int, long long>>
DrawCheckResult::winningClasses(const DrawResult& draw) const {
    std::vector<std::pair<int, long long>> classes;
    for (int h = std::min(numbersPerRow, maxNumbersPerRow); h >= fewestWinningHits && h >= 0; --h) {
        classes.emplace_back(h, draw.combinations[std::size_t(h)]);
    }
    return classes;
}

namespace {

// More combinations in the highest class where two differ, then listed earlier.
template <typename Item> bool listedBetter(const Item& a, const Item& b) {
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
}

} // namespace

void sortBestFirst(std::vector<Winner>& winners) {
    std::stable_sort(winners.begin(), winners.end(), listedBetter<Winner>);
}

bool betterItem(const BestItem& a, const BestItem& b) {
    return listedBetter(a, b);
}
