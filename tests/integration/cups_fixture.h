#pragma once

// The engine against a real, private CUPS: a cupsd of the harness with one raw queue to a
// loopback sink, and the output job with the program's own CUPS spooler.

#include "output/outputjob.h"
#include "output/pathlist.h"
#include "platform/globalmem.h"
#include "private_cups.h"
#include "sha256.h"
#include "support/test_env.h"

#include <QStringList>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>

namespace cupstest {

inline const QString kQueue = QStringLiteral("rawcast-test");
inline constexpr const char* kRawFormat = "application/vnd.cups-raw";

class QuietProgress : public IOutputProgress
{
public:
    int last = -1;
    QString label;
    void SetPos(int position) override { last = position; }
    void SetRange(int, int) override {}
    void SetPercent(const QString& text) override { label = text; }
};

// The application's printer selection: a device-mode record whose head is the device name.
class DeviceMode
{
public:
    explicit DeviceMode(const QString& device)
    {
        const QByteArray name = device.toUtf8();
        m_block = GlobalAlloc(GHND, std::size_t(name.size()) + 2);
        CGlobalLock lock(m_block);
        std::memcpy(lock.data(), name.constData(), std::size_t(name.size()));
    }
    ~DeviceMode() { GlobalFree(m_block); }
    DeviceMode(const DeviceMode&) = delete;
    DeviceMode& operator=(const DeviceMode&) = delete;
    PrinterQuery query()
    {
        return [this](PRINTDLG& pd) {
            pd.hDevMode = m_block;
            return true;
        };
    }

private:
    HGLOBAL m_block;
};

inline QByteArray sha256(const QByteArray& bytes)
{
    return Sha256::of(bytes);
}

class CupsOutputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        // A machine whose cupsd cannot start must show up as a failure, not a skip.
        ASSERT_TRUE(cups.start(&error)) << error.toStdString();
        sink = cups.addRawQueue(kQueue, &error);
        ASSERT_NE(sink, nullptr) << error.toStdString();
    }

    void TearDown() override
    {
        if (HasFailure() && cups.isRunning()) {
            const QString log = cups.errorLog();
            std::cerr << "---- error_log of the private cupsd (" << cups.rootDir().toStdString()
                      << ", last 60 KB) ----\n"
                      << log.right(60000).toStdString() << "---- end of error_log ----\n";
        }
    }

    // Runs the output job on the files with the installed (CUPS) spooler.
    OutputResult send(const QStringList& entries, DWORD blockSize = 10,
                      const QString& printer = kQueue)
    {
        CPathList list;
        list.m_paths = entries;
        DeviceMode devMode(printer);
        COutputJob job(list, blockSize, devMode.query(), progress);
        return job.Run();
    }

    // The one CUPS job the server knows, once it has finished.
    void expectOneFinishedRawcastJob(const QString& state = QStringLiteral("completed"))
    {
        ASSERT_TRUE(cups.waitForIdle(30000)) << "the server still has jobs to do";
        const auto jobs = cups.jobs();
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_EQ(jobs[0].title.toStdString(), "Rawcast");
        EXPECT_EQ(jobs[0].format.toStdString(), kRawFormat);
        EXPECT_EQ(jobs[0].printer, kQueue);
        EXPECT_EQ(jobs[0].state, state);
    }

    TempFiles files;
    MessageBoxRecorder boxes;
    QuietProgress progress;
    PrivateCups cups;
    LoopbackSink* sink = nullptr;
};

} // namespace cupstest
