
#include "core/base/GameProfile.h"
#include "core/base/PrinterFamily.h"
#include "core/keys/KeyChooser.h"
#include "services/QtFileDialog.h"
#include "services/QtInputBox.h"
#include "services/QtMessageBox.h"
#include "services/QtTranslation.h"
#include "tests/support/FakeKeyListView.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

// Runs the action on the modal dialog as soon as it shows; the dialog is closed afterwards
// if the action left it open.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> action) {
    whenModal([action](QWidget* shown) {
        auto* dialog = qobject_cast<Dialog*>(shown);
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

struct MessageCase {
    MessageBoxService::Icon icon;
    QMessageBox::Icon qtIcon;
    MessageBoxService::Buttons buttons;
    QMessageBox::StandardButton press;
    MessageBoxService::Result expected;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "icon " << int(c.icon) << ", buttons " << int(c.buttons) << ", press " << int(c.press);
}

class QtMessageBoxTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(QtMessageBoxTest, ShowsIconTitleButtonsAndReportsThePressedOne) {
    const MessageCase c = GetParam();
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QString shownTitle;
    QString shownText;
    QMessageBox::StandardButtons shownButtons;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        shownIcon = box->icon();
        shownTitle = box->windowTitle();
        shownText = box->text();
        shownButtons = box->standardButtons();
        box->button(c.press)->click();
    });
    QtMessageBox service;
    const auto result =
        service.show(QStringLiteral(" Szöveg "), c.icon, c.buttons, QStringLiteral("LOTTO 6"));
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(shownIcon, c.qtIcon);
    EXPECT_EQ(shownTitle, QStringLiteral("LOTTO 6"));
    EXPECT_EQ(shownText, QStringLiteral(" Szöveg "));
    EXPECT_EQ(shownButtons, c.buttons == MessageBoxService::Buttons::Ok
                                ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                : QMessageBox::Ok | QMessageBox::Cancel);
}

std::string messageCaseName(const ::testing::TestParamInfo<MessageCase>& info) {
    static const char* const icons[] = {"Critical", "Question", "Exclamation"};
    return std::string(icons[int(info.param.icon)]) +
           (info.param.buttons == MessageBoxService::Buttons::Ok ? "_Ok" : "_OkCancel") +
           (info.param.press == QMessageBox::Ok ? "_pressOk" : "_pressCancel");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtMessageBoxTest,
    ::testing::Values(MessageCase{MessageBoxService::Icon::Critical, QMessageBox::Critical,
                                  MessageBoxService::Buttons::Ok, QMessageBox::Ok,
                                  MessageBoxService::Result::Ok},
                      MessageCase{MessageBoxService::Icon::Question, QMessageBox::Question,
                                  MessageBoxService::Buttons::OkCancel, QMessageBox::Cancel,
                                  MessageBoxService::Result::Cancel},
                      MessageCase{MessageBoxService::Icon::Question, QMessageBox::Question,
                                  MessageBoxService::Buttons::OkCancel, QMessageBox::Ok,
                                  MessageBoxService::Result::Ok},
                      MessageCase{MessageBoxService::Icon::Exclamation, QMessageBox::Warning,
                                  MessageBoxService::Buttons::Ok, QMessageBox::Ok,
                                  MessageBoxService::Result::Ok}),
    messageCaseName);

TEST(QtInputBoxTest, ReturnsTypedTextAndEmptyOnCancel) {
    QtInputBox service;
    QString preset;
    whenShown<QInputDialog>([&](QInputDialog* dialog) {
        preset = dialog->textValue();
        dialog->setTextValue(QStringLiteral("12"));
        dialog->accept();
    });
    EXPECT_EQ(
        service.ask(QStringLiteral("Kezdő sor"), QStringLiteral("LOTTO 6"), QStringLiteral("1")),
        QStringLiteral("12"));
    EXPECT_EQ(preset, QStringLiteral("1"));
    whenShown<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(
        service.ask(QStringLiteral("Kezdő sor"), QStringLiteral("LOTTO 6"), QStringLiteral("1")),
        QString());
}

class QtFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QFile key(dir.filePath(QStringLiteral("kulcs.txt")));
        ASSERT_TRUE(key.open(QIODevice::WriteOnly));
        request.initialFolder = dir.path();
        request.presetName = QStringLiteral("kulcs.txt");
        request.filters = {{QStringLiteral("Minden(*.*)"), QStringLiteral("*.*")},
                           {QStringLiteral("Szöveg(*.txt)"), QStringLiteral("*.txt")}};
        request.selectedFilter = 1;
        request.defaultExtension = QStringLiteral("txt");
    }

    QTemporaryDir dir;
    FileOpenRequest request;
    QtFileDialog service;
};

TEST_F(QtFileDialogTest, PresetsTheDialogAndReturnsTheChosenPath) {
    QString folder;
    QString filter;
    QString suffix;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        filter = dialog->selectedNameFilter();
        suffix = dialog->defaultSuffix();
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept() is protected
    });
    const std::optional<QString> chosen = service.openFile(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, dir.filePath(QStringLiteral("kulcs.txt")));
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(filter, QStringLiteral("Szöveg (*.txt)"));
    EXPECT_TRUE(suffix.isEmpty()) << "Qt's suffix would be added to every name without a dot";
}

