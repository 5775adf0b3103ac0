#include "core/slip/SystemTable.h"

#include "core/base/GameProfile.h"
#include "core/base/NumberText.h"

namespace {

QStringList expand(const char* const groups[], int count) {
    // Each group is "f:cc cc cc ..." listing the combination counts played with f FIX numbers.
    QStringList codes;
    for (int g = 0; g < count; ++g) {
        const QString group = QString::fromLatin1(groups[g]);
        const QString fix = group.section(QLatin1Char(':'), 0, 0);
        const QStringList counts =
            group.section(QLatin1Char(':'), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& cc : counts) {
            codes << fix + QLatin1Char(' ') + cc;
        }
    }
    return codes;
}

} // namespace

const SystemTable& systemTable(int game) {
    static const char* const seven[] = {
        "0:08 09 10 11",
        "1:07 08 09 10",
        "2:06 07 08 09 10",
        "3:05 06 07 08 09 10 11",
        "4:04 05 06 07 08 09 10 11 12 13 14",
        "5:03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 30",
        "6:08 09 10 11 12 13 14 15 20 29",
    };
    static const char* const six[] = {
        "0:07 08 09 10 11 12",
        "1:07 08 09 10 11",
        "2:06 07 08 09 10 11 12 13",
        "3:05 06 07 08 09 10 11 12 13 14 15 16 17 18",
        "4:05 06 07 08 09 10 11 12 13 14 15 16 17 18",
        "5:40",
    };
    static const char* const five[] = {
        "0:06 07 08 09 10 11 12",
        "1:06 07 08 09 10 11 12 13 14",
        "2:07 08 09 10 11 12 13 14 15",
        "3:05 06 07 08 09 10 11 12 13 14 15",
    };
    static const SystemTable tableSeven{expand(seven, 7), 15};
    static const SystemTable tableSix{expand(six, 6), 12};
    static const SystemTable tableFive{expand(five, 4), 12};
    return forGame(game, tableFive, tableSix, tableSeven);
}

int systemFixCount(const QString& code) {
    return static_cast<int>(leadingNumber(code.left(1)));
}

int systemCombinationCount(const QString& code) {
    return static_cast<int>(leadingNumber(code.right(2)));
}

long long binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) {
        return 0;
    }
    long long result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
    }
    return result;
}
