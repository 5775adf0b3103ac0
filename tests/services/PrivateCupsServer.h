#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QProcess;

// A CUPS scheduler of the test's own: cupsd in the foreground with its configuration, spool, logs
// and cache in a temporary folder, listening only on a Unix socket. It has one raw queue, the
// default destination, whose backend stores every job it prints as one file.
//
// The socket path is the same for every server of a test process and is put into CUPS_SERVER
// by the first server made, so it must be made before anything asks CUPS (libcups reads the
// variable once). LPDEST and PRINTER are cleared so that the queue is the default.
class PrivateCupsServer {
public:
    static constexpr const char* queue = "slips";

    // Whether cupsd is installed; without it the spooler tests are skipped.
    static bool installed();

    PrivateCupsServer();
    ~PrivateCupsServer(); // stops cupsd

    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Starts cupsd and waits (a few seconds at most) until it answers; false with the reason in
    // error() otherwise.
    bool start();
    // Stops cupsd and waits until it has gone; a server that does not stop is killed.
    void stop();
    QString error() const { return error_; }
    QString socketPath() const;

    // One of CUPS' command-line tools run against this server (cupsreject, lpadmin ...), with a
    // time limit; false with the reason in error() when it fails.
    bool run(const QString& tool, const QStringList& arguments, QString* output = nullptr);
    bool reject(const QString& reason);
    bool accept();
    bool disable(const QString& reason);
    bool enable();
    bool removeQueue();

    // Jobs the backend has stored, in the order of their job numbers.
    QStringList storedJobs() const;
    // The options the scheduler gave each stored job's backend ("name=value" separated by
    // blanks), in the same order.
    QStringList storedJobOptions() const;
    // Waits until the backend has stored this many jobs; false after timeoutMs.
    bool waitForStoredJobs(int count, int timeoutMs = 10000) const;
    // Jobs the queue holds and has not printed yet; -1 when the server cannot be asked.
    int heldJobCount();
    // The scheduler's error log, for failure messages.
    QString log() const;

private:
    bool writeConfiguration();
    bool waitUntilAnswering(int timeoutMs);

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> cupsd_;
    QString error_;
};
