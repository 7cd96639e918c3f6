// rawcast-private-cups: a demo printer. Starts a private CUPS with one raw queue whose
// every job is written as a file into a folder, makes that queue the server's default,
// prints how to reach it and runs until SIGINT or SIGTERM.
//
//   rawcast-private-cups [--queue NAME] [--jobs DIR] [--pidfile FILE]
//
// Standard output gets three lines a shell can eval:
//   CUPS_SERVER=/tmp/rawcast-cups-XXXXXX/cups.sock
//   RAWCAST_QUEUE=rawcast-demo
//   RAWCAST_JOBS=/path/to/jobs
// The pid file, if asked for, is written once the server answers, and removed at the end.

#include "private_cups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

int usage(FILE* out)
{
    std::fprintf(out, "usage: rawcast-private-cups [--queue NAME] [--jobs DIR] [--pidfile FILE]\n"
                      "  --queue NAME    name of the raw queue (default rawcast-demo)\n"
                      "  --jobs DIR      folder the jobs are written into as job-0001.prn, ...\n"
                      "                  (default ./rawcast-jobs)\n"
                      "  --pidfile FILE  write this process's id there once the server answers\n"
                      "Runs until SIGINT (Ctrl+C) or SIGTERM.\n");
    return out == stderr ? 2 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QString queue = QStringLiteral("rawcast-demo");
    QString jobsDir = QStringLiteral("rawcast-jobs");
    QString pidFile;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* v = nullptr;
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h"))
            return usage(stdout);
        else if (!std::strcmp(arg, "--queue") && (v = value()))
            queue = QString::fromLocal8Bit(v);
        else if (!std::strcmp(arg, "--jobs") && (v = value()))
            jobsDir = QString::fromLocal8Bit(v);
        else if (!std::strcmp(arg, "--pidfile") && (v = value()))
            pidFile = QString::fromLocal8Bit(v);
        else
            return usage(stderr);
    }

    // The stopSignals are taken by sigwait below; block them before any thread starts.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    if (!QDir().mkpath(jobsDir)) {
        std::fprintf(stderr, "rawcast-private-cups: cannot create %s\n", qPrintable(jobsDir));
        return 1;
    }
    jobsDir = QFileInfo(jobsDir).absoluteFilePath();

    PrivateCups cups;
    QString error;
    if (!cups.start(&error)) {
        std::fprintf(stderr, "rawcast-private-cups: %s\n", qPrintable(error));
        return 1;
    }
    LoopbackSink* sink = cups.addRawQueue(queue, &error);
    if (!sink) {
        std::fprintf(stderr, "rawcast-private-cups: %s\n", qPrintable(error));
        return 1;
    }
    sink->setOutputDir(jobsDir);
    sink->setKeepLimit(0);
    sink->setHashing(false);
    if (!cups.setDefault(queue)) {
        std::fprintf(stderr, "rawcast-private-cups: cannot make %s the default\n",
                     qPrintable(queue));
        return 1;
    }

    std::printf("CUPS_SERVER=%s\nRAWCAST_QUEUE=%s\nRAWCAST_JOBS=%s\n",
                qPrintable(cups.serverSocket()), qPrintable(queue), qPrintable(jobsDir));
    std::fflush(stdout);
    std::fprintf(stderr,
                 "rawcast-private-cups: queue %s (default) on %s, jobs into %s; "
                 "stop with Ctrl+C or kill %d\n",
                 qPrintable(queue), qPrintable(cups.serverSocket()), qPrintable(jobsDir),
                 int(getpid()));
    if (!pidFile.isEmpty()) {
        QFile file(pidFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(QByteArray::number(qint64(getpid())) + '\n') < 0) {
            std::fprintf(stderr, "rawcast-private-cups: cannot write %s\n", qPrintable(pidFile));
            return 1;
        }
    }

    std::size_t reported = 0;
    for (;;) {
        const timespec halfSecond{0, 500 * 1000 * 1000};
        const int caught = sigtimedwait(&stopSignals, nullptr, &halfSecond);
        const auto jobs = sink->jobs();
        for (; reported < jobs.size(); ++reported)
            std::fprintf(stderr, "rawcast-private-cups: job %zu: %lld bytes -> job-%04zu.prn\n",
                         reported + 1, static_cast<long long>(jobs[reported].size), reported + 1);
        if (caught > 0)
            break;
        if (!cups.isRunning())
            break;
    }
    cups.stop();
    if (!pidFile.isEmpty())
        QFile::remove(pidFile);
    return 0;
}
