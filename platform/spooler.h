#pragma once

#include "platform/afxtypes.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

// The print spooler, as the program's code calls it. The default is the CUPS server
// that libcups is configured for (CUPS_SERVER, client.conf); tests install doubles.

struct DOC_INFO_1
{
    QString pDocName;
    QString pOutputFile;
    QString pDatatype;
};

// One destination as the Print Setup dialog lists it.
struct PrinterInfo
{
    QString name;      // destination name, "queue" or "queue/instance"
    QString driver;    // driver string of the printer text form: "cups"
    QString port;      // device URI, any password masked
    QString makeModel; // printer-make-and-model
    QString location;  // printer-location
    QString status;    // idle, printing, stopped, and the state message
    bool isDefault = false;
};

inline constexpr DWORD DM_OUT_BUFFER = 2;

class CSpooler
{
public:
    virtual ~CSpooler() = default;

    // The job.
    virtual bool OpenPrinter(const QString& printerName, HANDLE* phPrinter) = 0;
    // The job id, or 0 when no document could be started.
    virtual DWORD StartDocPrinter(HANDLE hPrinter, DWORD level, const DOC_INFO_1& docInfo) = 0;
    virtual bool StartPagePrinter(HANDLE hPrinter) = 0;
    virtual bool WritePrinter(HANDLE hPrinter, const void* buffer, std::size_t count,
                              std::size_t* pWritten) = 0;
    virtual bool EndPagePrinter(HANDLE hPrinter) = 0;
    virtual bool EndDocPrinter(HANDLE hPrinter) = 0;
    virtual bool ClosePrinter(HANDLE hPrinter) = 0;

    // The device-mode record of an open printer. With mode 0 and no output: the size
    // the record needs, negative on failure. With DM_OUT_BUFFER: fills pDevModeOutput
    // with the destination's current defaults and returns IDOK, anything else on failure.
    virtual long DocumentProperties(HANDLE hPrinter, const QString& deviceName,
                                    void* pDevModeOutput, std::size_t outputSize, DWORD mode) = 0;

    // The system's default destination (lpoptions first, then the server's), if any.
    virtual std::optional<PrinterInfo> GetDefaultPrinter() = 0;
    // Every destination, for the Print Setup dialog.
    virtual std::vector<PrinterInfo> EnumPrinters() = 0;
};

// The spooler in use; CUPS unless a test installed another.
CSpooler& AfxGetSpooler();
// Installs a spooler (not owned) and returns the previous one; null restores CUPS.
CSpooler* AfxSetSpooler(CSpooler* spooler);
