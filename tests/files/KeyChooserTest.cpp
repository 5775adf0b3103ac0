#include "core/keys/KeyChooser.h"
#include "tests/support/FakeKeyListView.h"
#include "tests/support/FakeServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString tooManyRows = QStringLiteral("Maximum 32736 sorú kulcsot lehet nyomtatni !");
const QString wrongFormat = QStringLiteral("Hibás kulcs formátum !");

struct Program {
    PrinterFamily family;
    int game;
    const char* name;
};

// A key of count rows of width numbers each: "01 02 03 ...".
QByteArray keyOf(int count, int width, const QByteArray& end = "\r\n") {
    QByteArray row;
    for (int k = 1; k <= width; ++k) {
        row += (k < 10 ? "0" : "") + QByteArray::number(k) + (k < width ? " " : "");
    }
    QByteArray key;
    for (int i = 0; i < count; ++i) {
        key += row + end;
    }
    return key;
}

} // namespace

class KeyChooserTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    FakeServices fakes;
    Services services = fakes.services();

    KeyChooserTest() { fakes.program.folder = folder.path(); }

    QString writeKey(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    // Chooses a key into a window whose fields-per-slip box holds the given text; what the
    // window shows afterwards.
    static ShownKey choose(KeyChooser& chooser, const QString& fieldsPerSlip) {
        FakeKeyListView view(fieldsPerSlip);
        chooser.choose(view);
        return view.shown;
    }

    ShownKey chooseFile(KeyChooser& chooser, const QString& path,
                        const QString& fieldsPerSlip = QStringLiteral("8")) {
        fakes.fileDialog.answers.push_back(path);
        return choose(chooser, fieldsPerSlip);
    }
};

class EveryProgram : public KeyChooserTest, public ::testing::WithParamInterface<Program> {
protected:
    KeyChooser chooser{gameProfile(GetParam().game), GetParam().family, services};
    bool keyPrinter() const { return GetParam().family == PrinterFamily::Key; }
};

TEST_P(EveryProgram, DialogRequest) {
    choose(chooser, QStringLiteral("8"));
    ASSERT_EQ(fakes.fileDialog.requests.size(), 1u);
    const FileOpenRequest& request = fakes.fileDialog.requests[0];
    EXPECT_EQ(request.initialFolder, folder.path());
    EXPECT_EQ(request.presetName, QString());
    ASSERT_EQ(request.filters.size(), 2);
    EXPECT_EQ(request.filters[0].name, "Minden(*.*)");
    EXPECT_EQ(request.filters[0].pattern, "*.*");
    EXPECT_EQ(request.filters[1].name, "Text(*.txt)");
    EXPECT_EQ(request.filters[1].pattern, "*.txt");
    EXPECT_EQ(request.selectedFilter, 0);
    EXPECT_EQ(request.defaultExtension, keyPrinter() ? "txt" : "*.*");
    EXPECT_TRUE(request.cancelIsFailure);
}

TEST_P(EveryProgram, CancelKeepsTheOldCaptions) {
    const ShownKey loaded = chooseFile(chooser, writeKey("k.txt", keyOf(3, 5)));
    ASSERT_EQ(loaded.rows.size(), 3);
    EXPECT_EQ(chooser.currentFileName(), folder.filePath("k.txt"));

    const ShownKey cancelled = choose(chooser, QStringLiteral("0"));
    EXPECT_TRUE(cancelled.rows.isEmpty());
    EXPECT_EQ(cancelled.clearSelectedRowCaption,
              GetParam().family != PrinterFamily::Key || GetParam().game != 7);
    EXPECT_FALSE(cancelled.rowCountCaption.has_value());
    EXPECT_FALSE(cancelled.slipCountCaption.has_value());
    EXPECT_FALSE(cancelled.widthCaption.has_value());
    EXPECT_FALSE(cancelled.fieldsPerSlipText.has_value());
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    // The last chosen key is offered again.
    EXPECT_EQ(fakes.fileDialog.requests.back().presetName, folder.filePath("k.txt"));
    EXPECT_EQ(chooser.currentFileName(), folder.filePath("k.txt"));
}

