// The programs started as a user starts them, on a private X server with a window manager that
// frames windows (openbox): the main window's frame, title bar included, is centred on the screen.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

const QSize screen(1280, 1024);

bool haveTools() {
    for (const char* tool : {"Xvfb", "openbox", "xwininfo", "xprop"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            return false;
        }
    }
    return true;
}

QString run(const QString& program, const QStringList& arguments, const QString& display) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The frame of the program's top-level window: its client's place on the screen grown by the
// frame extents the window manager announced; nothing until the window is framed.
std::optional<QRect> frameOf(const QString& program, const QString& display) {
    const QString tree = run(QStringLiteral("xwininfo"), {"-root", "-tree"}, display);
    const QRegularExpression line(QStringLiteral(R"((0x[0-9a-f]+) .*\("%1" "%1"\)\s+(\d+)x(\d+)\S*\s+\+(-?\d+)\+(-?\d+))")
                                      .arg(program));
    const QRegularExpressionMatch client = line.match(tree);
    if (!client.hasMatch()) {
        return std::nullopt;
    }
    const QString extents = run(QStringLiteral("xprop"),
                                {"-id", client.captured(1), "_NET_FRAME_EXTENTS"}, display);
    const QRegularExpressionMatch e =
        QRegularExpression(QStringLiteral(R"(= (\d+), (\d+), (\d+), (\d+))")).match(extents);
    if (!e.hasMatch()) {
        return std::nullopt;
    }
    const int left = e.captured(1).toInt();
    const int right = e.captured(2).toInt();
    const int top = e.captured(3).toInt();
    const int bottom = e.captured(4).toInt();
    return QRect(client.captured(4).toInt() - left, client.captured(5).toInt() - top,
                 client.captured(2).toInt() + left + right,
                 client.captured(3).toInt() + top + bottom);
}

class WindowCentringTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!haveTools()) {
            GTEST_SKIP() << "Xvfb, openbox, xwininfo or xprop is not installed";
        }
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"),
                       QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height())});
        ASSERT_TRUE(server_.waitForReadyRead(10000)) << "Xvfb did not start";
        display_ = QLatin1Char(':') + QString::fromLatin1(server_.readLine().trimmed());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        windowManager_.setProcessEnvironment(environment);
        windowManager_.start(QStringLiteral("openbox"), {});
        ASSERT_TRUE(windowManager_.waitForStarted());
        // A user's session has its window manager running before any program starts.
        bool managing = false;
        for (int attempt = 0; attempt < 100 && !managing; ++attempt) {
            managing = run(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}, display_)
                           .contains(QStringLiteral("window id"));
            QThread::msleep(managing ? 0 : 100);
        }
        ASSERT_TRUE(managing) << "openbox did not start";
    }

    void TearDown() override {
        for (QProcess* process : {&program_, &windowManager_, &server_}) {
            process->kill();
            process->waitForFinished();
        }
    }

    // A portable copy of the program in a folder of its own, started as a user starts it.
    void startProgram(const QString& name) {
        ASSERT_TRUE(folder_.isValid());
        const QDir built(QStringLiteral(SLIP_PROGRAMS_DIR));
        for (const QString& file : {name, QStringLiteral("XX.BMP")}) {
            ASSERT_TRUE(QFile::copy(built.filePath(file), folder_.filePath(file)));
        }
        QFile::setPermissions(folder_.filePath(name), QFile::ReadOwner | QFile::ExeOwner);
        QDir().mkpath(folder_.filePath(QStringLiteral("run")));
        QFile::setPermissions(folder_.filePath(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("HOME"), folder_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.filePath(QStringLiteral("run")));
        program_.setProcessEnvironment(environment);
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(folder_.filePath(name), {});
        ASSERT_TRUE(program_.waitForStarted());
    }

    QProcess server_;
    QProcess windowManager_;
    QProcess program_;
    QString display_;
    QTemporaryDir folder_;
};

TEST_P(WindowCentringTest, TheFrameIsCentredOnTheScreen) {
    const QString name = QString::fromLatin1(GetParam());
    startProgram(name);
    // The window is framed, and moved once more, on the window manager's time: its place is
    // read until it is centred, for ten seconds at most.
    const auto centred = [](const QRect& f) {
        return std::abs(f.left() - (screen.width() - f.width()) / 2) <= 1 &&
               std::abs(f.top() - (screen.height() - f.height()) / 2) <= 1;
    };
    std::optional<QRect> frame;
    for (int attempt = 0; attempt < 100 && !(frame && centred(*frame)); ++attempt) {
        QThread::msleep(100);
        frame = frameOf(name, display_);
    }
    ASSERT_TRUE(frame.has_value()) << "no framed window of " << GetParam();
    EXPECT_GT(frame->height(), 300) << "the frame holds the window";
    EXPECT_NEAR(frame->left(), (screen.width() - frame->width()) / 2, 1);
    EXPECT_NEAR(frame->top(), (screen.height() - frame->height()) / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(Programs, WindowCentringTest,
                         ::testing::Values("keyprint6", "combiprint7"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
