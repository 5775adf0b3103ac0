#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "core/slip/SystemTable.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/SelectionKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class WindowTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        fakes.program.folder = folder.path();
        fakes.program.name = QStringLiteral("combiprint%1").arg(game());
    }
    int game() const { return GetParam(); }
    const GameProfile& profile() const { return gameProfile(game()); }

    std::unique_ptr<CombinationPrinterWindow> open() {
        auto window = std::make_unique<CombinationPrinterWindow>(profile(), fakes.services());
        EXPECT_TRUE(window->load());
        return window;
    }
    template <typename T> T* child(QWidget& w, const QString& name) {
        T* found = w.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void click(QWidget& w, const QString& name) {
        QPushButton* button = child<QPushButton>(w, name);
        if (button) {
            button->click();
        }
    }
    QString text(QWidget& w, const QString& name) {
        QLabel* label = child<QLabel>(w, name);
        return label ? label->text() : QStringLiteral("<missing>");
    }
    void copyBitmap() {
        const QString data = QStringLiteral(SLIP_DATA_DIR);
        ASSERT_TRUE(QFile::copy(data + QStringLiteral("/XX.BMP"),
                                folder.path() + QStringLiteral("/XX.BMP")));
    }

    QTemporaryDir folder;
    FakeServices fakes;
};

