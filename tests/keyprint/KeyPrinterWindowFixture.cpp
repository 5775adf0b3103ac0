#include "tests/keyprint/KeyPrinterWindowFixture.h"

#include "core/base/RowText.h"
#include "core/slip/SlipLayout.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QTextStream>

void KeyPrinterWindowTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    fake_.program.folder = folder_.path();
    fake_.program.name = programName();
    window_ = openWindow();
    ASSERT_NE(window_, nullptr);
}

int KeyPrinterWindowTest::maxFields() const {
    return keySlip(game()).maxFieldsPerSlip;
}

std::unique_ptr<KeyPrinterWindow> KeyPrinterWindowTest::openWindow() {
    auto window = std::make_unique<KeyPrinterWindow>(profile(), fake_.services());
    if (!window->load()) {
        return nullptr;
    }
    return window;
}

QString KeyPrinterWindowTest::writeKey(const QStringList& lines, const QString& name) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }
    QTextStream out(&file);
    for (const QString& line : lines) {
        out << line << "\r\n";
    }
    return path;
}

void KeyPrinterWindowTest::loadKey(const QStringList& lines) {
    fake_.fileDialog.answers.push_back(writeKey(lines));
    click(QStringLiteral("Command3D4"));
}

QStringList KeyPrinterWindowTest::keyRows(int n) const {
    QStringList rows;
    const int k = profile().numbersPerRow;
    const int highest = profile().highestNumber;
    for (int r = 0; r < n; ++r) {
        QStringList numbers;
        for (int j = 0; j < k; ++j) {
            numbers << QStringLiteral("%1").arg((r + j * 3) % highest + 1, 2, 10, QLatin1Char('0'));
        }
        rows << numbers.join(QLatin1Char(' '));
    }
    return rows;
}

QLineEdit* KeyPrinterWindowTest::text(const char* name) const {
    auto* box = window_->findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QLabel* KeyPrinterWindowTest::label(const QString& name) const {
    auto* l = window_->findChild<QLabel*>(name);
    EXPECT_NE(l, nullptr) << name.toStdString();
    return l;
}

QAbstractButton* KeyPrinterWindowTest::button(const QString& name) const {
    auto* b = window_->findChild<QAbstractButton*>(name);
    EXPECT_NE(b, nullptr) << name.toStdString();
    return b;
}

QListView* KeyPrinterWindowTest::list1() const {
    return window_->findChild<QListView*>(QStringLiteral("List1"));
}

void KeyPrinterWindowTest::click(const QString& name) const {
    if (QAbstractButton* b = button(name)) {
        b->click();
    }
}

void KeyPrinterWindowTest::selectRow(int row) const {
    QListView* list = list1();
    list->selectionModel()->clearSelection();
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect);
}
