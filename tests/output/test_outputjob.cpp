#include "job_fixture.h"

#include "platform/strings.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QStringList kDocumentOpen = {"OpenPrinter raw", "StartDocPrinter 1", "StartPagePrinter"};
const QStringList kDocumentEnd = {"EndPagePrinter", "EndDocPrinter", "ClosePrinter"};

QStringList writes(std::initializer_list<int> sizes)
{
    QStringList calls;
    for (int size : sizes)
        calls << QStringLiteral("WritePrinter %1").arg(size);
    return calls;
}

// Fails the given read of the given file with an I/O error.
class FailingFile : public CFile
{
public:
    FailingFile(int failOpen, int failRead) : m_failOpen(failOpen), m_failRead(failRead) {}
    bool Open(const QString& name, UINT flags, CFileException* error) override
    {
        ++m_opens;
        m_reads = 0;
        return CFile::Open(name, flags, error);
    }
    std::size_t Read(void* buffer, std::size_t count) override
    {
        if (m_opens == m_failOpen && ++m_reads == m_failRead)
            CFileException::ThrowOsError(EIO);
        return CFile::Read(buffer, count);
    }

private:
    int m_failOpen;
    int m_failRead;
    int m_opens = 0;
    int m_reads = 0;
};

} // namespace

TEST_F(OutputJobTest, ThreeFilesGoBlockByBlockIntoOneRawDocument)
{
    list.m_paths = {files.write("a", 25600, 'a'), files.write("b", 25600, 'b'),
                    files.write("c", 25600, 'c')};

    const OutputResult result = run(10);

    EXPECT_EQ(spooler.calls,
              kDocumentOpen + writes({10240, 10240, 5120, 10240, 10240, 5120, 10240, 10240, 5120}) +
                  kDocumentEnd);
    EXPECT_EQ(spooler.data, TempFiles::pattern(25600, 'a') + TempFiles::pattern(25600, 'b') +
                                TempFiles::pattern(25600, 'c'));
    EXPECT_EQ(spooler.docInfo.pDocName, "Rawcast");
    EXPECT_EQ(spooler.docInfo.pOutputFile, "FILE");
    EXPECT_EQ(spooler.docInfo.pDatatype, "RAW");
    EXPECT_EQ(progress.positions, QList<int>({0, 13, 26, 33, 26, 53, 66, 40, 80, 100, 0}));
    EXPECT_EQ(progress.labels, QStringList({"0%", "13%", "26%", "33%", "26%", "53%", "66%", "40%",
                                            "80%", "100%", ""}));
    EXPECT_EQ(progress.range, 100);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(result.SentWhole());
    EXPECT_EQ(spooler.openHandles, 0);
    EXPECT_EQ(GlobalFlags(selection.devMode()), 0u) << "the device-mode record stays unlocked";
}

TEST_F(OutputJobTest, TwoLargerFilesClimbToHalfThenToFull)
{
    list.m_paths = {files.write("a", 102400), files.write("b", 102400)};
    run(10);
    QList<int> expected = {0};
    for (int p = 10; p <= 100; p += 10)
        expected << p / 2;
    for (int p = 10; p <= 100; p += 10)
        expected << p;
    expected << 0;
    EXPECT_EQ(progress.positions, expected);
}

TEST_F(OutputJobTest, EmptyListTouchesNothing)
{
    run(10);
    EXPECT_TRUE(spooler.calls.isEmpty());
    EXPECT_TRUE(progress.positions.isEmpty());
    EXPECT_TRUE(progress.labels.isEmpty());
    EXPECT_EQ(selection.queries, 0);
}

TEST_F(OutputJobTest, MissingEntryKeepsItsPlaceInTheProgress)
{
    list.m_paths = {files.write("a", 25600, 'a'), files.path("missing"),
                    files.write("c", 25600, 'c')};
    const OutputResult result = run(10);
    EXPECT_EQ(spooler.data, TempFiles::pattern(25600, 'a') + TempFiles::pattern(25600, 'c'));
    EXPECT_EQ(progress.positions, QList<int>({0, 13, 26, 33, 40, 80, 100, 0}));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(result.skipped, 1);
    EXPECT_FALSE(result.SentWhole());
}

