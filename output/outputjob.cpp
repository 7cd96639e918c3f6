#include "output/outputjob.h"

#include "output/printerjob.h"
#include "platform/msgbox.h"
#include "res/resource.h"

#include <algorithm>
#include <new>

COutputJob::COutputJob(const IOutputFileList& list, DWORD blockSize, PrinterQuery printerQuery,
                       IOutputProgress& progress)
    : m_list(list), m_blockSize(blockSize), m_printerQuery(std::move(printerQuery)),
      m_progress(progress), m_spooler(&AfxGetSpooler()),
      m_makeFile([] { return std::make_unique<CFile>(); })
{}

OutputResult COutputJob::Run()
{
    OutputResult result;
    const int count = m_list.GetCount();
    if (count <= 0)
        return result;
    // A block of no bytes would never finish a file.
    if (m_blockSize == 0) {
        AfxMessageBox(AFX_IDP_PARSE_UINT, MB_OK | MB_ICONEXCLAMATION);
        result.failed = true;
        return result;
    }

    m_progress.SetPercent(QStringLiteral("0%"));
    m_progress.SetPos(0);
    m_progress.SetRange(0, 100);

    CPrinterJob job(*m_spooler);
    std::unique_ptr<std::byte[]> buffer;
    try {
        // 64 bits: a block size of 4,194,304 KB or more must not wrap.
        const std::uint64_t blockBytes = std::uint64_t(m_blockSize) << 10;
        buffer.reset(new (std::nothrow) std::byte[blockBytes]);
        if (!buffer)
            throw CMemoryException();

        const DOC_INFO_1 docInfo{QStringLiteral("Rawcast"), QStringLiteral("FILE"),
                                 QStringLiteral("RAW")};
        PRINTDLG pd;
        if (m_printerQuery && m_printerQuery(pd)) {
            CGlobalLock devMode(pd.hDevMode);
            if (devMode && m_spooler->OpenPrinter(DevModeDeviceName(devMode.data(), devMode.size()),
                                                  &job.m_hPrinter)) {
                if (m_spooler->StartDocPrinter(job.m_hPrinter, 1, docInfo) == 0) {
                    m_spooler->ClosePrinter(job.m_hPrinter);
                    job.m_hPrinter = nullptr;
                    throw CSpoolerException(AFX_IDP_FAILED_TO_START_PRINT);
                }
                m_spooler->StartPagePrinter(job.m_hPrinter);
            }
        }

        if (job.m_hPrinter) {
            result.printerOpened = true;
            SendFiles(job.m_hPrinter, buffer.get(), blockBytes, count, result);

            m_spooler->EndPagePrinter(job.m_hPrinter);
            const bool ended = m_spooler->EndDocPrinter(job.m_hPrinter);
            m_spooler->ClosePrinter(job.m_hPrinter);
            job.m_hPrinter = nullptr;
            if (!ended)
                throw CSpoolerException(IDS_PRINT_JOB_INCOMPLETE);
        }
    } catch (const CException& e) {
        result.failed = true;
        e.ReportError(MB_OK, 0);
    } catch (const std::bad_alloc&) {
        result.failed = true;
        CMemoryException().ReportError(MB_OK, 0);
    }

    buffer.reset();
    m_progress.SetPos(0);
    m_progress.SetPercent(QString());
    return result;
}

void COutputJob::SendFiles(HANDLE hPrinter, std::byte* buffer, std::uint64_t blockBytes, int count,
                           OutputResult& result)
{
    const std::unique_ptr<CFile> file = m_makeFile();
    for (int i = 0; i < count; ++i) {
        const QString name = m_list.GetText(i);
        if (!file->Open(name, CFile::modeRead)) {
            ++result.skipped;
            continue;
        }
        const std::uint64_t length = file->GetLength();
        std::uint64_t done = 0;
        while (done < length) {
            const std::size_t n = file->Read(buffer, blockBytes);
            // The file shrank since its length was taken: it ends here.
            if (n == 0)
                break;
            done += n;
            std::size_t written = 0;
            if (!m_spooler->WritePrinter(hPrinter, buffer, n, &written) || written != n)
                throw CSpoolerException(IDS_PRINT_JOB_INCOMPLETE);
            result.bytesWritten += n;

            const std::uint64_t p = std::min<std::uint64_t>(done * 100 / length, 100);
            const int q = static_cast<int>(std::uint64_t(i + 1) * p / std::uint64_t(count));
            m_progress.SetPos(q);
            m_progress.SetPercent(QString::asprintf("%d%%", q));
        }
        file->Close();
    }
}