TEST_P(EveryProgram, UnopenableKeyIsASilentCancel) {
    QDir(folder.path()).mkdir("dir.txt");
    QStringList paths{folder.filePath("dir.txt"), folder.filePath("none.txt")};
    if (QFileInfo::exists("/dev/zero")) {
        paths.append("/dev/zero"); // endless data: not a key, and no hang
    }
    for (const QString& path : paths) {
        const ShownKey choice = chooseFile(chooser, path);
        EXPECT_TRUE(choice.rows.isEmpty());
        EXPECT_FALSE(choice.rowCountCaption.has_value());
        EXPECT_FALSE(choice.widthCaption.has_value());
    }
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_P(EveryProgram, FortyThousandLinesKeepTheFirst32736Rows) {
    QByteArray key;
    for (int i = 0; i < 40000; ++i) {
        key += QByteArray::number(i) + "\r\n";
    }
    const ShownKey choice = chooseFile(chooser, writeKey("big.txt", key));
    ASSERT_EQ(choice.rows.size(), 32736);
    EXPECT_EQ(choice.rows.last(), "32735");
    EXPECT_EQ(choice.rowCountCaption, " 32736");
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, tooManyRows);
    EXPECT_EQ(fakes.messageBox.shown[0].title, "Kelvadata/2010");
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
    EXPECT_EQ(fakes.messageBox.shown[0].buttons, MessageBoxService::Buttons::Ok);
}

