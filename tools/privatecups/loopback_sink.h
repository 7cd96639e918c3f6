#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// A stand-in printer: a TCP listener on 127.0.0.1 with an ephemeral port, which a raw CUPS
// queue's socket:// backend delivers to. One connection is one job; a job is complete when
// its connection has closed. The listener runs on a thread of its own, so it receives while
// the caller's thread is busy (or blocked in a spooler call).
class LoopbackSink
{
public:
    struct Job
    {
        qint64 size = 0;   // every byte the connection carried
        QByteArray sha256; // raw digest (32 bytes) of those bytes; empty when hashing is off
        QByteArray data;   // the first keepLimit bytes
    };

    // Starts listening at once; isListening() tells whether that worked.
    LoopbackSink();
    ~LoopbackSink();
    LoopbackSink(const LoopbackSink&) = delete;
    LoopbackSink& operator=(const LoopbackSink&) = delete;

    // Listens if not yet listening; false (with a reason) when binding fails.
    bool start(QString* error = nullptr);
    bool isListening() const { return m_listenFd >= 0; }

    quint16 port() const { return m_port; }
    std::vector<Job> jobs() const;              // connections that have closed, in order
    bool waitForJobs(int count, int timeoutMs); // true when at least count jobs have closed
    void setKeepLimit(qint64 bytes);            // default 64 MiB
    void setOutputDir(const QString& dir);      // also write each job as a file (job-0001.prn, ...)

    // Beyond the common interface.
    void setHashing(bool on);                       // default on; off saves CPU in benchmarks
    qint64 bytesReceived() const;                   // over all connections, open ones included
    bool waitForBytes(qint64 total, int timeoutMs); // true when bytesReceived() >= total
    int openConnections() const;
    void clear(); // forgets the closed jobs and the byte count

private:
    struct Connection;
    void run();
    bool receive(Connection& connection); // false when the connection has ended

    int m_listenFd = -1;
    int m_wakeFd = -1;
    quint16 m_port = 0;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Job> m_jobs;
    qint64 m_bytes = 0;
    int m_open = 0;
    int m_accepted = 0;
    qint64 m_keepLimit = 64ll << 20;
    bool m_hashing = true;
    QString m_outputDir;
    bool m_stopping = false;
};