TEST_P(WindowTest, StartsWithEveryControlInPlace) {
    auto w = open();
    EXPECT_EQ(w->objectName(), QStringLiteral("Form1"));
    const int leading = game() == 5 ? 6 : 3;
    const int before = game() == 5 ? 65 : 57;
    EXPECT_EQ(w->windowTitle(),
              QString(leading, ' ') +
                  QStringLiteral("Kombinációs %1-s lottószelvény kitöltő - álló").arg(game()) +
                  QString(before, ' ') + QStringLiteral("Kelvadata/2010"));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(224, 224, 224));
    // Centred with its frame: the offscreen platform gives windows a frame of a few pixels.
    const QSize outer = w->frameGeometry().size();
    ASSERT_GT(outer.height(), w->height());
    EXPECT_EQ(w->pos(), QPoint((1920 - outer.width()) / 2, (1080 - outer.height()) / 2));

    const QString digit = QString::number(game());
    const std::vector<std::pair<QString, QString>> buttons{
        {"Command3D3", "Beállítás mentése"},
        {"Command3", "Ellenőr"},
        {"SSCommand2", "Kijelölt sor törlése"},
        {"SSCommand1", digit + "-s kombinációk"},
        {"SSCommand4", game() == 5 ? "T. kombi. nyomtatása" : "T. kombi nyomtatása"},
        {"Command1", "Kombinációs számok"},
        {"Command2", "Töröl"},
        {"SSCommand3", "Kijelölt sor törlése"},
        {"Command3D9", "Tól-ig: nyomtatás"},
        {"Command3D1", "Szelv. kitölt"},
        {"Command3D4", "Kulcs választás"},
        {"Command3D2", "Kilép"}};
    for (const auto& [name, caption] : buttons) {
        QPushButton* b = child<QPushButton>(*w, name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), caption) << name.toStdString();
    }
    const std::vector<std::pair<QString, QString>> labels{
        {"Label2", "A nyomtatás pozicionálása"},
        {"Label1(0)", "Tolja lefelé 'yy' mm-vel + - !"},
        {"Label1(1)", "Tolja jobbra 'xx' mm-vel + - !"},
        {"Label10", "Lapdobással indul !"},
        {"Label6", "JOKER :"},
        {"Label14", "Kombináció összesen"},
        {"Label16", "Fix számok db."},
        {"Label9", "Kombinált számok db."},
        {"Label11", "Tól:"},
        {"Label13", "Ig:"},
        {"Label3", "Szelvényszám :"},
        {"Label12", ""},
        {"Label15", ""},
        {"Label8", ""},
        {"Label17", ""},
        {"Label5", ""},
        {"Label7", ""},
        {"Label4", ""}};
    for (const auto& [name, caption] : labels) {
        EXPECT_EQ(text(*w, name), caption) << name.toStdString();
    }
    for (const QString name : {"Label14", "Label16", "Label9", "Label6"}) {
        EXPECT_EQ(child<QLabel>(*w, name)->palette().color(QPalette::WindowText),
                  QColor(0, 0, 255));
    }
    EXPECT_EQ(child<QPushButton>(*w, "SSCommand1")->palette().color(QPalette::ButtonText),
              QColor(128, 0, 128));
    EXPECT_EQ(child<QLineEdit>(*w, "Text1")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QLineEdit>(*w, "Text2")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QLineEdit>(*w, "Text3")->text(), QString());
    // No settings file: mark "x"; Joker "Nem"; nothing ticked.
    EXPECT_TRUE(child<QRadioButton>(*w, "Option2(0)")->isChecked());
    EXPECT_EQ(child<QRadioButton>(*w, "Option2(2)")->text(), QStringLiteral("•"));
    EXPECT_TRUE(child<QRadioButton>(*w, "Option1(1)")->isChecked());
    EXPECT_EQ(child<QRadioButton>(*w, "Option1(0)")->text(), QStringLiteral("Igen"));
    EXPECT_FALSE(child<QCheckBox>(*w, "Check1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*w, "Check2")->isChecked());
    EXPECT_EQ(child<QCheckBox>(*w, "Check2")->text(), QString());
    EXPECT_EQ(child<QListWidget>(*w, "List1")->count(), 0);
    EXPECT_EQ(child<QListWidget>(*w, "List2")->count(), 0);
    for (const QString name : {"Frame1", "Frame2", "Shape1", "Picture1"}) {
        EXPECT_NE(w->findChild<QWidget*>(name), nullptr) << name.toStdString();
    }
    // Places in pixels: 15 twips a pixel.
    EXPECT_EQ(child<QLineEdit>(*w, "Text1")->geometry(), QRect(204, 41, 41, 19));
    EXPECT_EQ(child<QPushButton>(*w, "Command3D2")->geometry().width(), 145);
}

TEST_P(WindowTest, NumberGridAndSystemsTable) {
    auto w = open();
    const int perRow = game() == 7 ? 5 : game() == 6 ? 7 : 15;
    QPushButton* templ = child<QPushButton>(*w, "Command3D5(0)");
    ASSERT_NE(templ, nullptr);
    EXPECT_TRUE(templ->isHidden());
    const QPoint origin = templ->geometry().topLeft();
    for (int n = 1; n <= profile().highestNumber; ++n) {
        QPushButton* b = child<QPushButton>(*w, QStringLiteral("Command3D5(%1)").arg(n));
        ASSERT_NE(b, nullptr);
        const int r = (n - 1) / perRow;
        const int c = n - perRow * r;
        EXPECT_EQ(b->text(), QString::number(n));
        EXPECT_EQ(b->toolTip(), QStringLiteral(" %1 ").arg(n));
        EXPECT_FALSE(b->isHidden());
        EXPECT_NEAR(b->x() - origin.x(), 360 * c / 15.0, 1.0);
        EXPECT_NEAR(b->y() - origin.y(), 360 * r / 15.0, 1.0);
    }
    EXPECT_EQ(w->findChild<QPushButton*>(
                  QStringLiteral("Command3D5(%1)").arg(profile().highestNumber + 1)),
              nullptr);

    const SystemTable& table = systemTable(game());
    QRadioButton* first = child<QRadioButton>(*w, "Option3(0)");
    ASSERT_NE(first, nullptr);
    const int firstLeft = game() == 7 ? 7485 : game() == 6 ? 7500 : 8550;
    const int firstTop = game() == 7 ? 210 : game() == 6 ? 495 : 1020;
    EXPECT_NEAR(first->x(), firstLeft / 15.0, 1.0);
    EXPECT_NEAR(first->y(), firstTop / 15.0, 1.0);
    for (int i = 0; i < table.codes.size(); ++i) {
        QRadioButton* o = child<QRadioButton>(*w, QStringLiteral("Option3(%1)").arg(i));
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->text(), table.codes[i]);
        EXPECT_FALSE(o->isChecked());
        EXPECT_EQ(o->toolTip(),
                  QStringLiteral("Az első szám a FIX, a második a KOMBINÁLT számok darabszáma."));
        const int column = i / table.boxesPerColumn;
        const int row = i % table.boxesPerColumn;
        EXPECT_NEAR(o->x(), (firstLeft + column * 850) / 15.0, 1.0) << i;
        EXPECT_NEAR(o->y(), (firstTop + row * 295) / 15.0, 1.0) << i;
    }
}

TEST_P(WindowTest, SecondInstanceIsRefused) {
    fakes.singleInstance.otherRunning = true;
    CombinationPrinterWindow w(profile(), fakes.services());
    EXPECT_FALSE(w.load());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, fakes.program.name + QStringLiteral(" márt fut ! "));
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Exclamation);
    EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("Command3D5(1)")), nullptr);
}

