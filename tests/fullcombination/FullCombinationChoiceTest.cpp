// The rules of the full-combination window on its model alone: choosing numbers, loading the
// template of N from the data folder, and "Csere" with its refusals and its hand-over.

#include "core/fullcombination/FullCombinationChoice.h"
#include "core/base/GameProfile.h"
#include "core/fullcombination/FullCombinationConversion.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "tests/fullcombination/FakeReceiver.h"
#include "tests/support/FakeServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ChoiceTest : public ::testing::Test {
protected:
    ChoiceTest() {
        // Templates are read from the shipped data; written files go to the program folder.
        fakes.program.folder = programFolder.path();
        fakes.program.data = QStringLiteral(SLIP_DATA_DIR);
    }

    FullCombinationChoice& choiceOf(int game) {
        choice_ = std::make_unique<FullCombinationChoice>(gameProfile(game), services, receiver);
        return *choice_;
    }
    static void chooseFirst(FullCombinationChoice& choice, int count) {
        for (int n = 1; n <= count; ++n) {
            choice.toggleChosen(n);
        }
    }
    QStringList shownTexts() const {
        QStringList texts;
        for (const auto& shown : fakes.messageBox.shown) {
            texts << shown.text;
        }
        return texts;
    }

    QTemporaryDir programFolder;
    FakeServices fakes;
    Services services = fakes.services();
    FakeReceiver receiver;
    std::unique_ptr<FullCombinationChoice> choice_;
};

TEST_F(ChoiceTest, ChoosingNumbersCountsAndCaptionsThem) {
    FullCombinationChoice& choice = choiceOf(7);
    EXPECT_EQ(receiver.calls, QStringList{QStringLiteral("clearFixMarks")}); // window load
    EXPECT_EQ(choice.chosenCountCaption(), QString());
    EXPECT_EQ(choice.numberCaption(7), QStringLiteral("7"));
    choice.toggleChosen(7);
    choice.toggleChosen(9);
    EXPECT_TRUE(choice.isChosen(7));
    EXPECT_EQ(choice.numberCaption(7), QString());
    EXPECT_EQ(choice.chosenCountCaption(), QStringLiteral("2"));
    choice.toggleChosen(7);
    EXPECT_FALSE(choice.isChosen(7));
    EXPECT_EQ(choice.numberCaption(7), QStringLiteral(" 7 "));
    EXPECT_EQ(choice.chosenCountCaption(), QStringLiteral("1"));
    choice.toggleChosen(0);
    choice.toggleChosen(36); // outside 1..35: no button
    EXPECT_EQ(choice.chosenCountCaption(), QStringLiteral("1"));
    choice.clearChosen();
    EXPECT_FALSE(choice.isChosen(9));
    EXPECT_EQ(choice.numberCaption(9), QStringLiteral("9"));
    EXPECT_EQ(choice.chosenCountCaption(), QString());
}

TEST_F(ChoiceTest, OptionsCarryTheirCaptionAndExpectedTotal) {
    const FullCombinationChoice& seven = choiceOf(7);
    EXPECT_EQ(FullCombinationChoice::optionCaption(0), QStringLiteral("13 szám"));
    EXPECT_EQ(FullCombinationChoice::optionCaption(7), QStringLiteral("20 szám"));
    EXPECT_EQ(seven.optionTooltip(0), QStringLiteral(" 1716 "));
    EXPECT_EQ(seven.optionTooltip(7), QStringLiteral(" 77520 "));
    EXPECT_EQ(choiceOf(5).optionTooltip(0), QStringLiteral(" 1287 "));
}

TEST_F(ChoiceTest, LoadingTakesTheSelectedOptionsTemplateFromTheDataFolder) {
    FullCombinationChoice& choice = choiceOf(6);
    choice.loadTemplate(); // no option selected: nothing
    EXPECT_EQ(choice.fullCombinationSize(), 0);
    choice.selectOption(3);
    EXPECT_EQ(choice.fullCombinationSize(), 0); // selecting alone loads nothing
    choice.loadTemplate();
    const auto expected = FullCombinationTemplate::load(QStringLiteral(SLIP_DATA_DIR) +
                                                        QStringLiteral("/tkombi6_16.txt"));
    ASSERT_TRUE(expected);
    EXPECT_EQ(choice.fullCombinationSize(), 16);
    EXPECT_EQ(choice.loadedTemplate().items(), expected->items());
    EXPECT_EQ(choice.sizeCaption(), QStringLiteral("16"));
    EXPECT_EQ(choice.slipCountCaption(), QStringLiteral("31")); // "Sima szelvény" is item 31
    EXPECT_EQ(choice.plainRowCaption(), QString::number(expected->plainRowCount()));

    // A template that cannot be read: N changes, the loaded template and captions stay.
    fakes.program.data = programFolder.path();
    choice.selectOption(0);
    choice.loadTemplate();
    EXPECT_EQ(choice.fullCombinationSize(), 13);
    EXPECT_EQ(choice.loadedTemplate().items(), expected->items());
    EXPECT_EQ(choice.sizeCaption(), QStringLiteral("16"));
}

