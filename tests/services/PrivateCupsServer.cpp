#include "tests/services/PrivateCupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int toolTimeoutMs = 10000;
constexpr int startTimeoutMs = 10000;
constexpr int stopTimeoutMs = 5000;

const QStringList systemFolders = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                   QStringLiteral("/sbin"), QStringLiteral("/bin")};

QString findProgram(const QString& name) {
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(name, systemFolders) : onPath;
}

// The folder with CUPS' own helper programs (daemon/cups-exec runs every backend).
QString cupsServerBin() {
    for (const QString& folder :
         {QStringLiteral("/usr/lib/cups"), QStringLiteral("/usr/libexec/cups")}) {
        if (QFileInfo::exists(folder + QStringLiteral("/daemon/cups-exec"))) {
            return folder;
        }
    }
    return QStringLiteral("/usr/lib/cups");
}

// One folder per test process for the socket: libcups reads CUPS_SERVER once, so every server
// of the process listens at the same place.
const QTemporaryDir& socketFolder() {
    static const QTemporaryDir folder;
    return folder;
}

bool writeFile(const QString& path, const QByteArray& text, QFileDevice::Permissions permissions) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text) == text.size() && file.setPermissions(permissions);
}

// Stores the document of every job as job-<5-digit job number> in the folder its device URI
// names, written under another name first so that a counted job is complete, and the job's
// options as the scheduler hands them to the backend in options-<5-digit job number>.
const char* const storeBackend = R"(#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'direct store "Unknown" "Job store"'
    exit 0
fi
dir="${DEVICE_URI#store:}"
number=$(printf '%05d' "$1")
printf '%s\n' "$5" > "$dir/options-$number"
cat "${6:--}" > "$dir/.job-$number" && mv "$dir/.job-$number" "$dir/job-$number"
)";

bool socketAnswers(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    std::strncpy(address.sun_path, encoded.constData(), sizeof(address.sun_path) - 1);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

} // namespace

bool PrivateCupsServer::installed() {
    return !findProgram(QStringLiteral("cupsd")).isEmpty();
}

