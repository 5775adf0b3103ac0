
#include "ModalDialogs.h"
#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

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
    EXPECT_EQ(suffix, QStringLiteral("txt"));
}

TEST_F(QtFileDialogTest, CancelGivesNothing) {
    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(service.openFile(request).has_value());
}

TEST(QtFileDialogFilters, StarDotStarMatchesEveryFile) {
    const QStringList filters =
        QtFileDialog::nameFilters({{QStringLiteral("Minden(*.*)"), QStringLiteral("*.*")},
                                   {QStringLiteral("Szöveg"), QStringLiteral("*.txt;*.TXT")}});
    EXPECT_EQ(filters,
              QStringList({QStringLiteral("Minden (*)"), QStringLiteral("Szöveg (*.txt *.TXT)")}));
}

} // namespace
