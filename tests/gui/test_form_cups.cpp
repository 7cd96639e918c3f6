// A whole job from the form against a real, private CUPS: the files chosen with Add go
// out with Output as one raw job and reach the printer byte for byte.
#include "form_test.h"

#include "private_cups.h"
#include "sha256.h"

#include <iostream>

namespace {

const QString kQueue = QStringLiteral("rawcast-form");

class FormCupsTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        // The program's own CUPS spooler, talking to the private server.
        m_spoolerScope.reset();
        QString error;
        ASSERT_TRUE(m_cups.start(&error)) << error.toStdString();
        m_sink = m_cups.addRawQueue(kQueue, &error);
        ASSERT_NE(m_sink, nullptr) << error.toStdString();
        ASSERT_TRUE(m_cups.setDefault(kQueue));
    }
    void TearDown() override
    {
        FormTest::TearDown();
        if (HasFailure() && m_cups.isRunning())
            std::cerr << "---- error_log of the private cupsd ----\n"
                      << m_cups.errorLog().right(30000).toStdString() << "---- end ----\n";
    }

    PrivateCups m_cups;
    LoopbackSink* m_sink = nullptr;
};

TEST_F(FormCupsTest, ThreeFilesAddedAndSentWithOutputArriveAsOneRawJob)
{
    // Around the 10 KB block: a short last block, an exact multiple, a single byte.
    const QByteArray a = TempFiles::pattern(25600, 'a');
    const QByteArray b = TempFiles::pattern(20480, 'b');
    const QByteArray c = TempFiles::pattern(1, 'c');
    m_fileAnswers = {m_files.write("a.prn", a), m_files.write("b.prn", b),
                     m_files.write("c.prn", c)};
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Label(IDC_TARGET_PORT).startsWith("cups," + kQueue + ",socket://127.0.0.1:"))
        << Label(IDC_TARGET_PORT).toStdString();
    for (int i = 0; i < 3; ++i)
        Click(IDC_ADD);
    ASSERT_EQ(Entries().size(), 3);

    Click(IDC_OUTPUT);
    EXPECT_TRUE(View()->m_lastJob.SentWhole());
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(Label(IDC_PERCENT), "");

    ASSERT_TRUE(m_sink->waitForJobs(1, 30000)) << "nothing reached the printer";
    const QByteArray all = a + b + c;
    const auto received = m_sink->jobs();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].size, all.size());
    EXPECT_EQ(received[0].sha256.toHex(), Sha256::of(all).toHex());

    ASSERT_TRUE(m_cups.waitForIdle(30000));
    const auto jobs = m_cups.jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, "Rawcast");
    EXPECT_EQ(jobs[0].printer, kQueue);
    EXPECT_EQ(jobs[0].format, "application/vnd.cups-raw");
    EXPECT_EQ(jobs[0].state, "completed");
}

} // namespace
