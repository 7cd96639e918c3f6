#include "platform/printerpair.h"

#include "platform/cups_spooler.h"
#include "platform/devnames.h"

namespace {

// Closes a printer handle on every path.
class CPrinterHandle
{
public:
    CPrinterHandle(CSpooler& spooler, const QString& name) : m_spooler(spooler)
    {
        if (!m_spooler.OpenPrinter(name, &m_hPrinter))
            m_hPrinter = nullptr;
    }
    ~CPrinterHandle()
    {
        if (m_hPrinter)
            m_spooler.ClosePrinter(m_hPrinter);
    }
    CPrinterHandle(const CPrinterHandle&) = delete;
    CPrinterHandle& operator=(const CPrinterHandle&) = delete;

    HANDLE get() const { return m_hPrinter; }

private:
    CSpooler& m_spooler;
    HANDLE m_hPrinter = nullptr;
};

} // namespace

HGLOBAL AfxCreateDevMode(CSpooler& spooler, const QString& deviceName)
{
    const CPrinterHandle printer(spooler, deviceName);
    if (!printer.get())
        return nullptr;
    const long size = spooler.DocumentProperties(printer.get(), deviceName, nullptr, 0, 0);
    if (size <= 0)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GHND, std::size_t(size));
    {
        const CGlobalLock lock(block);
        if (lock && spooler.DocumentProperties(printer.get(), deviceName, lock.data(), lock.size(),
                                               DM_OUT_BUFFER) == IDOK)
            return block;
    }
    return GlobalFree(block);
}

bool AfxCreatePrinterPair(CSpooler& spooler, const PrinterInfo& printer, WORD flags,
                          HGLOBAL* phDevNames, HGLOBAL* phDevMode)
{
    *phDevNames = nullptr;
    *phDevMode = nullptr;
    HGLOBAL devMode = AfxCreateDevMode(spooler, printer.name);
    if (!devMode)
        return false;
    // The spooler masks already; a port that reaches a record or the profile must
    // never carry a password, whoever delivered it.
    const QString driver = printer.driver.isEmpty() ? QStringLiteral("cups") : printer.driver;
    HGLOBAL devNames = CreateDevNames(driver.toUtf8(), printer.name.toUtf8(),
                                      MaskDeviceUri(printer.port).toUtf8(), flags);
    if (!devNames) {
        GlobalFree(devMode);
        return false;
    }
    *phDevNames = devNames;
    *phDevMode = devMode;
    return true;
}

bool AfxFetchDefaultPrinter(CSpooler& spooler, HGLOBAL* phDevNames, HGLOBAL* phDevMode)
{
    *phDevNames = nullptr;
    *phDevMode = nullptr;
    const std::optional<PrinterInfo> printer = spooler.GetDefaultPrinter();
    if (!printer)
        return false;
    return AfxCreatePrinterPair(spooler, *printer, DN_DEFAULTPRN, phDevNames, phDevMode);
}
