#include "cups_fixture.h"

#include <QFile>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace cupstest;

namespace {

// A port on 127.0.0.1 that nothing listens on (bound once, then released).
quint16 closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// Streams size bytes of a pattern into a file, chunk by chunk (every chunk differs), and
// adds them to hash; nothing of that size is held in memory.
bool writeBigFile(const QString& path, qint64 size, Sha256& hash)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk = TempFiles::pattern(1 << 20, 'A');
    for (qint64 done = 0, index = 0; done < size; ++index) {
        std::memcpy(chunk.data(), &index, sizeof index);
        const qint64 n = std::min<qint64>(chunk.size(), size - done);
        if (out.write(chunk.constData(), n) != n)
            return false;
        hash.add(QByteArrayView(chunk.constData(), n));
        done += n;
    }
    return true;
}

} // namespace

TEST_F(CupsOutputTest, SeveralFilesArriveByteForByteAsOneRawJob)
{
    // Sizes around the 10 KB block: short, one byte, exact multiple, odd.
    const QByteArray a = TempFiles::pattern(25600, 'a');
    const QByteArray b = TempFiles::pattern(1, 'b');
    const QByteArray c = TempFiles::pattern(20480, 'c');
    const QByteArray d = TempFiles::pattern(102407, 'd');
    const OutputResult result = send({files.write("a.prn", a), files.write("b.prn", b),
                                      files.write("c.prn", c), files.write("d.prn", d)});

    EXPECT_TRUE(result.SentWhole());
    EXPECT_EQ(result.bytesWritten, std::uint64_t(a.size() + b.size() + c.size() + d.size()));
    EXPECT_TRUE(boxes.boxes.empty());
    ASSERT_TRUE(sink->waitForJobs(1, 30000)) << "nothing reached the printer";
    const auto jobs = sink->jobs();
    ASSERT_EQ(jobs.size(), 1u);
    const QByteArray all = a + b + c + d;
    EXPECT_EQ(jobs[0].size, all.size());
    EXPECT_EQ(jobs[0].sha256.toHex(), sha256(all).toHex());
    EXPECT_TRUE(jobs[0].data == all);
    expectOneFinishedRawcastJob();
    EXPECT_FALSE(sink->waitForJobs(2, 300)) << "a second connection reached the printer";
}

TEST_F(CupsOutputTest, BlockSizesDoNotChangeTheBytes)
{
    const QByteArray a = TempFiles::pattern(300000, 'x');
    const QByteArray b = TempFiles::pattern(65536, 'y');
    const QStringList list = {files.write("a", a), files.write("b", b)};
    for (DWORD block : {1u, 64u, 1024u}) {
        sink->clear();
        ASSERT_TRUE(send(list, block).SentWhole()) << "block size " << block;
        ASSERT_TRUE(sink->waitForJobs(1, 30000)) << "block size " << block;
        EXPECT_EQ(sink->jobs()[0].sha256.toHex(), sha256(a + b).toHex()) << "block size " << block;
    }
    ASSERT_TRUE(cups.waitForIdle(30000));
    const auto jobs = cups.jobs();
    ASSERT_EQ(jobs.size(), 3u);
    for (const auto& job : jobs) {
        EXPECT_EQ(job.title.toStdString(), "Rawcast");
        EXPECT_EQ(job.format.toStdString(), kRawFormat);
        EXPECT_EQ(job.state.toStdString(), "completed");
    }
}

TEST_F(CupsOutputTest, EmptyFilesAddNothingBetweenTheOthers)
{
    const QByteArray a = TempFiles::pattern(5000, 'a');
    const QByteArray b = TempFiles::pattern(12345, 'b');
    const QString empty1 = files.write("empty1", QByteArray());
    const QString empty2 = files.write("empty2", QByteArray());
    const QString empty3 = files.write("empty3", QByteArray());
    const OutputResult result =
        send({empty1, files.write("a", a), empty2, files.write("b", b), empty3});

    EXPECT_TRUE(result.SentWhole());
    EXPECT_TRUE(boxes.boxes.empty());
    ASSERT_TRUE(sink->waitForJobs(1, 30000));
    const auto jobs = sink->jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].size, a.size() + b.size());
    EXPECT_EQ(jobs[0].sha256.toHex(), sha256(a + b).toHex());
    expectOneFinishedRawcastJob();
}

