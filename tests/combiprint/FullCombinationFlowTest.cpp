// The whole road of a full combination: "N-s kombinációk" opens the full-combination window,
// N numbers are chosen and converted with "Csere", and the main window then totals the entries
// with "Ellenőr" and prints every entry.

#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class FullCombinationFlowTest : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(FullCombinationFlowTest, CsereThenEllenorThenEveryEntryPrinted) {
    const auto [game, size] = GetParam();
    const GameProfile& profile = gameProfile(game);
    QTemporaryDir dir;
    const QDir data(QStringLiteral(SLIP_DATA_DIR));
    for (const QString& file : data.entryList(QDir::Files)) {
        QFile::copy(data.filePath(file), dir.filePath(file));
    }
    FakeServices fakes;
    fakes.program.folder = dir.path();
    fakes.program.name = QStringLiteral("combiprint%1").arg(game);
    CombinationPrinterWindow window(profile, fakes.services());
    ASSERT_TRUE(window.load());

    // The chosen numbers: every third number from 2, then the lowest unused ones, so ranks map
    // to scattered numbers.
    std::vector<int> chosen;
    for (int n = 2; n <= profile.highestNumber && int(chosen.size()) < size; n += 3) {
        chosen.push_back(n);
    }
    for (int n = 1; int(chosen.size()) < size; ++n) {
        if (std::find(chosen.begin(), chosen.end(), n) == chosen.end()) {
            chosen.push_back(n);
        }
    }
    bool converted = false;
    whenModal([&](QWidget* form2) {
        auto* option =
            form2->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(size - 13));
        if (option) {
            option->click();
        }
        for (int n : chosen) {
            if (auto* b = form2->findChild<QPushButton*>(QStringLiteral("Command3D5(%1)").arg(n))) {
                b->click();
            }
        }
        if (auto* csere = form2->findChild<QPushButton*>(QStringLiteral("SSCommand3"))) {
            csere->click();
            converted = true;
        }
    });
    window.findChild<QPushButton*>(QStringLiteral("SSCommand1"))->click();
    ASSERT_TRUE(converted);
    ASSERT_FALSE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(fakes.messageBox.shown.back().text.startsWith(QStringLiteral("Amennyiben")));
    for (const auto& m : fakes.messageBox.shown) {
        EXPECT_NE(m.icon, MessageBoxService::Icon::Critical) << m.text.toStdString();
    }

    CombinationSelection& selection = window.selection();
    ASSERT_GT(selection.entries().size(), 0);
    EXPECT_EQ(selection.selectedEntry(), 0);
    EXPECT_EQ(selection.rows().size(), 1);
    const long long expected = binomial(size, profile.numbersPerRow);
    window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label17"))->text(),
              QString::number(expected));

    // Every entry has its system and prints as one job of one slip.
    fakes.messageBox.shown.clear();
    window.findChild<QPushButton*>(QStringLiteral("SSCommand4"))->click();
    EXPECT_TRUE(fakes.messageBox.shown.empty())
        << fakes.messageBox.shown.front().text.toStdString();
    EXPECT_EQ(fakes.printer.jobsEnded, selection.entries().size());
    EXPECT_EQ(fakes.printer.count(QStringLiteral("newPage")), 0);
}

INSTANTIATE_TEST_SUITE_P(GamesAndSizes, FullCombinationFlowTest,
                         ::testing::Combine(::testing::Values(5, 6, 7), ::testing::Range(13, 21)),
                         [](const auto& info) {
                             return "combiprint" + std::to_string(std::get<0>(info.param)) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
