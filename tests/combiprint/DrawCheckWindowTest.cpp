// "Találatok" as a player uses it after the draw: the key or the combination slips in the
// window, the draw typed into the dialog, and the winning classes and winners read off its
// tables. Nothing of the window changes.
#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "core/slip/SystemTable.h"
#include "keyprint/KeyPrinterWindow.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/SelectionKeys.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Table = std::vector<QStringList>;

// The tables of the dialog as they are shown, in order, each with its header row first.
std::vector<Table> shownTables(QWidget& dialog) {
    std::vector<Table> tables;
    for (QTableView* view : dialog.findChildren<QTableView*>()) {
        const QAbstractItemModel* model = view->model();
        Table table(1);
        for (int c = 0; c < model->columnCount(); ++c) {
            table[0] << model->headerData(c, Qt::Horizontal).toString();
        }
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < model->columnCount(); ++c) {
                row << model->index(r, c).data().toString();
            }
            table.push_back(row);
        }
        tables.push_back(table);
    }
    return tables;
}

// Opens the dialog with the window's button, types the draw, presses Enter in the box and
// takes the tables shown.
std::vector<Table> checkDraw(QWidget& window, const QString& draw) {
    std::vector<Table> tables;
    whenModal([&](QWidget* shown) {
        auto* box = shown->findChild<QLineEdit*>(QStringLiteral("DrawBox(0)"));
        ASSERT_NE(box, nullptr);
        box->setText(draw);
        shown->findChild<QPushButton*>(QStringLiteral("CheckButton"))->click();
        tables = shownTables(*shown);
        static_cast<QDialog*>(shown)->reject();
    });
    window.findChild<QPushButton*>(QStringLiteral("CheckDrawButton"))->click();
    return tables;
}

// One column of a table's rows, without its header.
QStringList column(const Table& table, int c) {
    QStringList cells;
    for (std::size_t r = 1; r < table.size(); ++r) {
        cells << table[r].value(c);
    }
    return cells;
}

TEST(DrawCheckWindowTest, KeyPrinterShowsTheClassesAndTheSlipAndFieldOfEveryWinner) {
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    const QStringList rows = {"01 02 03 04 05 06", "10 11 12 13 14 15", "01 02 03 20 21 22",
                              "30 31 32 33 34 35", "01 02 03 04 05 40", "40 41 42 43 44 45",
                              "01 02 03 04 30 31"};
    QFile key(folder.filePath(QStringLiteral("kulcs.txt")));
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write(rows.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    key.close();
    fakes.fileDialog.answers.push_back(key.fileName());
    KeyPrinterWindow window(gameProfile(6), fakes.services());
    ASSERT_TRUE(window.load());
    window.findChild<QPushButton*>(QStringLiteral("Command3D4"))->click();
    window.findChild<QLineEdit*>(QStringLiteral("Text6"))->setText(QStringLiteral("3"));

    const std::vector<Table> tables = checkDraw(window, QStringLiteral("1, 2 - 3 4 5 6"));
    ASSERT_EQ(tables.size(), 2u); // the classes, the winners
    // 6, 5, 4 and 3 hits: rows 1, 5, 7 and 3, one each, three rows a slip.
    EXPECT_EQ(column(tables[0], 1), QStringList({"1", "1", "1", "1"}));
    QStringList rowSlipField;
    for (std::size_t w = 1; w < tables[1].size(); ++w) {
        rowSlipField << tables[1][w].mid(0, 3).join(QLatin1Char('/'));
    }
    EXPECT_EQ(rowSlipField, QStringList({"1/1/1", "5/2/2", "7/3/1", "3/1/3"}));
    EXPECT_EQ(window.rows(), rows);
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Text6"))->text(), QStringLiteral("3"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(fakes.printer.jobsEnded, 0);
}

TEST(DrawCheckWindowTest, CombinationPrinterCountsEachSlipsCombinationsByClass) {
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    CombinationPrinterWindow window(gameProfile(6), fakes.services());
    ASSERT_TRUE(window.load());
    CombinationSelection& selection = window.selection();
    loadKeyRows(selection, {"01 02 03 04 05 06 07 08 ", "11 12 13 14 15 16 17 18 "}, true,
                QStringLiteral(" 2"), QStringLiteral("8"));
    selection.selectSystem(int(systemTable(6).codes.indexOf(QStringLiteral("0 08"))));

    const std::vector<Table> tables = checkDraw(window, QStringLiteral("1 2 3 4 5 6"));
    ASSERT_GE(tables.size(), 2u);
    // Six of slip 1's eight numbers drawn: of its C(8, 6) = 28 combinations one holds all six,
    // C(6,5)·C(2,1) = 12 hold five and C(6,4)·C(2,2) = 15 four; slip 2 holds none.
    EXPECT_EQ(column(tables[0], 1), QStringList({"1", "12", "15", "0"})); // 6, 5, 4, 3 hits
    ASSERT_EQ(tables[1].size(), 2u);
    EXPECT_EQ(tables[1][1][0], QStringLiteral("1")); // the slip of row 1
    EXPECT_EQ(selection.rows().size(), 2);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

} // namespace
