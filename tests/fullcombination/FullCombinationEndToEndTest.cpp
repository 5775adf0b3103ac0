// The main window and the full-combination window together: for every game and every N the
// player opens the window, chooses N numbers, presses "Csere", and "Ellenőr" of the main window
// then shows C(N, K), the total the chosen option promises.
#include "combiprint/CombinationPrinterWindow.h"
#include "combiprint/FullCombinationWindow.h"
#include "core/base/GameProfile.h"
#include "core/base/NumberText.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

void press(QWidget& window, const char* button) {
    window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

QString dataDir() {
    return QStringLiteral(SLIP_DATA_DIR);
}

class FullCombinationEndToEnd : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        for (const QString& name : QDir(dataDir()).entryList(
                 {QStringLiteral("tkombi*.txt"), QStringLiteral("XX.BMP")}, QDir::Files)) {
            QFile::copy(dataDir() + QLatin1Char('/') + name, folder.filePath(name));
        }
        fakes.program.folder = folder.path();
        fakes.program.name = QStringLiteral("combiprint%1").arg(game());
        window = std::make_unique<CombinationPrinterWindow>(gameProfile(game()), fakes.services());
        ASSERT_TRUE(window->load());
    }
    int game() const { return GetParam(); }
    QString label(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    void click(const QString& name) { window->findChild<QPushButton*>(name)->click(); }

    // Opens Form2 through "n-s kombinációk" and, once it is shown, lets form act on it; a window
    // still open afterwards is closed so that the test never waits on it.
    void withForm2(const std::function<void(FullCombinationWindow&)>& act) {
        whenModal([act](QWidget* shown) {
            auto* form2 = qobject_cast<FullCombinationWindow*>(shown);
            ASSERT_NE(form2, nullptr);
            act(*form2);
        });
        click(QStringLiteral("SSCommand1"));
    }

    QTemporaryDir folder;
    FakeServices fakes;
    std::unique_ptr<CombinationPrinterWindow> window;
};

TEST_P(FullCombinationEndToEnd, EllenorShowsAllCombinationsOfEveryN) {
    const int highest = gameProfile(game()).highestNumber;
    for (int size = 13; size <= 20; ++size) {
        withForm2([&](FullCombinationWindow& form2) {
            press(form2, "SSCommand2"); // "Töröl"
            form2.sizeOption(size - 13)->click();
            for (int i = 0; i < size; ++i) {
                form2.numberButton(highest - i * (highest - 1) / (size - 1))->click();
            }
            press(form2, "SSCommand3"); // "Csere"
        });
        const long long total = binomial(size, gameProfile(game()).numbersPerRow);
        EXPECT_EQ(label(QStringLiteral("Label5")), strForm(total)) << size;
        click(QStringLiteral("Command3"));
        EXPECT_EQ(label(QStringLiteral("Label17")), QString::number(total)) << size;
        const auto tmpl = FullCombinationTemplate::load(
            folder.filePath(FullCombinationTemplate::fileName(game(), size)));
        ASSERT_TRUE(tmpl);
        EXPECT_EQ(window->findChild<QListWidget*>(QStringLiteral("List2"))->count(),
                  tmpl->markerPosition());
    }
}

TEST_P(FullCombinationEndToEnd, KilepLeavesTheMainWindowAsItWasWithoutTheHelpMessage) {
    withForm2([](FullCombinationWindow& form2) {
        form2.sizeOption(0)->click();
        for (int n = 1; n <= 13; ++n) {
            form2.numberButton(n)->click();
        }
        press(form2, "Command3D2"); // "Kilép"
    });
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(window->findChild<QListWidget*>(QStringLiteral("List2"))->count(), 0);
    EXPECT_EQ(label(QStringLiteral("Label5")), QString());
    EXPECT_EQ(window->findChild<FullCombinationWindow*>(), nullptr); // unloaded
}

TEST_P(FullCombinationEndToEnd, UnwritablePlainFileKeepsTheMainWindowsPreviousFullCombination) {
    withForm2([](FullCombinationWindow& form2) {
        form2.sizeOption(0)->click();
        for (int n = 1; n <= 13; ++n) {
            form2.numberButton(n)->click();
        }
        press(form2, "SSCommand3"); // "Csere"
    });
    auto* list2 = window->findChild<QListWidget*>(QStringLiteral("List2"));
    const int before = list2->count();
    const QString expectedTotal = label(QStringLiteral("Label5"));
    const int size = game() == 5 ? 16 : 18; // a template with plain rows
    ASSERT_TRUE(QDir(folder.path()).mkdir(FullCombinationTemplate::plainSlipFileName(size)));
    fakes.messageBox.shown.clear();
    withForm2([&](FullCombinationWindow& form2) {
        press(form2, "SSCommand2"); // "Töröl"
        form2.sizeOption(size - 13)->click();
        for (int n = 1; n <= size; ++n) {
            form2.numberButton(n)->click();
        }
        press(form2, "SSCommand3"); // "Csere"
    });
    ASSERT_GE(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_EQ(list2->count(), before);
    EXPECT_EQ(label(QStringLiteral("Label5")), expectedTotal);
}

INSTANTIATE_TEST_SUITE_P(Games, FullCombinationEndToEnd, ::testing::Values(5, 6, 7),
                         [](const auto& info) { return "game" + std::to_string(info.param); });

} // namespace
