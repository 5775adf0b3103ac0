#include "tests/install/InstalledProgram.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

InstalledProgram::InstalledProgram(const InstalledPrefix& prefix, const QString& name)
    : prefix_(prefix), name_(name),
      program_(std::make_unique<QtProgramInfo>(name, prefix.locations())) {}

void InstalledProgram::restart() {
    program_ = std::make_unique<QtProgramInfo>(name_, prefix_.locations());
}

WindowServices InstalledProgram::services() {
    return WindowServices{{fakes.messageBox, fakes.inputBox, fakes.fileDialog, fakes.busyPointer,
                           *program_, fakes.singleInstance, fakes.screen, fakes.clock},
                          fakes.printer,
                          fakes.preview};
}

QLineEdit* textBox(const QWidget& window, const QString& name) {
    return window.findChild<QLineEdit*>(name);
}

QAbstractButton* button(const QWidget& window, const QString& name) {
    return window.findChild<QAbstractButton*>(name);
}

void click(const QWidget& window, const QString& name) {
    QAbstractButton* target = button(window, name);
    ASSERT_NE(target, nullptr) << name.toStdString();
    target->click();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList readLines(const QString& path) {
    return QString::fromLatin1(readAll(path))
        .split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
}

void InstalledWindowsTest::SetUp() {
    installed_ = prefix_.installedFiles();
}

void InstalledWindowsTest::TearDown() {
    EXPECT_EQ(prefix_.installedFiles(), installed_) << "the installation must stay unchanged";
}

QString InstalledWindowsTest::userFile(int game, const QString& name) const {
    return QDir(prefix_.gameFolder(game)).filePath(name);
}