TEST_P(WindowTest, SettingsLoadedAndSaved) {
    const QString path = folder.path() + QStringLiteral("/beall%1k.txt").arg(game());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2.5,-1,2\r\n");
    file.close();
    auto w = open();
    EXPECT_EQ(child<QLineEdit>(*w, "Text1")->text(), QStringLiteral("2.5"));
    EXPECT_EQ(child<QLineEdit>(*w, "Text2")->text(), QStringLiteral("-1"));
    EXPECT_TRUE(child<QRadioButton>(*w, "Option2(2)")->isChecked());

    child<QLineEdit>(*w, "Text1")->setText(QStringLiteral("1,5"));
    child<QRadioButton>(*w, "Option2(1)")->setChecked(true);
    click(*w, "Command3D3");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1.5,-1,1\r\n"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_P(WindowTest, FailedSaveIsReportedAndTheWindowGoesOn) {
    auto w = open();
    fakes.program.folder = folder.path() + QStringLiteral("/missing/folder");
    click(*w, "Command3D3");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_TRUE(fakes.messageBox.shown[0].text.contains(QStringLiteral("beall")));
    EXPECT_EQ(child<QLineEdit>(*w, "Text1")->text(), QStringLiteral("0"));
}

TEST_P(WindowTest, ClicksDriveTheSelection) {
    copyBitmap();
    auto w = open();
    for (int n : {3, 12, 25}) {
        click(*w, QStringLiteral("Command3D5(%1)").arg(n));
    }
    QPushButton* twelve = child<QPushButton>(*w, "Command3D5(12)");
    EXPECT_EQ(twelve->text(), QString());
    EXPECT_FALSE(twelve->icon().isNull());
    EXPECT_EQ(text(*w, "Label15"), QStringLiteral("3"));
    click(*w, "Command1");
    QListWidget* list1 = child<QListWidget>(*w, "List1");
    ASSERT_EQ(list1->count(), 1);
    EXPECT_EQ(list1->item(0)->text(), QStringLiteral("03 12 25 "));
    EXPECT_EQ(text(*w, "Label8"), QStringLiteral("3"));
    EXPECT_EQ(text(*w, "Label4"), QStringLiteral("1"));
    EXPECT_EQ(twelve->text(), QStringLiteral(" 12 "));
    EXPECT_TRUE(twelve->icon().isNull());

    QRadioButton* system = child<QRadioButton>(*w, "Option3(0)");
    system->click();
    EXPECT_EQ(w->selection().systemIndex(), 0);
    EXPECT_FALSE(text(*w, "Label12").isEmpty());

    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {},
                      list1->visualItemRect(list1->item(0)).center());
    EXPECT_EQ(text(*w, "Label7"), QStringLiteral(" 1"));
    click(*w, "SSCommand3");
    EXPECT_EQ(list1->count(), 0);
    EXPECT_EQ(text(*w, "Label4"), QStringLiteral("1"));

    click(*w, "Command3D5(5)");
    click(*w, "Command2");
    EXPECT_TRUE(w->selection().fixNumbers().empty());
    EXPECT_EQ(child<QPushButton>(*w, "Command3D5(5)")->text(), QStringLiteral("5"));
    EXPECT_EQ(text(*w, "Label12"), QString());
}

TEST_P(WindowTest, MissingBitmapStillMarks) {
    auto w = open();
    click(*w, "Command3D5(2)");
    EXPECT_TRUE(child<QPushButton>(*w, "Command3D5(2)")->icon().isNull());
    EXPECT_TRUE(w->selection().isMarked(2));
    EXPECT_EQ(text(*w, "Label15"), QStringLiteral("1"));
}

TEST_P(WindowTest, DoubleClickEmptiesATextBox) {
    auto w = open();
    for (const QString name : {"Text1", "Text2", "Text3", "Text4"}) {
        QLineEdit* box = child<QLineEdit>(*w, name);
        box->setText(QStringLiteral("12"));
        QTest::mouseDClick(box, Qt::LeftButton);
        EXPECT_EQ(box->text(), QString()) << name.toStdString();
    }
}

TEST_P(WindowTest, EntriesListAppliesOnClickAndEllenor) {
    auto w = open();
    FullCombinationHandOver h;
    h.entries = {QStringLiteral("00")};
    h.baseSetRow = game() == 5 ? QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 ")
                               : QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 ");
    h.plainSlipCount = 3;
    h.expectedTotal = 1716;
    w->selection().receiveFullCombination(h);
    w->selection().selectBaseSlip();
    EXPECT_EQ(text(*w, "Label5"), QStringLiteral(" 1716"));
    QListWidget* list2 = child<QListWidget>(*w, "List2");
    ASSERT_EQ(list2->count(), 1);
    EXPECT_EQ(list2->currentRow(), 0);
    const QString base = game() == 5   ? QStringLiteral("792")
                         : game() == 6 ? QStringLiteral("462")
                                       : QStringLiteral("330");
    EXPECT_EQ(text(*w, "Label12"), base);
    EXPECT_TRUE(
        child<QRadioButton>(*w, QStringLiteral("Option3(%1)").arg(w->selection().systemIndex()))
            ->isChecked());
    click(*w, "Command3D5(30)");
    QTest::mouseClick(list2->viewport(), Qt::LeftButton, {},
                      list2->visualItemRect(list2->item(0)).center());
    EXPECT_FALSE(w->selection().isMarked(30)); // the entry applied again
    click(*w, "Command3");
    EXPECT_EQ(text(*w, "Label17"), QString::number(base.toInt() + 3));
}

