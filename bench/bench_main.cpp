// rawcast-bench: the raw output engine against `lp -o raw` on a private CUPS.
//
// One private cupsd (tools/privatecups) with one raw queue to a loopback sink. The same
// files (1 GiB by default, mixed sizes: a few large, some medium, many small) are sent
//   (a) by the engine, COutputJob with the CUPS spooler, in a child process
//       (rawcast-bench-send), at block sizes 1, 10 and 64 KB, and
//   (b) by one `lp -o raw -d QUEUE file...` call with all the files (one job).
// Each run is timed from its start until the sink has received every byte of that job,
// so both include cupsd's spooling and the socket backend. The engine's child reports its
// own peak RSS; it is measured for the full set and for a small one (1 MiB), to show that
// the engine's memory does not grow with the size of the files.
//
//   rawcast-bench [--total-mib N] [--runs N] [--blocks 1,10,64] [--verify] [--keep DIR]
//                 [--log-level LEVEL]

#include "private_cups.h"
#include "sha256.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <random>
#include <sys/utsname.h>
#include <unistd.h>

#ifndef RAWCAST_BENCH_SEND
#define RAWCAST_BENCH_SEND "rawcast-bench-send"
#endif

namespace {

const QString kQueue = QStringLiteral("rawcast-bench");

struct FileSet
{
    QStringList paths;
    qint64 total = 0;
    QByteArray sha256; // of all files back to back, when verifying
    int large = 0, medium = 0, small = 0;
};

struct Run
{
    double delivered = 0; // start until the sink had every byte
    double submitted = 0; // start until the sender was done (the engine's Run(), or lp)
    long peakRssKb = 0;   // the engine's child only
};

[[noreturn]] void die(const QString& what)
{
    std::fprintf(stderr, "rawcast-bench: %s\n", qPrintable(what));
    std::exit(1);
}

// Writes one file of a pattern that differs per file and per MiB.
void writeFile(const QString& path, qint64 size, quint32 seed, Sha256* hash)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        die(QStringLiteral("cannot write %1").arg(path));
    static QByteArray chunk = [] {
        QByteArray bytes(1 << 20, Qt::Uninitialized);
        std::mt19937 random(12345);
        for (auto& b : bytes)
            b = char(random());
        return bytes;
    }();
    for (qint64 done = 0, index = 0; done < size; ++index) {
        const quint64 stamp = (quint64(seed) << 32) | quint64(index);
        std::memcpy(chunk.data(), &stamp, sizeof stamp);
        const qint64 n = std::min<qint64>(chunk.size(), size - done);
        if (out.write(chunk.constData(), n) != n)
            die(QStringLiteral("cannot write %1").arg(path));
        if (hash)
            hash->add(QByteArrayView(chunk.constData(), n));
        done += n;
    }
}

// total bytes as 3 large files (56 %), 16 medium ones (37.5 %) and `small` small ones
// (6.25 %; at 1 GiB and 600 of them, 760 bytes to 724 KiB each).
FileSet makeFiles(const QString& dir, qint64 total, int smallCount, bool verify)
{
    FileSet set;
    std::vector<qint64> sizes;
    for (double share : {0.25, 0.1875, 0.125})
        sizes.push_back(qint64(double(total) * share));
    set.large = 3;
    for (int i = 0; i < 16; ++i)
        sizes.push_back(qint64(double(total) * 0.375 / 16));
    set.medium = 16;
    qint64 used = 0;
    for (qint64 s : sizes)
        used += s;
    const qint64 rest = total - used;
    // Small files of varied size whose sizes add up to the rest exactly.
    std::mt19937 random(4711);
    std::vector<double> weights(std::size_t(std::max(smallCount, 0)));
    double sum = 0;
    for (auto& w : weights) {
        w = std::pow(2.0, std::uniform_real_distribution<double>(0, 10)(random));
        sum += w;
    }
    qint64 given = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        qint64 s = i + 1 == weights.size()
                       ? rest - given
                       : std::max<qint64>(1, qint64(double(rest) * weights[i] / sum));
        s = std::max<qint64>(s, 0);
        sizes.push_back(s);
        given += s;
    }
    set.small = int(weights.size());
    // Large and small files interleaved, as a real list would be.
    std::shuffle(sizes.begin() + 3, sizes.end(), random);

    Sha256 hash;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QString path =
            QDir(dir).filePath(QStringLiteral("f%1.bin").arg(i, 4, 10, QLatin1Char('0')));
        writeFile(path, sizes[i], quint32(i + 1), verify ? &hash : nullptr);
        set.paths << path;
        set.total += sizes[i];
    }
    if (verify)
        set.sha256 = hash.result();
    return set;
}

// The whole set as one file, for lp's single-document row.
FileSet joinFiles(const FileSet& set, const QString& path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        die(QStringLiteral("cannot write %1").arg(path));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (const QString& name : set.paths) {
        QFile in(name);
        if (!in.open(QIODevice::ReadOnly))
            die(QStringLiteral("cannot read %1").arg(name));
        for (qint64 n; (n = in.read(buffer.data(), buffer.size())) > 0;)
            if (out.write(buffer.constData(), n) != n)
                die(QStringLiteral("cannot write %1").arg(path));
    }
    FileSet joined = set;
    joined.paths = {path};
    return joined;
}

