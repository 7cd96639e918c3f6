#pragma once

#include "platform/afxtypes.h"
#include "platform/globalmem.h"
#include "platform/printdlg.h"

#include <QString>
#include <functional>
#include <memory>

class CRecentFileList;
class CWnd;

// The application object's GUI-free part: profile functions, recent-file list and the
// printer selection. The Widgets side (windows, message loop, document template) builds
// on it. There is one application object at a time, reached through AfxGetApp.
class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();

    // ---- Profile (one INI file, m_pszProfileName) -----------------------------------
    UINT GetProfileInt(const QString& section, const QString& entry, int nDefault);
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue = QString());
    bool WriteProfileInt(const QString& section, const QString& entry, int value);
    // A null entry deletes the whole section.
    bool WriteProfileString(const QString& section, const QString* entry, const QString& value);
    bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
    {
        return WriteProfileString(section, &entry, value);
    }

    // Recent-file list and print-preview page count.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(const QString& pathName);

    // ---- Printer selection ----------------------------------------------------------
    // Runs UpdatePrinterSelection (forced when nothing is held), then hands out the
    // held pair, unlocked and still owned by the application. False when there is none.
    bool GetPrinterDeviceDefaults(PRINTDLG& pd);
    void UpdatePrinterSelection(bool bForce);
    // Takes ownership of both handles; a replaced block is freed when bFreeOld.
    void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, bool bFreeOld = true);
    // The platform's print-setup command: the dialog on the current pair.
    void OnFilePrintSetup();
    int DoPrintDialog(PRINTDLG& pd);

    HGLOBAL m_hDevNames = nullptr;
    HGLOBAL m_hDevMode = nullptr;

    // ---- Application state ----------------------------------------------------------
    QString m_pszAppName;
    QString m_pszProfileName; // full path of the profile file
    int m_nCmdShow = -1;
    CWnd* m_pMainWnd = nullptr;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    UINT m_nNumPreviewPages = 0;
};

CWinApp* AfxGetApp();

// The Print Setup dialog seam: shows the dialog on pd's pair and leaves in pd the pair
// it hands back (on OK and on Cancel). Returns IDOK or IDCANCEL. The GUI installs the
// real dialog; without one, the pair comes back unchanged as on Cancel.
using PrintDialogHandler = std::function<int(PRINTDLG& pd)>;
PrintDialogHandler AfxSetPrintDialogHandler(PrintDialogHandler handler);
