#pragma once

#include "platform/afxtypes.h"
#include "platform/file.h"
#include "platform/printdlg.h"
#include "platform/spooler.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

// What the job reads of the form's file list: the count once, each text when reached.
class IOutputFileList
{
public:
    virtual ~IOutputFileList() = default;
    virtual int GetCount() const = 0;
    virtual QString GetText(int index) const = 0;
};

// The bar and the percentage label. Each call must show its value at once.
class IOutputProgress
{
public:
    virtual ~IOutputProgress() = default;
    virtual void SetPos(int position) = 0;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void SetPercent(const QString& text) = 0;
};

// The application's printer query: false when there is no printer at all.
using PrinterQuery = std::function<bool(PRINTDLG&)>;

struct OutputResult
{
    bool printerOpened = false; // a document was started
    bool failed = false;        // a failure was reported
    int skipped = 0;            // entries that did not open
    std::uint64_t bytesWritten = 0;

    // Every entry of the list reached the spooler in full.
    bool SentWhole() const { return printerOpened && !failed && skipped == 0; }
};

// Sends every file of the list, in order and unchanged, as one raw spooler document.
class COutputJob
{
public:
    COutputJob(const IOutputFileList& list, DWORD blockSize, PrinterQuery printerQuery,
               IOutputProgress& progress);

    // Seams for tests: the spooler (the installed one by default) and the file objects.
    void SetSpooler(CSpooler& spooler) { m_spooler = &spooler; }
    void SetFileFactory(std::function<std::unique_ptr<CFile>()> factory)
    {
        m_makeFile = std::move(factory);
    }

    OutputResult Run();

private:
    void SendFiles(HANDLE hPrinter, std::byte* buffer, std::uint64_t blockBytes, int count,
                   OutputResult& result);

    const IOutputFileList& m_list;
    DWORD m_blockSize;
    PrinterQuery m_printerQuery;
    IOutputProgress& m_progress;
    CSpooler* m_spooler;
    std::function<std::unique_ptr<CFile>()> m_makeFile;
};
