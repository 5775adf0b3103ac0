// The programs started as a user starts them, on a private X server with a window manager that
// frames windows (openbox): the main window's frame, title bar included, is centred on the screen.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

constexpr int screenWidth = 1280;
constexpr int screenHeight = 1024;

class WindowCentringTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "openbox", "xwininfo", "xprop"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                GTEST_SKIP() << tool << " is not installed";
            }
        }
        start(server_, QStringLiteral("Xvfb"),
              {"-displayfd", "1", "-screen", "0",
               QStringLiteral("%1x%2x24").arg(screenWidth).arg(screenHeight)});
        ASSERT_TRUE(server_.waitForReadyRead(10000)) << "Xvfb did not start";
        display_ = QLatin1Char(':') + QString::fromLatin1(server_.readLine().trimmed());
        start(windowManager_, QStringLiteral("openbox"), {});
        // A user's session has its window manager running before any program starts.
        ASSERT_TRUE(waitFor([this] {
            return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
        })) << "openbox did not start";
    }

    void TearDown() override {
        for (QProcess* process : {&program_, &windowManager_, &server_}) {
            process->kill();
            process->waitForFinished();
        }
    }

    void start(QProcess& process, const QString& program, const QStringList& arguments,
               const QProcessEnvironment& extra = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        environment.insert(extra);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted()) << program.toStdString();
    }

    QString run(const char* tool, const QStringList& arguments) {
        QProcess process;
        start(process, QString::fromLatin1(tool), arguments);
        process.waitForFinished(5000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    static bool waitFor(const std::function<bool()>& done) {
        for (int attempt = 0; attempt < 100; ++attempt, QThread::msleep(100)) {
            if (done()) {
                return true;
            }
        }
        return false;
    }

    // The program's window grown by the frame extents the window manager announced; nothing
    // until the window is framed.
    std::optional<QRect> frameOf(const QString& program) {
        const QRegularExpressionMatch client =
            QRegularExpression(QStringLiteral(R"((0x[0-9a-f]+) .*\("%1" "%1"\)\s+(\d+)x(\d+)\S*)"
                                              R"(\s+\+(-?\d+)\+(-?\d+))")
                                   .arg(program))
                .match(run("xwininfo", {"-root", "-tree"}));
        const QRegularExpressionMatch e =
            QRegularExpression(QStringLiteral(R"(= (\d+), (\d+), (\d+), (\d+))"))
                .match(run("xprop", {"-id", client.captured(1), "_NET_FRAME_EXTENTS"}));
        if (!client.hasMatch() || !e.hasMatch()) {
            return std::nullopt;
        }
        const auto n = [](const QRegularExpressionMatch& m, int i) {
            return m.captured(i).toInt();
        };
        return QRect(n(client, 4) - n(e, 1), n(client, 5) - n(e, 3),
                     n(client, 2) + n(e, 1) + n(e, 2), n(client, 3) + n(e, 3) + n(e, 4));
    }

    QProcess server_;
    QProcess windowManager_;
    QProcess program_;
    QString display_;
    QTemporaryDir folder_;
};

TEST_P(WindowCentringTest, TheFrameIsCentredOnTheScreen) {
    // A portable copy of the program in a folder of its own, started as a user starts it.
    const QString name = QString::fromLatin1(GetParam());
    for (const QString& file : {name, QStringLiteral("XX.BMP")}) {
        ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(SLIP_PROGRAMS_DIR)).filePath(file),
                                folder_.filePath(file)));
    }
    QDir().mkpath(folder_.filePath(QStringLiteral("run")));
    QFile::setPermissions(folder_.filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), folder_.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.filePath(QStringLiteral("run")));
    start(program_, folder_.filePath(name), {}, environment);

    // The window is framed, and moved once more, on the window manager's time: its place is read
    // until it is centred, for ten seconds at most.
    std::optional<QRect> frame;
    const auto centred = [&] {
        frame = frameOf(name);
        return frame && std::abs(frame->left() - (screenWidth - frame->width()) / 2) <= 1 &&
               std::abs(frame->top() - (screenHeight - frame->height()) / 2) <= 1;
    };
    const bool done = waitFor(centred);
    ASSERT_TRUE(frame.has_value()) << "no framed window of " << GetParam();
    EXPECT_GT(frame->height(), 300) << "the frame holds the window";
    EXPECT_TRUE(done) << "frame at " << frame->left() << ", " << frame->top() << " of size "
                      << frame->width() << " x " << frame->height();
}

INSTANTIATE_TEST_SUITE_P(Programs, WindowCentringTest,
                         ::testing::Values("keyprint6", "combiprint7"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