TEST_P(WindowTest, FullCombinationWindowThenHelpUnlessLeftThroughKilep) {
    auto w = open();
    child<QCheckBox>(*w, "Check2")->setChecked(false);
    loadKeyRows(w->selection(), {QStringLiteral("01 02")}, true, std::nullopt, std::nullopt);
    click(*w, "Command3D5(4)");
    QPointer<QDialog> seen;
    whenModal([&](QWidget* shown) {
        seen = qobject_cast<QDialog*>(shown);
        shown->hide();
    });
    click(*w, "SSCommand1");
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->objectName(), QStringLiteral("Form2"));
    EXPECT_TRUE(w->selection().rows().isEmpty());
    EXPECT_TRUE(w->selection().fixNumbers().empty());
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].text.startsWith(QStringLiteral("Amennyiben egyszerre")));
    EXPECT_TRUE(fakes.messageBox.shown[0].text.endsWith(
        QStringLiteral("Sikeres nyomtatás után, célszerű a kijelölt sort törölni.")));
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Exclamation);
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Kelvadata/2010"));

    // The hidden window is kept and shown again; left through "Kilép" it goes, without help.
    QPointer<QDialog> second;
    whenModal([&](QWidget* shown) {
        second = qobject_cast<QDialog*>(shown);
        shown->findChild<QPushButton*>(QStringLiteral("Command3D2"))->click(); // "Kilép"
    });
    click(*w, "SSCommand1");
    EXPECT_EQ(second.data(), seen.data());
    EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
}

TEST_P(WindowTest, PrintButtonsRunAndReportAPdfJob) {
    auto w = open();
    QString row;
    for (int n = 1; n <= 8; ++n) {
        row += QStringLiteral("%1 ").arg(n, 2, 10, QLatin1Char('0'));
    }
    loadKeyRows(w->selection(), {row, row}, true, QStringLiteral(" 2"), QStringLiteral("8"));
    const int system = int(systemTable(game()).codes.indexOf(QStringLiteral("0 08")));
    child<QRadioButton>(*w, QStringLiteral("Option3(%1)").arg(system))->click();
    fakes.printer.lastFile = QStringLiteral("/tmp/combiprint-test.pdf");
    click(*w, "Command3D1");
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(fakes.printer.jobsEnded, 1);
    EXPECT_EQ(fakes.printer.count(QStringLiteral("newPage")), 1);
    EXPECT_TRUE(child<QLabel>(*w, "StatusLine")
                    ->toolTip()
                    .endsWith(QStringLiteral("/tmp/combiprint-test.pdf")));

    child<QLineEdit>(*w, "Text3")->setText(QStringLiteral("2"));
    child<QLineEdit>(*w, "Text4")->setText(QStringLiteral("99"));
    click(*w, "Command3D9");
    EXPECT_EQ(fakes.printer.jobsEnded, 2);
    // The run held the range to the list's two rows; the box keeps what was typed.
    EXPECT_EQ(child<QLineEdit>(*w, "Text4")->text(), QStringLiteral("99"));
    child<QLineEdit>(*w, "Text4")->setText(QStringLiteral("2"));
    child<QLineEdit>(*w, "Text3")->setText(QStringLiteral("3"));
    click(*w, "Command3D9");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, QStringLiteral("Hibás tól-ig megadás !"));
    click(*w, "SSCommand4"); // no entries: nothing
    EXPECT_EQ(fakes.printer.jobsEnded, 2);
}

TEST_P(WindowTest, KeyChoiceFillsList1) {
    const QString key = folder.path() + QStringLiteral("/kulcs.txt");
    QFile file(key);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("01 02 03 04 05 06 07 08\r\n09 10 11 12 13 14 15 16\r\n");
    file.close();
    auto w = open();
    fakes.fileDialog.answers.push_back(key);
    click(*w, "Command3D4");
    EXPECT_EQ(child<QListWidget>(*w, "List1")->count(), 2);
    EXPECT_EQ(text(*w, "Label4"), QStringLiteral(" 2"));
    EXPECT_EQ(text(*w, "Label8"), game() == 5 ? QStringLiteral(" 8") : QStringLiteral("8"));
}

TEST_P(WindowTest, KilepEndsTheProgram) {
    auto w = open();
    w->show();
    QSignalSpy exits(w.get(), &CombinationPrinterWindow::exitRequested);
    click(*w, "Command3D2");
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(w->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Games, WindowTest, ::testing::Values(5, 6, 7), [](const auto& info) {
    return "combiprint" + std::to_string(info.param);
});

} // namespace
