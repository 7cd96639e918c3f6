#pragma once

#include "loopback_sink.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <sys/types.h>
#include <utility>
#include <vector>

// A private CUPS server for tests, benchmarks and demos: its own cupsd with a fresh
// ServerRoot in a temporary folder, listening only on a Unix socket in that folder (no
// web interface, no browsing, no DNS-SD, no TCP port). start() points this process's
// libcups at it (CUPS_SERVER and cupsSetServer), so the program's CUPS spooler talks to it.
//
// Its folders are traversable by user lp, as the backends run as lp. cupsd runs as a child
// of this process and dies with it; stop() (and the destructor) end and reap it and remove
// the folder (set RAWCAST_KEEP_PRIVATE_CUPS=1 to keep the folder for inspection).
class PrivateCups
{
public:
    PrivateCups();
    ~PrivateCups(); // stops everything it started
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Starts cupsd and waits until it answers; then CUPS_SERVER points at its socket for
    // this process (setenv + cupsSetServer). On failure error holds the reason and the
    // tail of the server's error log.
    bool start(QString* error = nullptr);
    void stop();
    bool isRunning() const { return m_pid > 0; }

    QString serverSocket() const; // the value put in CUPS_SERVER
    QString rootDir() const;

    // lpadmin -p NAME -E -v socket://127.0.0.1:PORT (raw, no PPD) to a new sink it owns.
    LoopbackSink* addRawQueue(const QString& name, QString* error = nullptr);
    // Any device URI, e.g. with user:password; raw, no PPD.
    bool addQueue(const QString& name, const QString& deviceUri, QString* error = nullptr);
    bool removeQueue(const QString& name);
    bool setDefault(const QString& name); // lpadmin -d

    struct JobRecord
    {
        int id;
        QString title;   // job-name
        QString format;  // document-format
        QString state;   // pending, held, processing, stopped, canceled, aborted, completed
        QString printer; // the queue's name
    };
    // Every job the server knows (IPP Get-Jobs, which-jobs=all), oldest first.
    std::vector<JobRecord> jobs();
    // No pending or processing jobs left.
    bool waitForIdle(int timeoutMs);

    // Runs lp, lpadmin, lpstat, ... with this server's CUPS_SERVER; returns its standard
    // output followed by its standard error.
    QString runTool(const QString& program, const QStringList& args, int* exitCode = nullptr);

    // Beyond the common interface.
    LoopbackSink* sink(const QString& queue) const; // the sink of a raw queue added here
    QString errorLog() const;                       // the server's error_log
    // LogLevel for the next start(): "debug" by default; benchmarks may choose "warn".
    void setLogLevel(const QString& level) { m_logLevel = level; }
    pid_t pid() const { return m_pid; }

private:
    bool writeConfig(QString* error);
    bool waitUntilAnswering(int timeoutMs, QString* error);
    QString failureText(const QString& what) const;

    QString m_root;
    QString m_socket;
    QString m_logLevel = QStringLiteral("debug");
    pid_t m_pid = -1;
    // CUPS_SERVER, LPDEST and PRINTER as they were before start(), put back by stop().
    std::vector<std::pair<bool, QByteArray>> m_savedEnvironment;
    std::map<QString, std::unique_ptr<LoopbackSink>> m_sinks;
};
