// "Találatok" as a player uses it after the draw: the key or the combination slips in the
// window, the draw typed into the dialog, and the winning classes and winners read off its
// tables. Nothing of the window changes.
#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "core/files/ArchivePathFile.h"
#include "core/results/DrawCheckTexts.h"
#include "core/slip/SystemTable.h"
#include "drawcheck/DrawCheckDialog.h"
#include "drawcheck/FrequencyChart.h"
#include "keyprint/KeyPrinterWindow.h"
#include "tests/drawcheck/RandomRows.h"
#include "tests/preview/QStringPrinting.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/SelectionKeys.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Table = std::vector<QStringList>;

// A table of the dialog as it is shown, its header row first.
Table shownTable(const QTableView& view) {
    const QAbstractItemModel* model = view.model();
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
    return table;
}

// The tables of the dialog as they are shown, in order.
std::vector<Table> shownTables(QWidget& dialog) {
    std::vector<Table> tables;
    for (QTableView* view : dialog.findChildren<QTableView*>()) {
        tables.push_back(shownTable(*view));
    }
    return tables;
}

// The table under the caption given; empty when none is shown.
Table shownTable(QWidget& dialog, const QString& caption) {
    const auto* view = dialog.findChild<QTableView*>(caption);
    return view ? shownTable(*view) : Table();
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

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "Húzások betöltése…" with the file chosen in the file dialog, a pick from "Húzás:" and "Minden
// húzás" until it ends. What each step showed is kept for the test.
struct ArchiveSteps {
    QString archiveLine;      // the line about the archive once loaded
    QStringList drawList;     // the list's items
    QStringList boxes;        // the draw boxes after the pick
    Table classes;            // the classes of the draw picked
    Table summary;            // the summary of every draw
    QStringList winningDraws; // their first column
    const FrequencyChart* chart = nullptr;
    std::vector<long long> frequencies;
    NumberMask played;
};

ArchiveSteps loadPickAndCheckAll(QWidget& window, FakeServices& fakes, const QString& archive,
                                 int pick) {
    ArchiveSteps steps;
    fakes.fileDialog.answers.push_back(archive);
    whenModal([&](QWidget* shown) {
        auto* dialog = static_cast<DrawCheckDialog*>(shown);
        dialog->findChild<QPushButton*>(QStringLiteral("LoadArchiveButton"))->click();
        steps.archiveLine = dialog->findChild<QLabel*>(QStringLiteral("ArchiveLine"))->text();
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("DrawList"));
        for (int i = 0; i < list->count(); ++i) {
            steps.drawList << list->itemText(i);
        }
        list->setCurrentIndex(pick);
        emit list->activated(pick);
        for (QLineEdit* box : dialog->findChildren<QLineEdit*>()) {
            steps.boxes << box->text();
        }
        steps.classes = shownTable(*dialog, DrawCheckText::classTable);
        dialog->findChild<QPushButton*>(QStringLiteral("CheckAllButton"))->click();
        const QDeadlineTimer deadline(std::chrono::seconds(20));
        while (dialog->checkingAll() && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        steps.summary = shownTable(*dialog, DrawCheckText::summaryTable);
        steps.winningDraws = column(shownTable(*dialog, DrawCheckText::winningDrawTable), 0);
        if (const auto* chart = dialog->findChild<FrequencyChart*>()) {
            steps.frequencies = chart->frequencies();
            steps.played = chart->played();
        }
        dialog->reject();
    });
    window.findChild<QPushButton*>(QStringLiteral("CheckDrawButton"))->click();
    return steps;
}

// What the dialog shows about the archive when it opens: the line and the list.
std::pair<QString, int> archiveAtOpen(QWidget& window) {
    std::pair<QString, int> shown;
    whenModal([&](QWidget* dialog) {
        shown = {dialog->findChild<QLabel*>(QStringLiteral("ArchiveLine"))->text(),
                 dialog->findChild<QComboBox*>(QStringLiteral("DrawList"))->count()};
    });
    window.findChild<QPushButton*>(QStringLiteral("CheckDrawButton"))->click();
    return shown;
}

QStringList summaryValues(const Table& summary) {
    return column(summary, 1);
}

// keyprint6 with a key of three rows and hatos.csv in both layouts: the draw of week 11 paid at
// its prizes (five hits at the "5" prize, its bonus number no hit, three hits at a 0 prize:
// unknown), every draw checked, the archive remembered for the next opening and its removal said
// in the dialog's line.
TEST(DrawCheckWindowTest, KeyPrinterChecksThePickedDrawAndEveryDrawOfTheArchive) {
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    const QStringList rows = {"01 02 03 04 05 06", "10 11 12 13 14 15", "01 02 03 20 21 22"};
    writeFile(folder.filePath(QStringLiteral("kulcs.txt")), rows.join("\r\n").toLatin1());
    const QString archive = folder.filePath(QStringLiteral("hatos.csv"));
    writeFile(archive,
              "2021;12;Cs\xC3\xBCt\xC3\xB6rt\xC3\xB6k;2021.03.25.;0;0;1;500 000 000 Ft;10;"
              "1 000 000 Ft;500;20 000 Ft;20000;2 000 Ft;1;2;3;4;5;6\r\n"
              "2021;11;2021.03.18.;0;0 Ft;1;9 999 999 Ft;3;1 500 000 Ft;200;30 000 Ft;9000;0 Ft;"
              "1;2;3;4;5;40;6\r\n"
              "2021;10;;0;0;0;0;0;0;0;0;0;0;30;31;32;33;34;35\r\n");
    fakes.fileDialog.answers.push_back(folder.filePath(QStringLiteral("kulcs.txt")));
    KeyPrinterWindow window(gameProfile(6), fakes.services());
    ASSERT_TRUE(window.load());
    window.findChild<QPushButton*>(QStringLiteral("Command3D4"))->click();

    const ArchiveSteps steps = loadPickAndCheckAll(window, fakes, archive, 1);
    EXPECT_TRUE(steps.archiveLine.contains(QStringLiteral("hatos.csv")));
    ASSERT_EQ(steps.drawList.size(), 3);
    EXPECT_TRUE(steps.drawList[0].contains(weekdayName(4)));
    EXPECT_EQ(steps.boxes.value(0), QStringLiteral("01 02 03 04 05 40"));
    // 6, 5, 4, 3 hits: the rows, then what they were paid.
    EXPECT_EQ(column(steps.classes, 1), QStringList({"0", "1", "0", "1"}));
    EXPECT_EQ(column(steps.classes, 4),
              QStringList({DrawCheckText::forints(0), DrawCheckText::forints(1500000),
                           DrawCheckText::forints(0), DrawCheckText::unknownPrize}));
    // Three draws, two won: 6 and 3 hits in week 12, 5 and 3 in week 11.
    EXPECT_EQ(summaryValues(steps.summary).mid(1, 6),
              QStringList({"2", "1", "1", "0", "2", DrawCheckText::forints(501502000)}));
    EXPECT_EQ(summaryValues(steps.summary).value(7), QStringLiteral("1"));
    EXPECT_TRUE(summaryValues(steps.summary).value(0).startsWith(QStringLiteral("3 ")));
    EXPECT_TRUE(summaryValues(steps.summary).value(8).startsWith(steps.drawList[0]));
    // Newest first, each by its date.
    ASSERT_EQ(steps.winningDraws.size(), 2);
    for (int w = 0; w < 2; ++w) {
        EXPECT_TRUE(steps.drawList[w].endsWith(steps.winningDraws[w]));
    }
    ASSERT_EQ(steps.frequencies.size(), 46u);
    EXPECT_EQ(steps.frequencies[1], 2);
    EXPECT_EQ(steps.frequencies[40], 1);
    EXPECT_EQ(steps.frequencies[6], 1); // week 11's bonus number is not counted
    EXPECT_TRUE(steps.played.contains(22) && !steps.played.contains(40));

    EXPECT_EQ(readArchivePathFile(folder.filePath(archivePathFileName)), archive);
    EXPECT_EQ(archiveAtOpen(window).second, 3);
    QFile::remove(archive);
    const auto [line, items] = archiveAtOpen(window);
    EXPECT_TRUE(line.contains(archive)) << line.toStdString();
    EXPECT_EQ(items, 0);
    EXPECT_EQ(window.rows(), rows);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(fakes.printer.jobsEnded, 0);
}

// combiprint7 with two slips of "0 08" and skandi.csv: a week is two draws, each winning draw
// its own line, paid at the week's prizes.
TEST(DrawCheckWindowTest, CombinationPrinterChecksBothDrawsOfEveryWeek) {
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    CombinationPrinterWindow window(gameProfile(7), fakes.services());
    ASSERT_TRUE(window.load());
    CombinationSelection& selection = window.selection();
    loadKeyRows(selection, {"01 02 03 04 05 06 07 08 ", "20 21 22 23 24 25 26 27 "}, true,
                QStringLiteral(" 2"), QStringLiteral("8"));
    selection.selectSystem(int(systemTable(7).codes.indexOf(QStringLiteral("0 08"))));
    const QString archive = folder.filePath(QStringLiteral("skandi.csv"));
    writeFile(archive, "2019;8;2019.02.20.;0;0 Ft;2;1 000 000 Ft;100;20 000 Ft;3000;2 000 Ft;"
                       "1;2;3;4;5;6;30;20;21;22;23;24;33;34\n"
                       "2019;7;2019.02.13.;1;600 000 000 Ft;2;1 000 000 Ft;100;20 000 Ft;3000;"
                       "2 000 Ft;30;31;32;33;34;35;29;9;10;11;12;13;14;15\n");

    const ArchiveSteps steps = loadPickAndCheckAll(window, fakes, archive, 0);
    EXPECT_EQ(steps.boxes.mid(0, 2), QStringList({"01 02 03 04 05 06 30", "20 21 22 23 24 33 34"}));
    // Slip 1 against the machine draw: of its C(8, 7) = 8 combinations 2 hold six hits and 6
    // five; slip 2 against the hand draw: 3 hold five, 5 four.
    EXPECT_EQ(summaryValues(steps.summary).mid(1, 6),
              QStringList({"2", "0", "2", "9", "5", DrawCheckText::forints(2190000)}));
    EXPECT_TRUE(summaryValues(steps.summary).value(0).startsWith(QStringLiteral("4, 2 ")));
    ASSERT_EQ(steps.winningDraws.size(), 2);
    for (int d = 0; d < 2; ++d) {
        EXPECT_TRUE(steps.winningDraws[d].endsWith(gameProfile(7).drawNames[d].toLower()));
    }
    EXPECT_EQ(selection.rows().size(), 2);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

// "Mégse" while every draw is checked keeps nothing of that check; the next one runs to its end.
TEST(DrawCheckWindowTest, EveryDrawStoppedKeepsNothingAndRunsAgain) {
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    std::mt19937 random(5);
    QStringList rows;
    for (int r = 0; r < 20000; ++r) {
        rows << rowText(pick(numbersUpTo(45), 6, random));
    }
    writeFile(folder.filePath(QStringLiteral("kulcs.txt")), rows.join("\r\n").toLatin1());
    QByteArray lines;
    for (int l = 0; l < 3000; ++l) {
        lines += QStringLiteral("%1;%2;;0;0;0;0;0;0;0;0;0;0;")
                     .arg(2000 - l / 52)
                     .arg(1 + l % 52)
                     .toLatin1() +
                 rowText(pick(numbersUpTo(45), 6, random)).replace(' ', ';').toLatin1() + "\n";
    }
    writeFile(folder.filePath(QStringLiteral("hatos.csv")), lines);
    fakes.fileDialog.answers = {folder.filePath(QStringLiteral("kulcs.txt")),
                                folder.filePath(QStringLiteral("hatos.csv"))};
    KeyPrinterWindow window(gameProfile(6), fakes.services());
    ASSERT_TRUE(window.load());
    window.findChild<QPushButton*>(QStringLiteral("Command3D4"))->click();
    whenModal([&](QWidget* shown) {
        auto* dialog = static_cast<DrawCheckDialog*>(shown);
        dialog->findChild<QPushButton*>(QStringLiteral("LoadArchiveButton"))->click();
        auto* checkAll = dialog->findChild<QPushButton*>(QStringLiteral("CheckAllButton"));
        checkAll->click();
        EXPECT_TRUE(dialog->checkingAll());
        EXPECT_FALSE(checkAll->isEnabled());
        dialog->cancelCheckAll();
        EXPECT_FALSE(dialog->checkingAll());
        EXPECT_FALSE(dialog->allDrawsResult().has_value());
        EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("CopyButton"))->isEnabled());
        checkAll->click();
        const QDeadlineTimer deadline(std::chrono::seconds(30));
        while (dialog->checkingAll() && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        ASSERT_TRUE(dialog->allDrawsResult().has_value());
        EXPECT_EQ(dialog->allDrawsResult()->draws, 3000);
    });
    window.findChild<QPushButton*>(QStringLiteral("CheckDrawButton"))->click();
    EXPECT_EQ(window.rows(), rows);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

} // namespace
