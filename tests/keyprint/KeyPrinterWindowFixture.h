#pragma once

#include "core/base/GameProfile.h"
#include "keyprint/KeyPrinterWindow.h"
#include "tests/support/FakeServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A key printer window of the game under test, built on fake services with a real temporary
// program folder.
class KeyPrinterWindowTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override;

    int game() const { return GetParam(); }
    const GameProfile& profile() const { return gameProfile(game()); }
    QString programName() const { return QStringLiteral("keyprint%1").arg(game()); }
    int maxFields() const;

    // A new window on the same services and folder, after the load handler.
    std::unique_ptr<KeyPrinterWindow> openWindow();

    // Writes a key file into the program folder and loads it through "Kulcs választás".
    QString writeKey(const QStringList& lines, const QString& name = QStringLiteral("kulcs.txt"));
    void loadKey(const QStringList& lines);
    // n well-formed rows of the game: row r holds r mod N + 1 and the next K - 1 numbers.
    QStringList keyRows(int n) const;

    QLineEdit* text(const char* name) const;
    QLabel* label(const QString& name) const;
    QAbstractButton* button(const QString& name) const;
    QListView* list1() const;
    void click(const QString& name) const;
    void selectRow(int row) const;

    QTemporaryDir folder_;
    FakeServices fake_;
    std::unique_ptr<KeyPrinterWindow> window_;
};

// Instantiates a parameterised suite over keyprint5, keyprint6 and keyprint7.
#define INSTANTIATE_FOR_KEY_PRINTERS(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(KeyPrinters, suite, ::testing::Values(5, 6, 7),                       \
                             [](const ::testing::TestParamInfo<int>& info) {                       \
                                 return "keyprint" + std::to_string(info.param);                   \
                             })