TEST_F(ChoiceTest, CsereRefusesInOrderAndChangesNothing) {
    FullCombinationChoice& choice = choiceOf(7);
    chooseFirst(choice, 13);
    EXPECT_FALSE(choice.convert()); // no template loaded: silently nothing
    EXPECT_TRUE(fakes.messageBox.shown.empty());

    choice.selectOption(0);
    choice.loadTemplate();
    choice.selectOption(1); // selected, not loaded
    EXPECT_FALSE(choice.convert());
    choice.selectOption(0);
    choice.toggleChosen(13);
    EXPECT_FALSE(choice.convert());
    EXPECT_EQ(shownTexts(),
              QStringList({QStringLiteral("Nem megfelelő a kombináció kijelölés !"),
                           QStringLiteral("Pontosan  13 számot kell kiválasztani !")}));
    for (const auto& shown : fakes.messageBox.shown) {
        EXPECT_EQ(shown.icon, MessageBoxService::Icon::Critical);
        EXPECT_EQ(shown.title, QStringLiteral("Kelvadata/2010"));
    }
    EXPECT_EQ(receiver.calls, QStringList{QStringLiteral("clearFixMarks")});
    EXPECT_TRUE(choice.convertedLines().isEmpty());
}

TEST_F(ChoiceTest, CsereWritesThePlainRowsIntoTheProgramFolderAndHandsOver) {
    FullCombinationChoice& choice = choiceOf(7);
    choice.selectOption(5); // 18 numbers: a template with plain rows
    choice.loadTemplate();
    chooseFirst(choice, 18);
    ASSERT_TRUE(choice.convert());
    EXPECT_EQ(receiver.calls,
              QStringList({QStringLiteral("clearFixMarks"), QStringLiteral("receive"),
                           QStringLiteral("selectBaseSlip")}));
    ASSERT_EQ(receiver.received.size(), 1u);
    const FullCombinationHandOver& handOver = receiver.received[0];
    EXPECT_EQ(handOver.expectedTotal, 31824);
    EXPECT_EQ(handOver.baseSetRow, QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 "));
    EXPECT_EQ(choice.convertedLines().first(), QStringLiteral("00"));
    EXPECT_TRUE(choice.convertedLines().contains(FullCombinationTemplate::plainMarker));
    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral("Nyomtassa ki a - sima18.txt - állományt is !")});
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Exclamation);
    EXPECT_TRUE(QFile::exists(programFolder.filePath(QStringLiteral("sima18.txt"))));
    EXPECT_FALSE(QFile::exists(QStringLiteral(SLIP_DATA_DIR) + QStringLiteral("/sima18.txt")));
}

TEST_F(ChoiceTest, CsereAfterToeroelStillConvertsTheLoadedTemplate) {
    FullCombinationChoice& choice = choiceOf(6);
    choice.selectOption(0);
    choice.loadTemplate();
    chooseFirst(choice, 13);
    ASSERT_TRUE(choice.convert());
    choice.clearChosen();
    chooseFirst(choice, 13);
    ASSERT_TRUE(choice.convert());
    ASSERT_EQ(receiver.received.size(), 2u);
    EXPECT_EQ(receiver.received[1].entries, receiver.received[0].entries);
}

TEST_F(ChoiceTest, UnwritablePlainFileIsRefusedAndNothingIsHandedOver) {
    ASSERT_TRUE(QDir(programFolder.path()).mkdir(QStringLiteral("sima16.txt")));
    FullCombinationChoice& choice = choiceOf(5);
    choice.selectOption(3);
    choice.loadTemplate();
    chooseFirst(choice, 16);
    EXPECT_FALSE(choice.convert());
    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral("A(z) sima16.txt állományt nem sikerült létrehozni vagy "
                                         "kiírni ! A teljes kombináció nem került át.")});
    EXPECT_EQ(receiver.calls, QStringList{QStringLiteral("clearFixMarks")});
}

TEST_F(ChoiceTest, LeavingForgetsTheChosenNumbers) {
    FullCombinationChoice& choice = choiceOf(7);
    chooseFirst(choice, 3);
    choice.leave();
    EXPECT_FALSE(choice.isChosen(1));
    EXPECT_FALSE(choice.isChosen(3));
}

} // namespace

namespace {

TEST_F(ChoiceTest, UnusableTemplateIsRefusedWithItsReason) {
    // Two "Sima szelvény" lines: a template the program cannot use.
    QFile file(programFolder.filePath(QStringLiteral("tkombi7_13.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("00\r\n02*11 12 \r\nSima szelv\xc3\xa9ny\r\nSima szelv\xc3\xa9ny\r\n");
    file.close();
    fakes.program.data = programFolder.path();
    FullCombinationChoice& choice = choiceOf(7);
    choice.selectOption(0);
    choice.loadTemplate();
    chooseFirst(choice, 13);
    EXPECT_FALSE(choice.convert());
    EXPECT_EQ(shownTexts(), QStringList{TemplateProblem::repeatedMarker});
    EXPECT_EQ(receiver.calls, QStringList{QStringLiteral("clearFixMarks")});
    EXPECT_FALSE(QFile::exists(programFolder.filePath(QStringLiteral("sima13.txt"))));
}

} // namespace