TEST_F(QtFileDialogTest, CancelGivesNothing) {
    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(service.openFile(request).has_value());
}

// The key dialog of both families, preset from filenev.txt with a key that has no extension
// while a ".txt" key of the same name stands beside it: whether the user presses Enter on the
// preset name or types the name, the key read is the one named.
struct NamedKeyCase {
    PrinterFamily family;
    const char* typed; // typed into the file name box; nothing: Enter on the preset
    int rowsRead;
};

class KeyDialogTest : public ::testing::TestWithParam<NamedKeyCase> {};

TEST_P(KeyDialogTest, ReadsTheKeyThatIsNamed) {
    QTemporaryDir dir;
    const auto writeRows = [&dir](const QString& name, int count) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int r = 0; r < count; ++r) {
            file.write("01 02 03 04 05 06\r\n");
        }
    };
    writeRows(QStringLiteral("kulcs"), 5);
    writeRows(QStringLiteral("kulcs.txt"), 9);
    writeRows(QStringLiteral("masik.txt"), 7);
    QFile last(dir.filePath(QStringLiteral("filenev.txt")));
    ASSERT_TRUE(last.open(QIODevice::WriteOnly));
    last.write(dir.filePath(QStringLiteral("kulcs")).toUtf8() + "\r\n");
    last.close();

    FakeServices fake;
    fake.program.folder = dir.path();
    QtFileDialog dialog;
    const Services& f = fake.services();
    Services services{f.messageBox, f.inputBox,       dialog,   f.busyPointer,
                      f.program,    f.singleInstance, f.screen, f.clock};
    const NamedKeyCase c = GetParam();
    whenShown<QFileDialog>([&c](QFileDialog* shown) {
        auto* name = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        if (c.typed) {
            QApplication::setActiveWindow(shown);
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, QString::fromLatin1(c.typed));
        }
        QTest::keyClick(name, Qt::Key_Return);
    });
    FakeKeyListView view;
    KeyChooser(gameProfile(6), c.family, services).choose(view);
    EXPECT_EQ(view.shown.rows.size(), c.rowsRead);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Families, KeyDialogTest,
    ::testing::Values(NamedKeyCase{PrinterFamily::Key, nullptr, 5},
                      NamedKeyCase{PrinterFamily::Combination, nullptr, 5},
                      NamedKeyCase{PrinterFamily::Key, "kulcs", 5},
                      NamedKeyCase{PrinterFamily::Combination, "kulcs", 5},
                      // a name that exists only with the extension still finds it
                      NamedKeyCase{PrinterFamily::Key, "masik", 7}),
    [](const ::testing::TestParamInfo<NamedKeyCase>& info) {
        return std::string(info.param.family == PrinterFamily::Key ? "Key" : "Combination") +
               (info.param.typed ? std::string("_typed_") + info.param.typed : "_preset");
    });

// With Qt's Hungarian texts loaded, the key dialog and the listing question show no English.
TEST(QtHungarianTextsTest, DialogsShowNoEnglishText) {
    QTranslator* translator = installHungarianQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_hu.qm is not installed";
    const QStringList english = {
        "Look in:",    "File name:", "Files of type:",    "&Open",
        "Open",        "Cancel",     "&Cancel",           "Back",
        "Detail View", "List View",  "Create New Folder", "Parent Directory"};
    QStringList shown;
    const auto collect = [&shown](QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (auto* label = qobject_cast<QLabel*>(w)) {
                shown << label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                shown << button->text();
            }
            shown << w->toolTip();
        }
    };
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        collect(dialog);
        dialog->reject();
    });
    QtFileDialog().openFile(FileOpenRequest{});
    whenShown<QMessageBox>([&](QMessageBox* box) {
        collect(box);
        box->button(QMessageBox::Cancel)->click();
    });
    QtMessageBox().show(QStringLiteral("A betöltött kulcs A4-s lapra nyomtatása !"),
                        MessageBoxService::Icon::Question, MessageBoxService::Buttons::OkCancel,
                        QStringLiteral("LOTTO 6"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(shown.contains(QStringLiteral("Mégse")));
    for (const QString& text : english) {
        EXPECT_FALSE(shown.contains(text)) << text.toStdString();
    }
}

TEST(QtFileDialogFilters, StarDotStarMatchesEveryFile) {
    const QStringList filters =
        QtFileDialog::nameFilters({{QStringLiteral("Minden(*.*)"), QStringLiteral("*.*")},
                                   {QStringLiteral("Szöveg"), QStringLiteral("*.txt;*.TXT")}});
    EXPECT_EQ(filters,
              QStringList({QStringLiteral("Minden (*)"), QStringLiteral("Szöveg (*.txt *.TXT)")}));
}

} // namespace
