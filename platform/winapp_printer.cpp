#include "platform/devnames.h"
#include "platform/printerpair.h"
#include "platform/winapp.h"

#include <utility>

namespace {

PrintDialogHandler& printDialogHandler()
{
    static PrintDialogHandler handler;
    return handler;
}

bool sameStrings(const DevNamesStrings& a, const DevNamesStrings& b)
{
    // Driver, device, port, in that order, byte for byte.
    return a.driver == b.driver && a.device == b.device && a.port == b.port;
}

} // namespace

// The handler frees no block: one it replaces by a new one is freed here, after it returns.
PrintDialogHandler AfxSetPrintDialogHandler(PrintDialogHandler handler)
{
    return std::exchange(printDialogHandler(), std::move(handler));
}

bool CWinApp::GetPrinterDeviceDefaults(PRINTDLG& pd)
{
    UpdatePrinterSelection(m_hDevNames == nullptr);
    if (!m_hDevNames)
        return false;
    pd.hDevNames = m_hDevNames;
    pd.hDevMode = m_hDevMode;
    return true;
}

void CWinApp::UpdatePrinterSelection(bool bForce)
{
    CSpooler& spooler = AfxGetSpooler();
    HGLOBAL devNames = nullptr;
    HGLOBAL devMode = nullptr;

    if (!bForce && m_hDevNames) {
        const std::optional<DevNamesStrings> held = ReadDevNames(m_hDevNames);
        // A record we cannot read names no printer we could compare; keep it as it is.
        if (!held || !(held->wDefault & DN_DEFAULTPRN))
            return;
        if (!AfxFetchDefaultPrinter(spooler, &devNames, &devMode)) {
            m_hDevNames = GlobalFree(m_hDevNames);
            m_hDevMode = GlobalFree(m_hDevMode);
            return;
        }
        const std::optional<DevNamesStrings> fetched = ReadDevNames(devNames);
        if (fetched && sameStrings(*held, *fetched)) {
            GlobalFree(devNames);
            GlobalFree(devMode);
            return;
        }
    } else {
        AfxFetchDefaultPrinter(spooler, &devNames, &devMode);
    }
    m_hDevNames = GlobalFree(m_hDevNames);
    m_hDevMode = GlobalFree(m_hDevMode);
    m_hDevNames = devNames;
    m_hDevMode = devMode;
}

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, bool bFreeOld)
{
    if (hDevNames != m_hDevNames) {
        if (bFreeOld)
            GlobalFree(m_hDevNames);
        m_hDevNames = hDevNames;
    }
    if (hDevMode != m_hDevMode) {
        if (bFreeOld)
            GlobalFree(m_hDevMode);
        m_hDevMode = hDevMode;
    }
}

void CWinApp::OnFilePrintSetup()
{
    PRINTDLG pd;
    pd.Flags = PD_PRINTSETUP | PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
               PD_HIDEPRINTTOFILE | PD_NOSELECTION;
    DoPrintDialog(pd);
}

int CWinApp::DoPrintDialog(PRINTDLG& pd)
{
    UpdatePrinterSelection(false);
    pd.hDevMode = m_hDevMode;
    pd.hDevNames = m_hDevNames;

    const PrintDialogHandler handler = printDialogHandler();
    const int result = handler ? handler(pd) : IDCANCEL;

    // Whatever the dialog hands back is the selection now, on OK and on Cancel; a block
    // it replaced is ours to free.
    SelectPrinter(pd.hDevNames, pd.hDevMode, true);
    return result == IDOK ? IDOK : IDCANCEL;
}
