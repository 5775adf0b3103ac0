// Drives the real main window of keyprint6 or combiprint6 through one print run, with the
// program's own services (folders, single instance, print device), so that the same run on
// Linux and on Windows leaves two PDFs whose marks can be compared:
//
//   pdf_runs <folder> key <rows>   keyprint6 loads a key of <rows> rows and fills its slips
//   pdf_runs <folder> full <n>     combiprint6 converts a full combination of n numbers and
//                                  prints every entry ("T. kombi nyomtatása")
//
// <folder> stands for the executables' folder of a portable copy: it holds the data files and
// portable.txt, and receives the game folder and the PDF. The machine must show no printer.
// Messages the window shows are written to stderr; a critical one fails the run. The path of
// the PDF is the last line written to stdout.

#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "keyprint/KeyPrinterWindow.h"
#include "services/QtServices.h"
#include "services/QtTranslation.h"
#include "services/SlipFaces.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

class LoggedMessages : public MessageBoxService {
public:
    int critical = 0;
    Result show(const QString& text, Icon icon, Buttons, const QString&) override {
        critical += icon == Icon::Critical;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Result::Ok;
    }
};

class ChosenFile : public FileDialogService {
public:
    QString path;
    std::optional<QString> openFile(const FileOpenRequest&) override { return path; }
    std::optional<QString> saveFile(const FileOpenRequest&) override { return std::nullopt; }
};

// Runs `action` on the next modal window once it shows, then closes it if still open.
void whenModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            if (modal->isVisible()) {
                modal->close();
            }
        }
    });
    timer->start();
}

bool click(QWidget* window, const QString& name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    if (!button) {
        std::fprintf(stderr, "no button %s\n", qPrintable(name));
        return false;
    }
    button->click();
    return true;
}

// A key of `count` rows of six different numbers of 45, the same on every system.
QString writeKey(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    quint32 state = 20240601;
    for (int r = 0; r < count; ++r) {
        quint64 used = 0;
        QStringList numbers;
        while (numbers.size() < 6) {
            state = state * 1664525u + 1013904223u;
            const int n = int((state >> 8) % 45) + 1;
            if (!(used & (quint64(1) << n))) {
                used |= quint64(1) << n;
                numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            }
        }
        file.write(numbers.join(QLatin1Char(' ')).toLatin1() + "\r\n");
    }
    return path;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || (args[2] != QLatin1String("key") && args[2] != QLatin1String("full"))) {
        std::fprintf(stderr, "usage: pdf_runs <folder> key <rows> | full <n>\n");
        return 2;
    }
    installHungarianQtTexts(app);
    provideMissingFaces(QApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QString folder = QDir(args[1]).absolutePath();
    const bool key = args[2] == QLatin1String("key");
    const int amount = args[3].toInt();
    const QString program = key ? QStringLiteral("keyprint6") : QStringLiteral("combiprint6");
    const QStringList before = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);

    ProgramLocations locations{folder, folder + QStringLiteral("/user"),
                               folder + QStringLiteral("/documents")};
    QtServices platform(program, locations);
    const WindowServices real = platform.services();
    LoggedMessages messages;
    ChosenFile keyFile;
    const WindowServices services{{messages, real.inputBox, keyFile, real.busyPointer, real.program,
                                   real.singleInstance, real.screen, real.clock},
                                  real.printer,
                                  real.preview};

    bool ran = false;
    if (key) {
        keyFile.path = writeKey(QDir(folder).filePath(QStringLiteral("kulcs.txt")), amount);
        KeyPrinterWindow window(gameProfile(6), services);
        platform.setMainWindow(&window);
        ran = !keyFile.path.isEmpty() && window.load();
        window.show();
        ran = ran && click(&window, QStringLiteral("Command3D4")) &&
              click(&window, QStringLiteral("Command3D1"));
    } else {
        CombinationPrinterWindow window(gameProfile(6), services);
        platform.setMainWindow(&window);
        ran = window.load();
        window.show();
        bool converted = false;
        whenModal([&](QWidget* form2) {
            // Every third number from 2, then the lowest unused: scattered numbers.
            QList<int> chosen;
            for (int n = 2; n <= 45 && chosen.size() < amount; n += 3) {
                chosen << n;
            }
            for (int n = 1; chosen.size() < amount; ++n) {
                if (!chosen.contains(n)) {
                    chosen << n;
                }
            }
            bool ok = click(form2, QStringLiteral("Option1(%1)").arg(amount - 13));
            for (int n : chosen) {
                ok = ok && click(form2, QStringLiteral("Command3D5(%1)").arg(n));
            }
            converted = ok && click(form2, QStringLiteral("SSCommand3"));
        });
        ran = ran && click(&window, QStringLiteral("SSCommand1")) && converted &&
              click(&window, QStringLiteral("SSCommand4"));
    }

    QStringList written = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QString& old : before) {
        written.removeAll(old);
    }
    if (!ran || messages.critical > 0 || written.size() != 1) {
        std::fprintf(stderr, "%s: the run failed (%d critical messages, %lld new PDFs)\n",
                     qPrintable(program), messages.critical, qlonglong(written.size()));
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir(folder).filePath(written.front())));
    return 0;
}