QString programPath()
{
    return QFile::decodeName(QByteArray(RAWCAST_BENCH_SEND));
}

// Runs one job (engine when block > 0, else lp) and times it.
Run runOnce(PrivateCups& cups, LoopbackSink& sink, const FileSet& set, int block, bool verify)
{
    sink.clear();
    QProcess process;
    QStringList args;
    QString program;
    if (block > 0) {
        program = programPath();
        args << kQueue << QString::number(block) << set.paths;
    } else {
        program = QStringLiteral("lp");
        args << QStringLiteral("-o") << QStringLiteral("raw") << QStringLiteral("-d") << kQueue
             << set.paths;
    }
    process.setProgram(program);
    process.setArguments(args);
    process.setProcessChannelMode(QProcess::SeparateChannels);

    Run run;
    QElapsedTimer timer;
    timer.start();
    process.start();
    if (!process.waitForStarted(10000))
        die(QStringLiteral("cannot start %1: %2").arg(program, process.errorString()));
    // Both ends are watched in turn, a few milliseconds each: the sender's exit and the
    // sink's byte count.
    double exited = -1;
    while (run.delivered == 0 || exited < 0) {
        if (exited < 0 && process.waitForFinished(2))
            exited = double(timer.nsecsElapsed()) / 1e9;
        if (exited >= 0 && process.exitCode() != 0 && run.delivered == 0)
            break;
        if (run.delivered == 0 && sink.waitForBytes(set.total, exited < 0 ? 3 : 600000))
            run.delivered = double(timer.nsecsElapsed()) / 1e9;
        if (exited >= 0 && run.delivered == 0)
            die(QStringLiteral("the sink received %1 of %2 bytes\n%3")
                    .arg(sink.bytesReceived())
                    .arg(set.total)
                    .arg(cups.errorLog().right(4000)));
        if (timer.elapsed() > 900000)
            die(QStringLiteral("%1 did not finish").arg(program));
    }
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        die(QStringLiteral("%1 failed: %2 %3")
                .arg(program, QString::fromLocal8Bit(out),
                     QString::fromLocal8Bit(process.readAllStandardError())));
    if (block > 0) {
        for (const QByteArray& field : out.trimmed().split(' ')) {
            if (field.startsWith("seconds="))
                run.submitted = field.mid(8).toDouble();
            else if (field.startsWith("peak_rss_kb="))
                run.peakRssKb = field.mid(12).toLong();
        }
    } else {
        run.submitted = exited;
    }
    if (!sink.waitForJobs(1, 60000))
        die(QStringLiteral("the job's connection did not close"));
    const auto jobs = sink.jobs();
    qint64 total = 0;
    for (const auto& job : jobs)
        total += job.size;
    if (jobs.size() != 1 || total != set.total)
        die(QStringLiteral("expected one connection of %1 bytes, got %2 of %3 in all")
                .arg(set.total)
                .arg(jobs.size())
                .arg(total));
    if (verify && jobs[0].sha256 != set.sha256)
        die(QStringLiteral("the bytes that arrived differ from the files (SHA-256)"));
    if (!cups.waitForIdle(60000))
        die(QStringLiteral("the server did not become idle"));
    return run;
}

QString modeName(int mode)
{
    if (mode > 0)
        return QStringLiteral("engine %1 KB").arg(mode);
    return mode == 0 ? QStringLiteral("lp -o raw") : QStringLiteral("lp -o raw, 1 file");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString cpuModel()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : info.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
        }
    }
    return QStringLiteral("unknown CPU");
}

} // namespace

