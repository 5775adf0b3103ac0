#pragma once

#include "services/QtProgramInfo.h"
#include "tests/install/InstalledPrefix.h"
#include "tests/support/FakeServices.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// One program of an installed copy: its real QtProgramInfo on the prefix's folders with fakes for
// every other service. restart() decides the folders anew, as the next start of the program does.
class InstalledProgram {
public:
    InstalledProgram(const InstalledPrefix& prefix, const QString& name);
    void restart();
    WindowServices services();

    FakeServices fakes;

private:
    const InstalledPrefix& prefix_;
    QString name_;
    std::unique_ptr<QtProgramInfo> program_;
};

// Window controls by their object names.
QLineEdit* textBox(const QWidget& window, const QString& name);
QAbstractButton* button(const QWidget& window, const QString& name);
void click(const QWidget& window, const QString& name);

QByteArray readAll(const QString& path);
// The lines of a text file, without their line ends.
QStringList readLines(const QString& path);

// Checks at the end of a test that nothing was written into the installation.
class InstalledWindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString userFile(int game, const QString& name) const;

    InstalledPrefix prefix_;
    QStringList installed_;
};
