// "Kulcs készítés": the dialog the key printer window opens, the search off the user-interface
// thread, loading the key into List1 and saving it as a key file.

#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/keys/KeyRequestCheck.h"
#include "keyprint/KeyGenerationDialog.h"
#include "tests/support/ModalDialogs.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProgressBar>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

namespace {

// Twelve numbers of every game, typed unordered with every separator the box takes.
const QString played = QStringLiteral("33, 7 12-18  21,25 30 3 34-35 1 9");
constexpr KeySearchOptions quickSearch{100'000, 2};
// A search that never ends by itself: a stop that does not work shows as a test that hangs.
constexpr KeySearchOptions endlessSearch{std::int64_t(1) << 50, 2};

template <typename Widget> Widget* part(QWidget* dialog, const char* name) {
    auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void request(QWidget* dialog, const QString& numbers, int guaranteed, int drawnAmong) {
    part<QLineEdit>(dialog, "PlayedNumbers")->clear();
    QTest::keyClicks(part<QLineEdit>(dialog, "PlayedNumbers"), numbers);
    part<QSpinBox>(dialog, "Guaranteed")->setValue(guaranteed);
    part<QSpinBox>(dialog, "DrawnAmong")->setValue(drawnAmong);
}

// Presses "Készít" and lets the dialog run until the search ended.
bool make(KeyGenerationDialog& dialog) {
    part<QPushButton>(&dialog, "MakeButton")->click();
    const QDeadlineTimer deadline(std::chrono::seconds(30));
    while (dialog.searching() && !deadline.hasExpired()) {
        QTest::qWait(10);
    }
    return !dialog.searching();
}

} // namespace

class KeyGenerationWindowTest : public KeyPrinterWindowTest {
protected:
    std::unique_ptr<KeyGenerationDialog> dialog(const KeySearchOptions& options) {
        return std::make_unique<KeyGenerationDialog>(profile(), fake_.services(), window_->model(),
                                                     options);
    }
    // What List1 and the captions choosing a key set show now.
    QStringList shown() const {
        return {window_->rows().join('|'), label("Label4")->text(), label("Label5")->text(),
                label(game() == 7 ? "Label6" : "Label8")->text(), text("Text6")->text()};
    }
};

TEST_P(KeyGenerationWindowTest, MadeKeyLoadsAsTheSameKeyFileWould) {
    window_->setKeySearchOptions(quickSearch);
    text("Text6")->setText("0");
    fake_.messageBox.answers = {MessageBoxService::Result::Cancel}; // no save
    QString resultLine;
    whenModal([&](QWidget* shownDialog) {
        auto* d = qobject_cast<KeyGenerationDialog*>(shownDialog);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Kulcs készítés – " + programName());
        request(d, played, 3, 4);
        ASSERT_TRUE(make(*d));
        auto* load = part<QPushButton>(d, "LoadButton");
        EXPECT_TRUE(load->isEnabled());
        part<QSpinBox>(d, "DrawnAmong")->setValue(3);
        EXPECT_FALSE(load->isEnabled()) << "a key of other inputs";
        ASSERT_TRUE(make(*d));
        resultLine = part<QLabel>(d, "ResultLine")->text();
        load->click();
    });
    click("MakeKeyButton");

    const QStringList rows = window_->rows();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_TRUE(resultLine.contains(QString::number(rows.size()))) << resultLine.toStdString();
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u) << "only the offer to save";

    const QStringList generated = shown();
    window_ = openWindow();
    text("Text6")->setText("0");
    loadKey(rows);
    EXPECT_EQ(shown(), generated);
}

TEST_P(KeyGenerationWindowTest, InputThatCannotBeSearchedForIsToldAndChangesNothing) {
    loadKey(keyRows(5));
    const int k = profile().numbersPerRow;
    const int n = profile().highestNumber;
    const auto numbers = [](int from, int count) {
        QStringList list;
        for (int i = 0; i < count; ++i) {
            list << QString::number(from + i);
        }
        return list.join(' ');
    };
    struct Case {
        QString numbers;
        int guaranteed;
        int drawnAmong;
        QString named; // what the message names
    };
    const Case cases[] = {
        {numbers(1, k), 2, 2, QString::number(k)},
        {numbers(1, 31), 2, 2, "31"},
        {numbers(1, k) + QStringLiteral(" %1").arg(n + 1), 2, 2, QString::number(n + 1)},
        {numbers(1, k) + " 0", 2, 2, "0"},
        {numbers(1, k) + " 4", 2, 2, "4"},
        {numbers(1, k) + " 9x", 2, 2, "betű"},
        {"", 2, 2, "0"},
        {numbers(1, k + 2), 3, 2, "3"},
    };
    auto d = dialog(endlessSearch);
    d->show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numbers.toStdString());
        fake_.messageBox.shown.clear();
        request(d.get(), c.numbers, c.guaranteed, c.drawnAmong);
        part<QPushButton>(d.get(), "MakeButton")->click();
        EXPECT_FALSE(d->searching());
        ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
        const FakeMessageBox::Shown& message = fake_.messageBox.shown[0];
        EXPECT_TRUE(message.text.contains(c.named)) << message.text.toStdString();
        EXPECT_EQ(message.icon, MessageBoxService::Icon::Critical);
        EXPECT_EQ(message.title, profile().keyTitle);
        EXPECT_EQ(part<QProgressBar>(d.get(), "SearchProgress")->value(), 0);
        EXPECT_FALSE(part<QPushButton>(d.get(), "LoadButton")->isEnabled());
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(window_->rows(), keyRows(5));
    }
    part<QSpinBox>(d.get(), "DrawnAmong")->setValue(k + 1);
    EXPECT_EQ(part<QSpinBox>(d.get(), "DrawnAmong")->value(), k) << "no more than a row holds";
}