TEST_P(EveryProgram, ExactlyTheLimitNeedsNoMessage) {
    const ShownKey choice = chooseFile(chooser, writeKey("full.txt", keyOf(32736, 5) + "\r\n\r\n"));
    EXPECT_EQ(choice.rows.size(), 32736);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_P(EveryProgram, ReadingRuleAndBlankLines) {
    const ShownKey choice =
        chooseFile(chooser, writeKey("k.txt", "   01,02,03\n\n\"01 02 03\"\r\n  \r\n04 05\r"));
    EXPECT_EQ(choice.rows, QStringList({"01", "02", "03", "01 02 03", "04 05"}));
    EXPECT_EQ(choice.rowCountCaption, " 5");
}

TEST_P(EveryProgram, EmptyKey) {
    const ShownKey choice = chooseFile(chooser, writeKey("empty.txt", ""));
    EXPECT_TRUE(choice.rows.isEmpty());
    EXPECT_EQ(choice.rowCountCaption, " 0");
    if (keyPrinter()) {
        EXPECT_EQ(choice.slipCountCaption, " 0");
        EXPECT_EQ(choice.widthCaption, " 0t:");
    } else {
        EXPECT_FALSE(choice.slipCountCaption.has_value());
        EXPECT_EQ(choice.widthCaption, GetParam().game == 5 ? " 0" : "0");
    }
}

TEST_P(EveryProgram, WidthCheckOfTheFirstRow) {
    const int game = GetParam().game;
    // One number too many in the first row only.
    const ShownKey wide =
        chooseFile(chooser, writeKey("wide.txt", keyOf(1, game + 1) + keyOf(4, game)));
    if (keyPrinter()) {
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_EQ(fakes.messageBox.shown[0].text, wrongFormat);
        EXPECT_EQ(fakes.messageBox.shown[0].title, "LOTTO-" + QString::number(game));
        EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Critical);
        EXPECT_TRUE(wide.rows.isEmpty());
        EXPECT_EQ(wide.rowCountCaption, "");
        EXPECT_EQ(wide.slipCountCaption, "");
        EXPECT_EQ(wide.widthCaption, "");
    } else {
        EXPECT_TRUE(fakes.messageBox.shown.empty());
        EXPECT_EQ(wide.rows.size(), 5);
        const QString digits = QString::number(game + 1);
        EXPECT_EQ(wide.widthCaption, game == 5 ? " " + digits : digits);
    }
    // A first row of the game's width (later rows wider) is accepted everywhere.
    fakes.messageBox.shown.clear();
    const ShownKey fits =
        chooseFile(chooser, writeKey("fits.txt", keyOf(1, game) + keyOf(2, game + 3)));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(fits.rows.size(), 3);
    const QString width = QString::number(game);
    EXPECT_EQ(fits.widthCaption,
              keyPrinter() ? " " + width + "t:" : (game == 5 ? " " + width : width));
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryProgram,
                         ::testing::Values(Program{PrinterFamily::Key, 5, "keyprint5"},
                                           Program{PrinterFamily::Key, 6, "keyprint6"},
                                           Program{PrinterFamily::Key, 7, "keyprint7"},
                                           Program{PrinterFamily::Combination, 5, "combiprint5"},
                                           Program{PrinterFamily::Combination, 6, "combiprint6"},
                                           Program{PrinterFamily::Combination, 7, "combiprint7"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyChooserTest, KeyPrinterCounts) {
    KeyChooser chooser(gameProfile(6), PrinterFamily::Key, services);
    ShownKey choice = chooseFile(chooser, writeKey("17.txt", keyOf(17, 6)));
    EXPECT_EQ(choice.slipCountCaption, " 3");
    EXPECT_EQ(choice.rowCountCaption, " 17");
    EXPECT_EQ(choice.widthCaption, " 6t:");
    EXPECT_FALSE(choice.fieldsPerSlipText.has_value());
    choice = chooseFile(chooser, writeKey("16.txt", keyOf(16, 6)));
    EXPECT_EQ(choice.slipCountCaption, " 2");
    choice = chooseFile(chooser, folder.filePath("17.txt"), QStringLiteral("5"));
    EXPECT_EQ(choice.slipCountCaption, " 4");
}

TEST_F(KeyChooserTest, FieldsPerSlipIsClampedToTheGame) {
    const QString key = writeKey("k.txt", keyOf(17, 5));
    KeyChooser six(gameProfile(6), PrinterFamily::Key, services);
    for (const QString& fieldsPerSlip : {QStringLiteral("0"), QString(), QStringLiteral("9")}) {
        const ShownKey choice = chooseFile(six, key, fieldsPerSlip);
        EXPECT_EQ(choice.fieldsPerSlipText, "8") << fieldsPerSlip.toStdString();
        EXPECT_EQ(choice.slipCountCaption, " 3");
    }
    KeyChooser five(gameProfile(5), PrinterFamily::Key, services);
    EXPECT_EQ(chooseFile(five, key, QStringLiteral("7")).fieldsPerSlipText, "6");
    KeyChooser seven(gameProfile(7), PrinterFamily::Key, services);
    EXPECT_FALSE(chooseFile(seven, key, QStringLiteral("10")).fieldsPerSlipText.has_value());
    EXPECT_EQ(chooseFile(seven, key, QStringLiteral("11")).fieldsPerSlipText, "10");
    KeyChooser combination(gameProfile(6), PrinterFamily::Combination, services);
    EXPECT_FALSE(chooseFile(combination, key, QStringLiteral("0")).fieldsPerSlipText.has_value());
}

TEST_F(KeyChooserTest, LooseRowsAreMeasuredAsWritten) {
    KeyChooser five(gameProfile(5), PrinterFamily::Key, services);
    // One-digit numbers: width 4, accepted by the 5-number game.
    ShownKey choice = chooseFile(five, writeKey("loose.txt", "1 2 3 4 5 6\r\n"));
    EXPECT_EQ(choice.rows, QStringList({"1 2 3 4 5 6"}));
    EXPECT_EQ(choice.widthCaption, " 4t:");
    // Leading blanks are dropped by the reading rule before the width is measured.
    choice = chooseFile(five, writeKey("lead.txt", "      01 02 03 04 05\r\n"));
    EXPECT_EQ(choice.widthCaption, " 5t:");
    EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(KeyChooserTest, LastFolderFilePresetsTheDialog) {
    KeyChooser chooser(gameProfile(6), PrinterFamily::Key, services);
    const QString last = folder.filePath("filenev.txt");
    writeKey("filenev.txt", "C:\\KULCS\\hatos.txt\r\n");
    choose(chooser, QStringLiteral("8"));
    EXPECT_EQ(fakes.fileDialog.requests.back().initialFolder, "C:\\KULCS\\");
    EXPECT_EQ(fakes.fileDialog.requests.back().presetName, "hatos.txt");
    EXPECT_EQ(chooser.currentFileName(), "hatos.txt");

    writeKey("filenev.txt", "hatos.txt");
    choose(chooser, QStringLiteral("8"));
    EXPECT_EQ(fakes.fileDialog.requests.back().initialFolder, folder.path());
    EXPECT_EQ(fakes.fileDialog.requests.back().presetName, "hatos.txt");

    // Without the file the dialog opens in the program folder with the last chosen key.
    const QString key = writeKey("k.txt", keyOf(2, 6));
    chooseFile(chooser, key);
    QFile::remove(last);
    choose(chooser, QStringLiteral("8"));
    EXPECT_EQ(fakes.fileDialog.requests.back().initialFolder, folder.path());
    EXPECT_EQ(fakes.fileDialog.requests.back().presetName, key);
}

TEST_F(KeyChooserTest, HostileContentLoads) {
    KeyChooser chooser(gameProfile(7), PrinterFamily::Combination, services);
    QByteArray binary;
    for (int i = 0; i < 300000; ++i) {
        binary += char((unsigned(i) * 7919u) % 256u);
    }
    ShownKey choice = chooseFile(chooser, writeKey("bin.dat", binary));
    EXPECT_FALSE(choice.rows.isEmpty());
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    // A line of several megabytes and no line end.
    choice = chooseFile(chooser, writeKey("long.txt", QByteArray(4 << 20, '1')));
    ASSERT_EQ(choice.rows.size(), 1);
    EXPECT_EQ(choice.rows[0].size(), 4 << 20);
    EXPECT_EQ(choice.widthCaption, QString::number(((4 << 20) + 1) / 3));
}

TEST_F(KeyChooserTest, TabsCountInTheWidthOfTheFirstRow) {
    KeyChooser six(gameProfile(6), PrinterFamily::Key, services);
    // Three tabs after six numbers: width 7, one too many for the 6-number game.
    for (const QByteArray& first :
         {QByteArray("01 02 03 04 05 06\t\t\t"), QByteArray("\t\t\t01 02 03 04 05 06")}) {
        fakes.messageBox.shown.clear();
        const ShownKey choice = chooseFile(six, writeKey("tabs.txt", first + "\r\n" + keyOf(3, 6)));
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u) << first.toStdString();
        EXPECT_EQ(fakes.messageBox.shown[0].text, wrongFormat);
        EXPECT_EQ(fakes.messageBox.shown[0].title, "LOTTO-6");
        EXPECT_TRUE(choice.rows.isEmpty());
        EXPECT_EQ(choice.widthCaption, "");
    }
    // In a combination printer the row is kept as written and shows width 7.
    KeyChooser combination(gameProfile(6), PrinterFamily::Combination, services);
    fakes.messageBox.shown.clear();
    const ShownKey kept =
        chooseFile(combination, writeKey("tabs.txt", "\t\t\t01 02 03 04 05 06 \r\n"));
    EXPECT_TRUE(fakes.messageBox.shown.empty());
    EXPECT_EQ(kept.rows, QStringList({"\t\t\t01 02 03 04 05 06 "}));
    EXPECT_EQ(kept.widthCaption, "7");
}

// Choosing a key changes the window in the order the user sees it: the list is emptied before
// the dialog opens, the row-limit message shows with the rows read so far in the list, and the
// format message shows with the new counts already in place; the list is emptied after it.
class KeyChoosingOrder : public KeyChooserTest {
protected:
    QStringList timeline(KeyChooser& chooser, const QString& path) {
        FakeKeyListView view(QStringLiteral("8"));
        fakes.fileDialog.answers.push_back(path);
        fakes.fileDialog.whileOpen = [&view] { view.calls << QStringLiteral("dialog"); };
        fakes.messageBox.whileShown = [&view](const FakeMessageBox::Shown& shown) {
            view.calls << QStringLiteral("message ") + shown.text;
        };
        chooser.choose(view);
        return view.calls;
    }
};

TEST_F(KeyChoosingOrder, ListAndCaptionClearedBeforeTheDialog) {
    KeyChooser six(gameProfile(6), PrinterFamily::Key, services);
    EXPECT_EQ(timeline(six, writeKey("k.txt", keyOf(2, 6))),
              QStringList({"rows 0", "clear Label7", "dialog", "rows 2", "slip count  1",
                           "row count  2", "width  6t:"}));
    KeyChooser seven(gameProfile(7), PrinterFamily::Key, services);
    EXPECT_EQ(timeline(seven, folder.filePath("none.txt")), QStringList({"rows 0", "dialog"}));
}

TEST_F(KeyChoosingOrder, RowLimitMessageShowsWithTheRowsInTheList) {
    KeyChooser chooser(gameProfile(6), PrinterFamily::Combination, services);
    QByteArray key;
    for (int i = 0; i < 32800; ++i) {
        key += "01 02\r\n";
    }
    const QStringList calls = timeline(chooser, writeKey("big.txt", key));
    ASSERT_GE(calls.size(), 5);
    EXPECT_EQ(calls.mid(2, 3), QStringList({"dialog", "rows 32736", "message " + tooManyRows}));
}

TEST_F(KeyChoosingOrder, FormatMessageShowsAfterTheNewCounts) {
    KeyChooser six(gameProfile(6), PrinterFamily::Key, services);
    EXPECT_EQ(timeline(six, writeKey("wide.txt", keyOf(3, 7))),
              QStringList({"rows 0", "clear Label7", "dialog", "rows 3", "slip count  1",
                           "row count  3", "width  7t:", "message " + wrongFormat, "rows 0",
                           "row count ", "slip count ", "width "}));
}
