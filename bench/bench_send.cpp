// rawcast-bench-send: the engine alone, for the benchmark. Sends the given files to a CUPS
// queue as one job with COutputJob and the program's CUPS spooler (the server is whatever
// libcups is configured for: CUPS_SERVER), then reports on standard output
//   bytes=N seconds=S peak_rss_kb=K
// where seconds is the time the job took inside the engine and peak_rss_kb the process's
// own peak resident set (getrusage). Exit status 0 when every file reached the spooler.
//
//   rawcast-bench-send QUEUE BLOCK_KB FILE...

#include "output/outputjob.h"
#include "output/pathlist.h"
#include "platform/globalmem.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: rawcast-bench-send QUEUE BLOCK_KB FILE...\n");
        return 2;
    }
    const QByteArray queue = argv[1];
    const DWORD blockSize = DWORD(std::strtoul(argv[2], nullptr, 10));
    CPathList list;
    for (int i = 3; i < argc; ++i)
        list.m_paths << QString::fromLocal8Bit(argv[i]);

    // The printer selection: a device-mode record headed by the queue's name.
    HGLOBAL devMode = GlobalAlloc(GHND, std::size_t(queue.size()) + 2);
    {
        CGlobalLock lock(devMode);
        std::memcpy(lock.data(), queue.constData(), std::size_t(queue.size()));
    }
    PrinterQuery query = [devMode](PRINTDLG& pd) {
        pd.hDevMode = devMode;
        return true;
    };

    CNoProgress progress;
    COutputJob job(list, blockSize, query, progress);
    QElapsedTimer timer;
    timer.start();
    const OutputResult result = job.Run();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    GlobalFree(devMode);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("bytes=%llu seconds=%.6f peak_rss_kb=%ld\n",
                static_cast<unsigned long long>(result.bytesWritten), seconds, usage.ru_maxrss);
    return result.SentWhole() ? 0 : 1;
}
