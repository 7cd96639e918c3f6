#pragma once

#include "platform/spooler.h"

#include <QString>
#include <QStringList>
#include <vector>

// A spooler that records every call and the bytes written, and can be told to fail.
class RecordingSpooler : public CSpooler
{
public:
    struct Write
    {
        std::size_t size;
    };

    bool OpenPrinter(const QString& printerName, HANDLE* phPrinter) override;
    DWORD StartDocPrinter(HANDLE hPrinter, DWORD level, const DOC_INFO_1& docInfo) override;
    bool StartPagePrinter(HANDLE hPrinter) override;
    bool WritePrinter(HANDLE hPrinter, const void* buffer, std::size_t count,
                      std::size_t* pWritten) override;
    bool EndPagePrinter(HANDLE hPrinter) override;
    bool EndDocPrinter(HANDLE hPrinter) override;
    bool ClosePrinter(HANDLE hPrinter) override;
    long DocumentProperties(HANDLE hPrinter, const QString& deviceName, void* pDevModeOutput,
                            std::size_t outputSize, DWORD mode) override;
    std::optional<PrinterInfo> GetDefaultPrinter() override;
    std::vector<PrinterInfo> EnumPrinters() override;

    // The calls in order, by name ("OpenPrinter", "WritePrinter 10240", ...).
    QStringList calls;
    std::vector<std::size_t> writes;
    QByteArray data; // every byte written, unless keepData is false
    bool keepData = true;
    std::uint64_t totalBytes = 0;
    QString openedName;
    DOC_INFO_1 docInfo;
    int openHandles = 0;

    // Destinations that open; empty means every name opens.
    QStringList printers;
    std::optional<PrinterInfo> defaultPrinter;
    std::vector<PrinterInfo> destinations; // EnumPrinters; empty: the default alone
    bool failDevModeSize = false;          // DocumentProperties' size query fails
    bool failDevModeFill = false;          // DocumentProperties with DM_OUT_BUFFER fails
    bool failStartDoc = false;
    bool failEndDoc = false;
    int failWriteAt = -1;      // index of the write that fails
    bool shortWriteAt = false; // that write reports fewer bytes instead of failing
};
