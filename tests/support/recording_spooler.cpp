#include "support/recording_spooler.h"

#include <cstring>

namespace {
int handleToken;
}

bool RecordingSpooler::OpenPrinter(const QString& printerName, HANDLE* phPrinter)
{
    calls << QStringLiteral("OpenPrinter %1").arg(printerName);
    openedName = printerName;
    if (!printers.isEmpty() && !printers.contains(printerName)) {
        *phPrinter = nullptr;
        return false;
    }
    *phPrinter = &handleToken;
    ++openHandles;
    return true;
}

DWORD RecordingSpooler::StartDocPrinter(HANDLE, DWORD level, const DOC_INFO_1& info)
{
    calls << QStringLiteral("StartDocPrinter %1").arg(level);
    docInfo = info;
    return failStartDoc ? 0 : 42;
}

bool RecordingSpooler::StartPagePrinter(HANDLE)
{
    calls << QStringLiteral("StartPagePrinter");
    return true;
}

bool RecordingSpooler::WritePrinter(HANDLE, const void* buffer, std::size_t count,
                                    std::size_t* pWritten)
{
    calls << QStringLiteral("WritePrinter %1").arg(count);
    const bool failing = int(writes.size()) == failWriteAt;
    writes.push_back(count);
    if (failing && !shortWriteAt) {
        *pWritten = 0;
        return false;
    }
    const std::size_t accepted = failing ? count / 2 : count;
    if (keepData)
        data.append(static_cast<const char*>(buffer), static_cast<qsizetype>(accepted));
    totalBytes += accepted;
    *pWritten = accepted;
    return true;
}

bool RecordingSpooler::EndPagePrinter(HANDLE)
{
    calls << QStringLiteral("EndPagePrinter");
    return true;
}

bool RecordingSpooler::EndDocPrinter(HANDLE)
{
    calls << QStringLiteral("EndDocPrinter");
    return !failEndDoc;
}

bool RecordingSpooler::ClosePrinter(HANDLE)
{
    calls << QStringLiteral("ClosePrinter");
    --openHandles;
    return true;
}

long RecordingSpooler::DocumentProperties(HANDLE, const QString& deviceName, void* pDevModeOutput,
                                          std::size_t outputSize, DWORD mode)
{
    calls << QStringLiteral("DocumentProperties %1").arg(mode);
    QByteArray record = deviceName.toUtf8() + QByteArray("\0copies=1\0\0", 11);
    if (mode == 0 && !pDevModeOutput)
        return failDevModeSize ? -1 : record.size();
    if (failDevModeFill || !pDevModeOutput || outputSize < std::size_t(record.size()))
        return -1;
    std::memcpy(pDevModeOutput, record.constData(), record.size());
    return 1;
}

std::optional<PrinterInfo> RecordingSpooler::GetDefaultPrinter()
{
    calls << QStringLiteral("GetDefaultPrinter");
    return defaultPrinter;
}

std::vector<PrinterInfo> RecordingSpooler::EnumPrinters()
{
    if (!destinations.empty())
        return destinations;
    std::vector<PrinterInfo> list;
    if (defaultPrinter)
        list.push_back(*defaultPrinter);
    return list;
}
