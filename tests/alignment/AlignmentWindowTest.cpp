// "Igazítás" as a player uses it in both families: the readings of a test sheet typed, then
// "Alkalmaz" (or a refusal, or "Mégse"); afterwards the window's offset boxes, the settings file
// and the status line are read.
#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "keyprint/KeyPrinterWindow.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalDialogs.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct AlignCase {
    bool keyPrinter;
    int game;
    QString settingsFile;
    QStringList readings; // A horizontal, A vertical, B horizontal, B vertical
    QString button;       // "Apply" or "Cancel"
    QString down, right;  // Text1, Text2 afterwards
    bool saved;           // the settings file written
    int messages;         // message boxes shown
};

class AlignmentWindowTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignmentWindowTest, ReadingsSetTheOffsetsAndSaveThemOnlyWhenApplied) {
    const AlignCase c = GetParam();
    QTemporaryDir folder;
    FakeServices fakes;
    fakes.program.folder = folder.path();
    std::unique_ptr<QWidget> window;
    if (c.keyPrinter) {
        auto key = std::make_unique<KeyPrinterWindow>(gameProfile(c.game), fakes.services());
        ASSERT_TRUE(key->load());
        window = std::move(key);
    } else {
        auto combination =
            std::make_unique<CombinationPrinterWindow>(gameProfile(c.game), fakes.services());
        ASSERT_TRUE(combination->load());
        window = std::move(combination);
    }
    // The offsets the sheet was printed with.
    window->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("0.5"));
    window->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("-1"));

    QString shownOffsets;
    whenModal([&](QWidget* dialog) {
        for (int i = 0; i < 4; ++i) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Reading%1").arg(i))
                ->setText(c.readings.value(i));
        }
        shownOffsets = dialog->findChild<QLabel*>(QStringLiteral("AlignmentResult"))->text();
        dialog->findChild<QPushButton*>(c.button)->click();
        if (dialog->isVisible()) {
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    window->findChild<QPushButton*>(QStringLiteral("AlignButton"))->click();

    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), c.down);
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), c.right);
    EXPECT_EQ(int(fakes.messageBox.shown.size()), c.messages);
    QFile settings(folder.filePath(c.settingsFile));
    ASSERT_EQ(settings.exists(), c.saved);
    const QString status = window->findChild<QLabel*>(QStringLiteral("StatusLine"))->toolTip();
    if (c.saved) {
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
        EXPECT_TRUE(settings.readAll().startsWith((c.down + ',' + c.right + ',').toLatin1()));
        EXPECT_TRUE(shownOffsets.startsWith(QStringLiteral("Új eltolás: lefelé ")));
        EXPECT_EQ(status, QStringLiteral("Eltolás mentve (%1): lefelé %2, jobbra %3")
                              .arg(c.settingsFile, QString(c.down).replace('.', ','),
                                   QString(c.right).replace('.', ',')));
    } else {
        EXPECT_TRUE(status.isEmpty());
    }
}

// The means of A (1,5 right, 2 up) and B (2 right, 1,5 up) added to 0.5 down, -1 right.
const QStringList sheetRead{"1,5", "-2", "2.0", "-1,5"};

INSTANTIATE_TEST_SUITE_P(
    Families, AlignmentWindowTest,
    ::testing::Values(
        AlignCase{true, 6, "beall6a.txt", sheetRead, "Apply", "-1.25", "0.75", true, 0},
        AlignCase{false, 7, "beall7k.txt", sheetRead, "Apply", "-1.25", "0.75", true, 0},
        // A alone.
        AlignCase{false, 5, "beall5k.txt", {"+3", "1"}, "Apply", "1.5", "2", true, 0},
        // One B box empty, letters, a reading beyond 150 mm: refused, nothing applied or saved.
        AlignCase{true, 5, "beall56.txt", {"1", "1", "2"}, "Apply", "0.5", "-1", false, 1},
        AlignCase{false, 6, "beall6k.txt", {"1", "x"}, "Apply", "0.5", "-1", false, 1},
        AlignCase{true, 7, "beall7a.txt", {"150.5", "0"}, "Apply", "0.5", "-1", false, 1},
        AlignCase{true, 6, "beall6a.txt", sheetRead, "Cancel", "0.5", "-1", false, 0}),
    [](const ::testing::TestParamInfo<AlignCase>& info) {
        return QStringLiteral("%1%2_%3_%4")
            .arg(info.param.keyPrinter ? "keyprint" : "combiprint")
            .arg(info.param.game)
            .arg(info.param.button)
            .arg(info.index)
            .toStdString();
    });

} // namespace
