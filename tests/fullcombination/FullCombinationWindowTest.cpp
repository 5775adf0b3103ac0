#include "combiprint/FullCombinationWindow.h"
#include "core/base/GameProfile.h"
#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/fullcombination/FullCombinationTemplate.h"
#include "core/keys/KeyChooser.h"
#include "core/slip/SystemTable.h"
#include "tests/fullcombination/FakeReceiver.h"
#include "tests/support/FakeKeyListView.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
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

// A program folder with the shipped templates and a small XX.BMP.
class ProgramFolder {
public:
    ProgramFolder() {
        for (const QString& name :
             QDir(dataDir()).entryList({QStringLiteral("tkombi*.txt")}, QDir::Files)) {
            QFile::copy(dataDir() + QLatin1Char('/') + name, path(name));
        }
        QImage bitmap(16, 16, QImage::Format_RGB32);
        bitmap.fill(Qt::black);
        bitmap.save(path(QStringLiteral("XX.BMP")), "BMP");
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString folder() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

class Form2Test : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        fakes.program.folder = folder.folder();
        fakes.program.name = QStringLiteral("combiprint%1").arg(game());
        window = std::make_unique<FullCombinationWindow>(gameProfile(game()), fakes.services(),
                                                         receiver);
        window->show();
    }
    int game() const { return GetParam(); }
    int k() const { return gameProfile(game()).numbersPerRow; }
    QString text(const QString& label) const { return window->findChild<QLabel*>(label)->text(); }
    QStringList items(const QString& list) const {
        QStringList out;
        auto* widget = window->findChild<QListWidget*>(list);
        for (int i = 0; i < widget->count(); ++i) {
            out << widget->item(i)->text();
        }
        return out;
    }
    void click(const QString& button) { window->findChild<QPushButton*>(button)->click(); }
    void chooseSize(int size) { window->sizeOption(size - 13)->click(); }
    // Chooses size numbers spread over the game's range, returns them ascending.
    std::vector<int> chooseNumbers(int size) {
        std::vector<int> numbers;
        const int highest = gameProfile(game()).highestNumber;
        for (int i = 0; i < size; ++i) {
            numbers.push_back(1 + i * (highest - 1) / (size - 1));
        }
        for (int n : numbers) {
            window->numberButton(n)->click();
        }
        return numbers;
    }

    ProgramFolder folder;
    FakeServices fakes;
    FakeReceiver receiver;
    std::unique_ptr<FullCombinationWindow> window;
};

TEST_P(Form2Test, WindowLoadClearsTheMainWindowsFixMarksAndBuildsTheGrid) {
    EXPECT_EQ(receiver.calls, QStringList{QStringLiteral("clearFixMarks")});
    const int highest = gameProfile(game()).highestNumber;
    EXPECT_EQ(window->numberButton(highest)->text(), QString::number(highest));
    EXPECT_EQ(window->numberButton(7)->toolTip(), QStringLiteral(" 7 "));
    EXPECT_FALSE(window->numberButton(0)->isVisible());
    EXPECT_EQ(window->numberButton(highest + 1), nullptr);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(window->sizeOption(i)->isChecked());
        EXPECT_EQ(window->sizeOption(i)->text(), QString::number(13 + i) + QStringLiteral(" szám"));
        EXPECT_EQ(window->sizeOption(i)->toolTip(),
                  QLatin1Char(' ') + QString::number(binomial(13 + i, k())) + QLatin1Char(' '));
    }
}

TEST_P(Form2Test, ChoosingAnOptionLoadsItsTemplateAndTheButtonLoadsItAgain) {
    chooseSize(13);
    EXPECT_EQ(window->choice().fullCombinationSize(), 13);
    const auto tmpl =
        FullCombinationTemplate::load(folder.path(FullCombinationTemplate::fileName(game(), 13)));
    ASSERT_TRUE(tmpl);
    EXPECT_EQ(items(QStringLiteral("List1")), tmpl->items());
    EXPECT_EQ(text(QStringLiteral("Label2")), QStringLiteral("13"));
    EXPECT_EQ(text(QStringLiteral("Label4")), QString::number(tmpl->markerPosition()));
    EXPECT_EQ(text(QStringLiteral("Label6")), QString::number(tmpl->plainRowCount()));

    QFile::remove(folder.path(FullCombinationTemplate::fileName(game(), 14)));
    chooseSize(14); // missing file: nothing changes but the size
    EXPECT_EQ(window->choice().fullCombinationSize(), 14);
    EXPECT_EQ(items(QStringLiteral("List1")), tmpl->items());
    EXPECT_EQ(text(QStringLiteral("Label2")), QStringLiteral("13"));

    window->sizeOption(0)->setChecked(true);
    click(QStringLiteral("SSCommand1"));
    EXPECT_EQ(window->choice().fullCombinationSize(), 13);
}

