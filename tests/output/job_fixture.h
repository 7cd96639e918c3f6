#pragma once

#include "output/outputjob.h"
#include "output/pathlist.h"
#include "platform/globalmem.h"
#include "support/recording_spooler.h"
#include "support/test_env.h"

#include <QStringList>
#include <gtest/gtest.h>

// The form's side of a job: its list, its bar and label, the application's printer.
class ProgressRecorder : public IOutputProgress
{
public:
    QList<int> positions;
    QStringList labels;
    int range = -1;
    int pos = 0;
    QString label;
    void SetPos(int position) override
    {
        pos = position;
        positions << position;
    }
    void SetRange(int lower, int upper) override { range = lower * 1000 + upper; }
    void SetPercent(const QString& text) override
    {
        label = text;
        labels << text;
    }
};

// A printer selection holding one device-mode record for the named device.
class PrinterSelection
{
public:
    explicit PrinterSelection(const QString& device)
    {
        const QByteArray name = device.toUtf8();
        m_devMode = GlobalAlloc(GHND, name.size() + 2);
        CGlobalLock lock(m_devMode);
        std::memcpy(lock.data(), name.constData(), name.size());
    }
    ~PrinterSelection() { GlobalFree(m_devMode); }
    PrinterQuery query()
    {
        return [this](PRINTDLG& pd) {
            ++queries;
            pd.hDevMode = m_devMode;
            return true;
        };
    }
    HGLOBAL devMode() const { return m_devMode; }
    int queries = 0;

private:
    HGLOBAL m_devMode;
};

class OutputJobTest : public ::testing::Test
{
protected:
    OutputResult run(DWORD blockSize = 10)
    {
        COutputJob job(list, blockSize, selection.query(), progress);
        job.SetSpooler(spooler);
        if (fileFactory)
            job.SetFileFactory(fileFactory);
        return job.Run();
    }

    TempFiles files;
    CPathList list;
    ProgressRecorder progress;
    RecordingSpooler spooler;
    PrinterSelection selection{QStringLiteral("raw")};
    MessageBoxRecorder boxes;
    std::function<std::unique_ptr<CFile>()> fileFactory;
};