TEST_F(OutputJobTest, EntriesThatAreMissingEmptyOrNotRegularFilesStillMakeOneEmptyDocument)
{
    const QString fifo = files.path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    list.m_paths = {files.path("missing"), files.write("empty", 0), fifo, files.path(""), ""};
    run(10);
    EXPECT_EQ(spooler.calls, kDocumentOpen + kDocumentEnd);
    EXPECT_EQ(progress.positions, QList<int>({0, 0}));
    EXPECT_EQ(progress.labels, QStringList({"0%", ""}));
}

TEST_F(OutputJobTest, OneByteFileAndExactMultipleOfTheBlock)
{
    list.m_paths = {files.write("one", 1), files.write("two-blocks", 20480)};
    run(10);
    EXPECT_EQ(spooler.calls, kDocumentOpen + writes({1, 10240, 10240}) + kDocumentEnd);
    EXPECT_EQ(progress.positions, QList<int>({0, 50, 50, 100, 0}));
}

TEST_F(OutputJobTest, ReadErrorInTheSecondFileIsReportedOnceAndTheDocumentEndsNormally)
{
    list.m_paths = {files.write("a", 25600, 'a'), files.write("b", 25600, 'b'),
                    files.write("c", 25600, 'c')};
    fileFactory = [] { return std::make_unique<FailingFile>(2, 2); };
    int positionAtBox = -1;
    QStringList callsAtBox;
    AfxSetMessageBoxHandler([&](const QString& caption, const QString& text, UINT type) {
        boxes.boxes.push_back({caption, text, type});
        positionAtBox = progress.pos;
        callsAtBox = spooler.calls;
        return IDOK;
    });

    const OutputResult result = run(10);

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "A hardware I/O error was reported while accessing an unnamed file.");
    EXPECT_EQ(boxes.boxes[0].caption, "Rawcast");
    EXPECT_EQ(boxes.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(positionAtBox, 26) << "bar keeps its last value while the box is up";
    EXPECT_EQ(callsAtBox, kDocumentOpen + writes({10240, 10240, 5120, 10240}))
        << "the document is still open while the box is up";
    EXPECT_EQ(spooler.calls, kDocumentOpen + writes({10240, 10240, 5120, 10240}) + kDocumentEnd);
    EXPECT_EQ(spooler.data,
              TempFiles::pattern(25600, 'a') + TempFiles::pattern(25600, 'b').left(10240));
    EXPECT_EQ(progress.pos, 0);
    EXPECT_EQ(progress.label, "");
    EXPECT_TRUE(result.failed);
}

TEST_F(OutputJobTest, NoPrinterOrAPrinterThatDoesNotOpenEndsQuietly)
{
    list.m_paths = {files.write("a", 100)};
    {
        COutputJob job(
            list, 10, [](PRINTDLG&) { return false; }, progress);
        job.SetSpooler(spooler);
        EXPECT_FALSE(job.Run().printerOpened);
        EXPECT_TRUE(spooler.calls.isEmpty());
    }
    spooler.printers = {"other"};
    run(10);
    EXPECT_EQ(spooler.calls, QStringList({"OpenPrinter raw"}));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(progress.labels, QStringList({"0%", "", "0%", ""}));
    EXPECT_EQ(progress.positions, QList<int>({0, 0, 0, 0}));
}

TEST_F(OutputJobTest, AFailedStartSendsNothing)
{
    list.m_paths = {files.write("a", 100)};
    spooler.failStartDoc = true;
    run(10);
    EXPECT_EQ(spooler.calls, QStringList({"OpenPrinter raw", "StartDocPrinter 1", "ClosePrinter"}));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Could not start print job.");
}

TEST_F(OutputJobTest, SpoolerWriteFailuresStopTheJobAndAreReportedOnce)
{
    for (const bool shortWrite : {false, true}) {
        SCOPED_TRACE(shortWrite ? "short write" : "failed write");
        RecordingSpooler failing;
        failing.failWriteAt = 1;
        failing.shortWriteAt = shortWrite;
        failing.failEndDoc = true; // already reported: no second message
        list.m_paths = {files.write("a", 25600), files.write("b", 25600)};
        boxes.boxes.clear();
        COutputJob job(list, 10, selection.query(), progress);
        job.SetSpooler(failing);
        const OutputResult result = job.Run();
        EXPECT_EQ(failing.calls, kDocumentOpen + writes({10240, 10240}) + kDocumentEnd);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "The print job could not be completed.");
        EXPECT_FALSE(result.SentWhole());
    }
}

