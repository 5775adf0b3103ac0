#include "core/keys/KeyRequestCheck.h"
#include "core/base/GameProfile.h"

#include <gtest/gtest.h>

namespace {

// The words of a typed list as the number-text parser gives them: a value, or nothing for a
// word that is not a whole number.
QList<std::optional<int>> typed(const QString& text) {
    QList<std::optional<int>> numbers;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int value = word.toInt(&ok);
        numbers.append(ok ? std::optional<int>(value) : std::nullopt);
    }
    return numbers;
}

struct RequestCase {
    int game;
    const char* numbers;
    int guaranteed;
    int drawnAmong;
    const char* named; // a word the message must hold, or nullptr for no message
};

} // namespace

TEST(KeyRequestProblem, NamesWhatIsWrong) {
    const RequestCase cases[] = {
        {6, "1 2 3 4 5 6 7", 3, 3, nullptr},
        {5, "1 90 45 12 13 14", 2, 5, nullptr},
        {7, "35 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29", 4,
         6, nullptr},
        {6, "1 2 3 x 5 6 7", 3, 3, "betű"},
        {6, "1 2 3 4 5 6 46", 3, 3, "46"},
        {6, "0 2 3 4 5 6 7", 3, 3, "0"},
        {6, "1 2 3 4 5 12 12", 3, 3, "12"},
        {6, "1 2 3 4 5 6", 3, 3, "6"},
        {5, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31",
         2, 2, "31"},
        {6, "1 2 3 4 5 6 7", 4, 3, "4"},
        {6, "1 2 3 4 5 6 7", 1, 3, "2"},
        {6, "1 2 3 4 5 6 7", 3, 7, "6"},
    };
    for (const RequestCase& c : cases) {
        const KeyNumberLimits limits = keyNumberLimits(gameProfile(c.game));
        const QString problem = keyRequestProblem(typed(QString::fromLatin1(c.numbers)), limits,
                                                  c.guaranteed, c.drawnAmong);
        SCOPED_TRACE(c.numbers);
        if (c.named == nullptr) {
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        } else {
            EXPECT_TRUE(problem.contains(QString::fromUtf8(c.named))) << problem.toStdString();
            EXPECT_TRUE(problem.endsWith(QLatin1Char('!')));
        }
    }
}