TEST_P(KeyGenerationWindowTest, StoppingASearchKeepsNothing) {
    loadKey(keyRows(5));
    auto d = dialog(endlessSearch);
    d->show();
    auto* cancel = part<QPushButton>(d.get(), "CancelButton");
    request(d.get(), played, 3, 3);
    part<QPushButton>(d.get(), "MakeButton")->click();
    ASSERT_TRUE(d->searching());
    EXPECT_FALSE(part<QPushButton>(d.get(), "MakeButton")->isEnabled());
    cancel->click();
    EXPECT_FALSE(d->searching());
    EXPECT_TRUE(d->isVisible()) << "the first Mégse only stops the search";
    EXPECT_FALSE(part<QPushButton>(d.get(), "LoadButton")->isEnabled());
    EXPECT_TRUE(part<QLabel>(d.get(), "ResultLine")->text().isEmpty());
    EXPECT_EQ(part<QProgressBar>(d.get(), "SearchProgress")->value(), 0);

    part<QPushButton>(d.get(), "MakeButton")->click();
    ASSERT_TRUE(d->searching());
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_FALSE(d->searching());
    EXPECT_FALSE(d->isVisible());

    d->show();
    part<QPushButton>(d.get(), "MakeButton")->click();
    ASSERT_TRUE(d->searching());
    d.reset(); // a running search ends with the dialog, not with the program
    EXPECT_EQ(window_->rows(), keyRows(5));
    EXPECT_TRUE(fake_.messageBox.shown.empty());
}

TEST_P(KeyGenerationWindowTest, SavedKeyIsACrlfKeyFileThatLoadsBack) {
    auto d = dialog(quickSearch);
    d->show();
    request(d.get(), played, 2, 3);
    ASSERT_TRUE(make(*d));
    const QString path = folder_.filePath(QStringLiteral("mentett.txt"));
    fake_.fileDialog.saveAnswers = {path};
    part<QPushButton>(d.get(), "LoadButton")->click();
    const QStringList rows = window_->rows();
    ASSERT_FALSE(rows.isEmpty());
    ASSERT_EQ(fake_.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake_.messageBox.shown[0].icon, MessageBoxService::Icon::Question);
    EXPECT_EQ(fake_.messageBox.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(fake_.messageBox.shown[0].title, profile().keyTitle);
    ASSERT_EQ(fake_.fileDialog.saveRequests.size(), 1u);
    EXPECT_EQ(fake_.fileDialog.saveRequests[0].initialFolder, folder_.path());
    EXPECT_EQ(fake_.fileDialog.saveRequests[0].defaultExtension, "txt");
    EXPECT_EQ(window_->model().keyPath(), path);
    d.reset();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), rows.size());
    EXPECT_EQ(bytes.count('\n'), rows.size());
    window_ = openWindow();
    fake_.fileDialog.answers.push_back(path);
    click("Command3D4");
    EXPECT_EQ(window_->rows(), rows);

    // A file that cannot be written is told; the key stays loaded.
    window_ = openWindow();
    fake_.messageBox.shown.clear();
    d = dialog(quickSearch);
    d->show();
    request(d.get(), played, 2, 3);
    ASSERT_TRUE(make(*d));
    fake_.fileDialog.saveAnswers = {folder_.filePath(QStringLiteral("nincs/kulcs.txt"))};
    part<QPushButton>(d.get(), "LoadButton")->click();
    ASSERT_EQ(fake_.messageBox.shown.size(), 2u);
    EXPECT_EQ(fake_.messageBox.shown[1].icon, MessageBoxService::Icon::Critical);
    EXPECT_TRUE(fake_.messageBox.shown[1].text.contains("kulcs.txt"));
    EXPECT_EQ(window_->rows(), rows) << "the same request and effort give the same key";
}

INSTANTIATE_FOR_KEY_PRINTERS(KeyGenerationWindowTest);
