#pragma once

#include "platform/spooler.h"

// The spooler over libcups. One document is one CUPS job titled after the document,
// holding one document of format application/vnd.cups-raw whose bytes are streamed
// as they are written.
class CCupsSpooler : public CSpooler
{
public:
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
};

// A device URI with any user:password part shown as user:***.
QString MaskDeviceUri(const QString& uri);