TEST_F(CupsOutputTest, OnlyEmptyFilesMakeOneJobWithoutData)
{
    const OutputResult result =
        send({files.write("empty1", QByteArray()), files.write("empty2", QByteArray())});

    EXPECT_TRUE(result.SentWhole());
    EXPECT_EQ(result.bytesWritten, 0u);
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text.toStdString();
    ASSERT_TRUE(cups.waitForIdle(30000));
    // CUPS takes no document without data; the spooler withdraws the one job it created
    // instead of leaving it held, and reports no failure: there was nothing to print.
    const auto jobs = cups.jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title.toStdString(), "Rawcast");
    EXPECT_EQ(jobs[0].state.toStdString(), "canceled");
    sink->waitForJobs(1, 500);
    EXPECT_EQ(sink->bytesReceived(), 0);
    for (const auto& job : sink->jobs())
        EXPECT_EQ(job.size, 0);
}

TEST_F(CupsOutputTest, A300MegabyteFileArrivesWhole)
{
    constexpr qint64 size = 300'000'000; // not a multiple of the block
    // One small file, then the big one: the digest covers both, in order.
    const QByteArray head = TempFiles::pattern(777, 'h');
    Sha256 expected;
    expected.add(head);
    const QString big = files.path("big.prn");
    ASSERT_TRUE(writeBigFile(big, size, expected)) << "cannot write " << big.toStdString();
    sink->setKeepLimit(0); // the digest is enough

    const OutputResult result = send({files.write("head", head), big}, 64);

    EXPECT_TRUE(result.SentWhole());
    EXPECT_EQ(result.bytesWritten, std::uint64_t(size + head.size()));
    EXPECT_TRUE(boxes.boxes.empty());
    ASSERT_TRUE(sink->waitForJobs(1, 120000)) << "received " << sink->bytesReceived();
    const auto jobs = sink->jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].size, size + head.size());
    EXPECT_EQ(jobs[0].sha256.toHex(), expected.result().toHex());
    expectOneFinishedRawcastJob();
}

TEST_F(CupsOutputTest, AnUnknownPrinterOpensNothingAndSendsNothing)
{
    const OutputResult result = send({files.write("a", TempFiles::pattern(1000, 'a'))}, 10,
                                     QStringLiteral("no-such-queue"));

    EXPECT_FALSE(result.printerOpened);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.bytesWritten, 0u);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(progress.last, 0);
    EXPECT_TRUE(progress.label.isEmpty());
    EXPECT_TRUE(cups.jobs().empty());
    EXPECT_FALSE(sink->waitForJobs(1, 500));
    EXPECT_EQ(sink->bytesReceived(), 0);
}

TEST_F(CupsOutputTest, APrinterThatCannotBeReachedIsNotTheEnginesFailure)
{
    // The backend cannot connect; the engine only knows that the spooler took the job.
    const QString queue = QStringLiteral("unreachable");
    QString error;
    ASSERT_TRUE(cups.addQueue(
        queue, QStringLiteral("socket://127.0.0.1:%1/?contimeout=1").arg(closedPort()), &error))
        << error.toStdString();
    const OutputResult result = send({files.write("a", TempFiles::pattern(4096, 'a'))}, 10, queue);

    EXPECT_TRUE(result.SentWhole());
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(boxes.boxes.empty());
    const auto jobs = cups.jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].printer, queue);
    EXPECT_EQ(jobs[0].title.toStdString(), "Rawcast");
    EXPECT_EQ(jobs[0].format.toStdString(), kRawFormat);
    // The backend gives up after its connect timeout; the server aborts the job.
    ASSERT_TRUE(cups.waitForIdle(60000));
    EXPECT_EQ(cups.jobs()[0].state.toStdString(), "aborted");
    EXPECT_EQ(sink->bytesReceived(), 0);
}