int main(int argc, char** argv)
{
    qint64 totalMib = 1024;
    int runs = 3;
    std::vector<int> blocks = {1, 10, 64};
    bool verify = false;
    QString keep;
    QString logLevel = QStringLiteral("info");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        auto next = [&]() -> QByteArray {
            if (i + 1 >= argc)
                die(QStringLiteral("%1 needs a value").arg(QString::fromLatin1(arg)));
            return argv[++i];
        };
        if (arg == "--total-mib")
            totalMib = next().toLongLong();
        else if (arg == "--runs")
            runs = std::max(1, next().toInt());
        else if (arg == "--blocks") {
            blocks.clear();
            for (const QByteArray& b : next().split(','))
                blocks.push_back(b.toInt());
        } else if (arg == "--verify")
            verify = true;
        else if (arg == "--keep")
            keep = QString::fromLocal8Bit(next());
        else if (arg == "--log-level")
            logLevel = QString::fromLatin1(next());
        else {
            std::fprintf(stderr,
                         "usage: rawcast-bench [--total-mib N] [--runs N] [--blocks 1,10,64] "
                         "[--verify] [--keep DIR] [--log-level LEVEL]\n");
            return 2;
        }
    }
    if (totalMib <= 0 || blocks.empty())
        die(QStringLiteral("nothing to do"));

    QTemporaryDir temp;
    const QString dir = keep.isEmpty() ? temp.path() : keep;
    QDir().mkpath(dir + QStringLiteral("/big"));
    QDir().mkpath(dir + QStringLiteral("/small"));

    std::printf("Generating %lld MiB of files in %s ...\n", static_cast<long long>(totalMib),
                qPrintable(dir));
    std::fflush(stdout);
    const FileSet big = makeFiles(dir + QStringLiteral("/big"), totalMib << 20, 600, verify);
    const FileSet small = makeFiles(dir + QStringLiteral("/small"), 1 << 20, 16, verify);
    const FileSet joined = joinFiles(big, dir + QStringLiteral("/joined.bin"));

    PrivateCups cups;
    cups.setLogLevel(logLevel);
    QString error;
    if (!cups.start(&error))
        die(error);
    LoopbackSink* sink = cups.addRawQueue(kQueue, &error);
    if (!sink)
        die(error);
    sink->setKeepLimit(0);
    sink->setHashing(verify);

    // Warm-up: one small job each way, so the first timed run pays no start-up cost.
    runOnce(cups, *sink, small, 10, verify);
    runOnce(cups, *sink, small, 0, verify);

    // The modes: each engine block size, lp (0) and, for reference, lp with the files joined
    // into one (-1: one document, so no per-document filter in cupsd). The order alternates
    // between runs so that no mode always comes first.
    std::vector<int> modes = blocks;
    modes.push_back(0);
    modes.push_back(-1);
    std::map<int, std::vector<Run>> results;
    for (int r = 0; r < runs; ++r) {
        std::vector<int> order = modes;
        if (r % 2)
            std::reverse(order.begin(), order.end());
        for (int mode : order) {
            const Run run =
                runOnce(cups, *sink, mode < 0 ? joined : big, std::max(mode, 0), verify);
            results[mode].push_back(run);
            std::printf("  run %d  %-20s %8.1f MB/s  (%.2f s to the sink, %.2f s to submit)\n",
                        r + 1, qPrintable(modeName(mode)), double(big.total) / 1e6 / run.delivered,
                        run.delivered, run.submitted);
            std::fflush(stdout);
        }
    }
    std::map<int, long> smallRss;
    for (int block : blocks)
        smallRss[block] = runOnce(cups, *sink, small, block, verify).peakRssKb;

    auto throughput = [&](int mode) {
        std::vector<double> rates;
        for (const Run& run : results[mode])
            rates.push_back(double(big.total) / 1e6 / run.delivered);
        return median(rates);
    };
    auto submitRate = [&](int mode) {
        std::vector<double> rates;
        for (const Run& run : results[mode])
            rates.push_back(double(big.total) / 1e6 / run.submitted);
        return median(rates);
    };

    utsname machine{};
    uname(&machine);
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    std::printf("\nRawcast benchmark, %s, %s, %ld cores, %s %s\n", date, qPrintable(cpuModel()),
                sysconf(_SC_NPROCESSORS_ONLN), machine.sysname, machine.release);
    std::printf("%lld MiB in %lld files (%d large, %d medium, %d small), %d runs each, median; "
                "cupsd LogLevel %s%s\n",
                static_cast<long long>(big.total >> 20), static_cast<long long>(big.paths.size()),
                big.large, big.medium, big.small, runs, qPrintable(logLevel),
                verify ? ", SHA-256 verified" : "");
    std::printf("MB/s = 10^6 bytes per second, from start until the sink had every byte.\n\n");
    const QString bigRss = QStringLiteral("peak RSS %1 MiB").arg(big.total >> 20);
    std::printf("%-18s %10s %12s %10s %16s %16s\n", "sender", "MB/s", "submit MB/s", "ratio/lp",
                qPrintable(bigRss), "peak RSS 1 MiB");
    const double lp = throughput(0);
    for (int block : blocks) {
        long rss = 0;
        for (const Run& run : results[block])
            rss = std::max(rss, run.peakRssKb);
        std::printf("%-18s %10.1f %12.1f %10.3f %13ld KB %13ld KB\n",
                    qPrintable(QStringLiteral("engine %1 KB").arg(block)), throughput(block),
                    submitRate(block), throughput(block) / lp, rss, smallRss[block]);
    }
    std::printf("%-18s %10.1f %12.1f %10s %16s %16s\n", "lp -o raw", lp, submitRate(0), "1.000",
                "-", "-");
    std::printf("%-18s %10.1f %12.1f %10.3f %16s %16s\n", "lp -o raw, 1 file", throughput(-1),
                submitRate(-1), throughput(-1) / lp, "-", "-");
    std::printf("(lp, 1 file: the same bytes joined into one file beforehand, for reference; not a "
                "way the files could be sent.)\n");
    std::printf("\nTarget: ratio >= 0.95 at 10 KB and above.");
    bool met = true;
    for (int block : blocks)
        if (block >= 10 && throughput(block) / lp < 0.95)
            met = false;
    std::printf(" %s\n", met ? "Met." : "NOT met.");
    return 0;
}