TEST_F(OutputJobTest, AFailedEndOfDocumentIsReported)
{
    list.m_paths = {files.write("a", 100)};
    spooler.failEndDoc = true;
    const OutputResult result = run(10);
    EXPECT_EQ(spooler.calls, kDocumentOpen + writes({100}) + kDocumentEnd);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "The print job could not be completed.");
    EXPECT_FALSE(result.SentWhole());
}

TEST_F(OutputJobTest, BlockSizeZeroIsRefusedBeforeAnyPrinterIsOpened)
{
    list.m_paths = {files.write("a", 100)};
    run(0);
    EXPECT_TRUE(spooler.calls.isEmpty());
    EXPECT_EQ(selection.queries, 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please enter a positive integer.");
    EXPECT_TRUE(progress.positions.isEmpty());
}

TEST_F(OutputJobTest, ABufferThatCannotBeAllocatedIsOutOfMemory)
{
    list.m_paths = {files.write("a", 100)};
    // 4294967295 KB is four tebibytes, more than this machine's memory and swap.
    run(4294967295u);
    EXPECT_TRUE(spooler.calls.isEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Out of memory.");
    EXPECT_EQ(progress.labels, QStringList({"0%", ""}));
}

TEST_F(OutputJobTest, BlockSizesPastThirtyTwoBitsDoNotWrap)
{
    // 4,194,304 KB is 4 GiB: in 32 bits it would be a buffer of 0 bytes. The buffer is
    // reserved, not touched, so this runs on an ordinary machine.
    list.m_paths = {files.write("a", 5000, 'q')};
    run(4194304u);
    EXPECT_EQ(spooler.calls, kDocumentOpen + writes({5000}) + kDocumentEnd);
    EXPECT_EQ(spooler.data, TempFiles::pattern(5000, 'q'));
}

TEST_F(OutputJobTest, FailureTextsComeInJapaneseWithJapaneseResources)
{
    AfxSetResourceLanguage(ResourceLanguage::Japanese);
    list.m_paths = {files.write("a", 25600), files.write("b", 25600)};
    fileFactory = [] { return std::make_unique<FailingFile>(1, 1); };
    run(10);
    spooler.failStartDoc = true;
    fileFactory = nullptr;
    run(10);
    AfxSetResourceLanguage(ResourceLanguage::English);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "無題のﾌｧｲﾙ へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
    EXPECT_EQ(boxes.boxes[1].text, "印刷を開始できませんでした。");
    EXPECT_EQ(boxes.boxes[0].caption, "Rawcast");
}

TEST_F(OutputJobTest, SparseFileOverFourGibibytesIsSentWholeAndRunsToFullPercent)
{
    const QString big = files.path("big");
    const std::uint64_t length = (std::uint64_t(1) << 32) + 12345;
    {
        const int fd = ::open(QFile::encodeName(big).constData(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t(length)), 0);
        ASSERT_EQ(::pwrite(fd, "END", 3, off_t(length - 3)), 3);
        ::close(fd);
    }
    list.m_paths = {big};
    spooler.keepData = false;
    const OutputResult result = run(65536);
    EXPECT_EQ(spooler.totalBytes, length);
    EXPECT_EQ(result.bytesWritten, length);
    EXPECT_EQ(spooler.writes.size(), 65u);
    EXPECT_EQ(spooler.writes.back(), std::size_t(length % (65536u << 10)));
    ASSERT_GE(progress.positions.size(), 3);
    EXPECT_EQ(progress.positions[progress.positions.size() - 2], 100);
    EXPECT_TRUE(std::is_sorted(progress.positions.begin() + 1, progress.positions.end() - 1));
}

TEST_F(OutputJobTest, AFileThatShrankAfterItsLengthWasTakenEndsWithoutHanging)
{
    struct ShrunkFile : CFile
    {
        std::uint64_t GetLength() const override { return CFile::GetLength() + 100000; }
    };
    list.m_paths = {files.write("a", 15000, 'a'), files.write("b", 100, 'b')};
    fileFactory = [] { return std::make_unique<ShrunkFile>(); };
    run(10);
    EXPECT_EQ(spooler.calls, kDocumentOpen + writes({10240, 4760, 100}) + kDocumentEnd);
    EXPECT_EQ(spooler.data, TempFiles::pattern(15000, 'a') + TempFiles::pattern(100, 'b'));
}