PrivateCupsServer::PrivateCupsServer() {
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

PrivateCupsServer::~PrivateCupsServer() {
    stop();
}

QString PrivateCupsServer::socketPath() const {
    return socketFolder().filePath(QStringLiteral("cups.sock"));
}

bool PrivateCupsServer::writeConfiguration() {
    const QDir root(dir_.path());
    for (const char* folder :
         {"etc", "spool/tmp", "cache", "state", "log", "lib/backend", "jobs"}) {
        if (!root.mkpath(QString::fromLatin1(folder))) {
            error_ =
                QStringLiteral("cannot make %1").arg(root.filePath(QString::fromLatin1(folder)));
            return false;
        }
    }
    const QString serverBin = cupsServerBin();
    QFile::link(serverBin + QStringLiteral("/daemon"), root.filePath(QStringLiteral("lib/daemon")));
    QFile::link(serverBin + QStringLiteral("/filter"), root.filePath(QStringLiteral("lib/filter")));

    const QByteArray d = QFile::encodeName(dir_.path());
    const QByteArray cupsd = "Listen " + QFile::encodeName(socketPath()) +
                             "\n"
                             "LogLevel warn\n"
                             "Browsing No\n"
                             "WebInterface No\n"
                             "DefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                             "</Policy>\n";
    const QByteArray files = "ServerRoot " + d + "/etc\nRequestRoot " + d + "/spool\nTempDir " + d +
                             "/spool/tmp\nCacheDir " + d + "/cache\nStateDir " + d +
                             "/state\nServerBin " + d + "/lib\nErrorLog " + d +
                             "/log/error_log\nAccessLog " + d + "/log/access_log\nPageLog " + d +
                             "/log/page_log\nPrintcap " + d + "/printcap\nSystemGroup root\n";
    const QByteArray printers = QByteArray("<DefaultPrinter ") + queue +
                                ">\nInfo Test slips\nDeviceURI store:" + d +
                                "/jobs\nState Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n";
    const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto program = readable | QFileDevice::ExeOwner;
    if (!writeFile(root.filePath(QStringLiteral("etc/cupsd.conf")), cupsd, readable) ||
        !writeFile(root.filePath(QStringLiteral("etc/cups-files.conf")), files, readable) ||
        !writeFile(root.filePath(QStringLiteral("etc/printers.conf")), printers, readable) ||
        !writeFile(root.filePath(QStringLiteral("lib/backend/store")), storeBackend, program)) {
        error_ = QStringLiteral("cannot write the configuration in %1").arg(dir_.path());
        return false;
    }
    return true;
}

bool PrivateCupsServer::start() {
    if (!dir_.isValid() || !socketFolder().isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return false;
    }
    if (cupsd_) {
        return true;
    }
    if (!writeConfiguration()) {
        return false;
    }
    cupsd_ = std::make_unique<QProcess>();
    cupsd_->setStandardOutputFile(dir_.filePath(QStringLiteral("log/cupsd.out")));
    cupsd_->setStandardErrorFile(dir_.filePath(QStringLiteral("log/cupsd.out")));
    cupsd_->start(findProgram(QStringLiteral("cupsd")),
                  {QStringLiteral("-f"), QStringLiteral("-c"),
                   dir_.filePath(QStringLiteral("etc/cupsd.conf")), QStringLiteral("-s"),
                   dir_.filePath(QStringLiteral("etc/cups-files.conf"))});
    if (!cupsd_->waitForStarted(startTimeoutMs) || !waitUntilAnswering(startTimeoutMs)) {
        error_ = QStringLiteral("cupsd did not start: %1\n%2").arg(cupsd_->errorString(), log());
        stop();
        return false;
    }
    return true;
}

bool PrivateCupsServer::waitUntilAnswering(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (cupsd_->state() != QProcess::Running) {
            return false;
        }
        if (socketAnswers(socketPath())) {
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

void PrivateCupsServer::stop() {
    if (!cupsd_) {
        return;
    }
    if (cupsd_->state() != QProcess::NotRunning) {
        cupsd_->terminate();
        if (!cupsd_->waitForFinished(stopTimeoutMs)) {
            cupsd_->kill();
            cupsd_->waitForFinished(stopTimeoutMs);
        }
    }
    cupsd_.reset();
}

bool PrivateCupsServer::run(const QString& tool, const QStringList& arguments, QString* output) {
    const QString program = findProgram(tool);
    if (program.isEmpty()) {
        error_ = QStringLiteral("%1 is not installed (Debian: cups-client)").arg(tool);
        return false;
    }
    QProcess process;
    process.start(program, QStringList{QStringLiteral("-h"), socketPath()} + arguments);
    const bool finished = process.waitForFinished(toolTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(toolTimeoutMs);
    }
    if (output) {
        *output = QString::fromUtf8(process.readAllStandardOutput());
    }
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error_ = QStringLiteral("%1 %2 failed: %3")
                     .arg(tool, arguments.join(QLatin1Char(' ')),
                          QString::fromUtf8(process.readAllStandardError()));
        return false;
    }
    return true;
}

bool PrivateCupsServer::reject(const QString& reason) {
    return run(QStringLiteral("cupsreject"),
               {QStringLiteral("-r"), reason, QString::fromLatin1(queue)});
}

bool PrivateCupsServer::accept() {
    return run(QStringLiteral("cupsaccept"), {QString::fromLatin1(queue)});
}

bool PrivateCupsServer::disable(const QString& reason) {
    return run(QStringLiteral("cupsdisable"),
               {QStringLiteral("-r"), reason, QString::fromLatin1(queue)});
}

bool PrivateCupsServer::enable() {
    return run(QStringLiteral("cupsenable"), {QString::fromLatin1(queue)});
}

bool PrivateCupsServer::removeQueue() {
    return run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QString::fromLatin1(queue)});
}

QStringList PrivateCupsServer::storedJobs() const {
    const QDir jobs(dir_.filePath(QStringLiteral("jobs")));
    QStringList names = jobs.entryList({QStringLiteral("job-*")}, QDir::Files, QDir::Name);
    for (QString& name : names) {
        name = jobs.filePath(name);
    }
    return names;
}

QStringList PrivateCupsServer::storedJobOptions() const {
    QStringList options;
    for (QString job : storedJobs()) {
        QFile file(job.replace(QStringLiteral("/job-"), QStringLiteral("/options-")));
        options << (file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    }
    return options;
}

bool PrivateCupsServer::waitForStoredJobs(int count, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (storedJobs().size() < count) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return storedJobs().size() == count;
}

int PrivateCupsServer::heldJobCount() {
    QString listing;
    if (!run(QStringLiteral("lpstat"), {QStringLiteral("-o"), QString::fromLatin1(queue)},
             &listing)) {
        return -1;
    }
    const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return int(lines.size());
}

QString PrivateCupsServer::log() const {
    QString text;
    for (const char* name : {"log/cupsd.out", "log/error_log"}) {
        QFile file(dir_.filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::ReadOnly)) {
            text += QString::fromUtf8(file.readAll());
        }
    }
    return text;
}