TEST_P(Form2Test, ToggleChosenShowsThePictureAndCountsUpAndDown) {
    QPushButton* seven = window->numberButton(7);
    seven->click();
    EXPECT_EQ(text(QStringLiteral("Label1")), QStringLiteral("1"));
    EXPECT_EQ(seven->text(), QString());
    EXPECT_FALSE(seven->icon().isNull());
    seven->click();
    EXPECT_EQ(text(QStringLiteral("Label1")), QStringLiteral("0"));
    EXPECT_EQ(seven->text(), QStringLiteral(" 7 "));
    EXPECT_TRUE(seven->icon().isNull());
    QFile::remove(folder.path(QStringLiteral("XX.BMP")));
    seven->click();
    EXPECT_EQ(text(QStringLiteral("Label1")), QStringLiteral("1"));
    EXPECT_TRUE(seven->icon().isNull());
    click(QStringLiteral("SSCommand2"));
    EXPECT_EQ(text(QStringLiteral("Label1")), QString());
    EXPECT_EQ(seven->text(), QStringLiteral("7"));
}

TEST_P(Form2Test, WrongCountIsRefusedWithTwoBlanksBeforeThirteen) {
    chooseSize(13);
    chooseNumbers(12);
    click(QStringLiteral("SSCommand3"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              QStringLiteral("Pontosan  13 számot kell kiválasztani !"));
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_TRUE(receiver.received.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_P(Form2Test, OptionChangedWithoutLoadIsRefused) {
    chooseSize(13);
    chooseNumbers(13);
    window->sizeOption(1)->setChecked(true); // selected but not loaded
    click(QStringLiteral("SSCommand3"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              QStringLiteral("Nem megfelelő a kombináció kijelölés !"));
    EXPECT_TRUE(receiver.received.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_P(Form2Test, CsereWithAnEmptyTemplateListDoesNothing) {
    chooseNumbers(13);
    click(QStringLiteral("SSCommand3"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_TRUE(receiver.received.empty());
}

// Sum of the combinations of every entry, by the system its variant and FIX count choose, plus
// the plain rows: what "Ellenőr" of the main window shows.
long long totalOf(int game, const FullCombinationHandOver& handOver) {
    const int k = game;
    long long sum = binomial(game == 5 ? 12 : 11, k);
    for (int p = 1; p < handOver.entries.size(); ++p) {
        const QString& e = handOver.entries[p];
        const QChar v = e.at(2);
        int cc = game == 5 ? 12 : 11;
        if (game == 7 && v == QLatin1Char('*')) {
            cc = 10;
        } else if (game == 6 && (v == QLatin1Char('8') || v == QLatin1Char('9'))) {
            cc = v.digitValue();
        }
        sum += binomial(cc, k - e.left(2).toInt());
    }
    return sum + handOver.plainSlipCount;
}

TEST_P(Form2Test, EveryTemplateConvertsToAllCombinationsAndAPlainRowKey) {
    for (int size = 13; size <= 20; ++size) {
        FakeReceiver target;
        FullCombinationWindow form(gameProfile(game()), fakes.services(), target);
        fakes.messageBox.shown.clear();
        form.sizeOption(size - 13)->click();
        std::vector<int> numbers;
        for (int i = 0; i < size; ++i) {
            numbers.push_back(1 + i * (gameProfile(game()).highestNumber - 1) / (size - 1));
            form.numberButton(numbers.back())->click();
        }
        press(form, "SSCommand3"); // "Csere"
        ASSERT_EQ(target.received.size(), 1u) << size;
        const FullCombinationHandOver& h = target.received[0];
        EXPECT_EQ(totalOf(game(), h), binomial(size, k())) << size;
        EXPECT_EQ(h.expectedTotal, binomial(size, k()));
        EXPECT_EQ(h.entries.first(), QStringLiteral("00"));
        const QString plainPath = folder.path(FullCombinationTemplate::plainSlipFileName(size));
        QFile plain(plainPath);
        if (h.plainSlipCount == 0) {
            EXPECT_FALSE(plain.exists()) << size;
            EXPECT_TRUE(fakes.messageBox.shown.empty());
            continue;
        }
        ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromLatin1(plain.readAll()).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.size(), h.plainSlipCount + 1); // each line ends in a line break
        for (int i = 0; i + 1 < lines.size(); ++i) {
            ASSERT_EQ(rowWidth(lines[i]), k()) << lines[i].toStdString();
            for (int j = 1; j <= k(); ++j) {
                EXPECT_NE(std::find(numbers.begin(), numbers.end(), rowValue(lines[i], j)),
                          numbers.end());
            }
        }
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(fakes.messageBox.shown[0].text,
                  QStringLiteral("Nyomtassa ki a - sima%1.txt - állományt is !").arg(size));
        EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Exclamation);

        // The file is a key for the key printer of the same game.
        fakes.messageBox.shown.clear();
        fakes.fileDialog.answers.push_back(plainPath);
        Services services = fakes.services();
        FakeKeyListView view(QStringLiteral("1"));
        KeyChooser(gameProfile(game()), PrinterFamily::Key, services).choose(view);
        const ShownKey& choice = view.shown;
        EXPECT_TRUE(fakes.messageBox.shown.empty()) << size;
        EXPECT_EQ(choice.rows, lines.mid(0, lines.size() - 1));
        EXPECT_EQ(choice.rowCountCaption, strForm(h.plainSlipCount));
    }
}

TEST_P(Form2Test, CsereHandsOverThenSelectsTheBaseSlipAndHides) {
    chooseSize(13);
    chooseNumbers(13);
    click(QStringLiteral("SSCommand3"));
    EXPECT_EQ(receiver.calls, QStringList({"clearFixMarks", "receive", "selectBaseSlip"}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(items(QStringLiteral("List2")).first(), QStringLiteral("00"));
    // Shown again, the window still holds its template and chosen numbers: a second "Csere"
    // converts the same template again.
    window->show();
    click(QStringLiteral("SSCommand3"));
    ASSERT_EQ(receiver.received.size(), 2u);
    EXPECT_EQ(receiver.received[1].entries, receiver.received[0].entries);
}

TEST_P(Form2Test, CsereAfterToeroelConvertsTheLoadedTemplate) {
    chooseSize(14);
    const std::vector<int> numbers = chooseNumbers(14);
    click(QStringLiteral("SSCommand3"));
    ASSERT_EQ(receiver.received.size(), 1u);
    window->show();
    click(QStringLiteral("SSCommand2"));
    for (int n : numbers) {
        window->numberButton(n)->click();
    }
    click(QStringLiteral("SSCommand3"));
    ASSERT_EQ(receiver.received.size(), 2u);
    EXPECT_EQ(receiver.received[1].entries, receiver.received[0].entries);
}

TEST_P(Form2Test, KilepLeavesTheMainWindowUnchanged) {
    chooseSize(13);
    chooseNumbers(13);
    click(QStringLiteral("Command3D2"));
    EXPECT_EQ(receiver.calls, QStringList({"clearFixMarks"}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), FullCombinationWindow::LeftThroughExit);
}

TEST_P(Form2Test, ClosingByTheFrameIsNotKilep) {
    window->close();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(receiver.calls, QStringList({"clearFixMarks"}));
}

TEST_P(Form2Test, UnwritablePlainFileIsReportedAndNothingIsHandedOver) {
    // Game 5 with 16, game 6 with 18 and game 7 with 18 numbers have plain rows.
    const int size = game() == 5 ? 16 : 18;
    const QString plainName = FullCombinationTemplate::plainSlipFileName(size);
    ASSERT_TRUE(QDir(folder.folder()).mkdir(plainName)); // a folder where the file should go
    chooseSize(size);
    chooseNumbers(size);
    click(QStringLiteral("SSCommand3"));
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_TRUE(fakes.messageBox.shown[0].text.contains(plainName));
    EXPECT_TRUE(receiver.received.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QDir(folder.folder()).entryList({QStringLiteral("sima*")}, QDir::Files),
              QStringList());
}

INSTANTIATE_TEST_SUITE_P(Games, Form2Test, ::testing::Values(5, 6, 7),
                         [](const auto& info) { return "game" + std::to_string(info.param); });

TEST(Form2Example, ThirteenNumbersOfGameSevenWriteTheExampleRows) {
    ProgramFolder folder;
    QFile file(folder.path(QStringLiteral("tkombi7_13.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("00\n02*11 13 \nSima szelv\xc3\xa9ny\n00 01 03 05 07 09 12 13 \n");
    file.close();
    FakeServices fakes;
    fakes.program.folder = folder.folder();
    FakeReceiver receiver;
    FullCombinationWindow form(gameProfile(7), fakes.services(), receiver);
    form.sizeOption(0)->click();
    for (int n : {2, 5, 7, 10, 12, 15, 18, 20, 23, 26, 29, 31, 34}) {
        form.numberButton(n)->click();
    }
    press(form, "SSCommand3"); // "Csere"
    ASSERT_EQ(receiver.received.size(), 1u);
    const FullCombinationHandOver& h = receiver.received[0];
    EXPECT_EQ(h.entries, QStringList({"00", "02*29 34 "}));
    EXPECT_EQ(h.baseSetRow, QStringLiteral("02 05 07 10 12 15 18 20 23 26 29 "));
    EXPECT_EQ(h.shortSetRows, QStringList{QStringLiteral("02 05 07 10 12 15 18 20 23 26")});
    EXPECT_EQ(h.plainSlipCount, 1);
    EXPECT_EQ(h.expectedTotal, 1716);
    QFile plain(folder.path(QStringLiteral("sima13.txt")));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), QByteArray("02 07 12 18 23 31 34 \r\n"));
}

TEST(Form2Example, GameSevenNineteenAndTwentyCarryTheirTrueTotals) {
    FakeServices fakes;
    FakeReceiver receiver;
    FullCombinationWindow form(gameProfile(7), fakes.services(), receiver);
    EXPECT_EQ(form.sizeOption(6)->toolTip(), QStringLiteral(" 50388 "));
    EXPECT_EQ(form.sizeOption(7)->toolTip(), QStringLiteral(" 77520 "));
    EXPECT_TRUE(form.sizeOption(6)->isEnabled());
    EXPECT_TRUE(form.sizeOption(7)->isEnabled());
}

} // namespace
