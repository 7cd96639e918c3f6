#pragma once

#include "platform/afxtypes.h"
#include "platform/cmdtarget.h"
#include "platform/commandline.h"
#include "platform/doctemplate.h"
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
class CWinApp : public CCmdTarget
{
public:
    CWinApp();
    ~CWinApp() override;
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

    // ---- Documents, windows and the message loop (the Widgets side) ----------------
    void AddDocTemplate(std::unique_ptr<CDocTemplate> pTemplate);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    void OnFileNew();
    void OnFileOpen();
    // The open road: prepares the path, only activates the window when it is the open
    // document's, else opens it into the template's document. Null on failure.
    CDocument* OpenDocumentFile(const QString& fileName);
    bool ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Runs the message loop; its quit code.
    int Run();
    void OnAppExit();
    void OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    // Closes the document with its window and view.
    void CloseAllDocuments();

    CCommandLineInfo* m_pCmdInfo = nullptr;

    // ---- Application state ----------------------------------------------------------
    QString m_pszAppName;
    QString m_pszProfileName; // full path of the profile file
    int m_nCmdShow = -1;
    CWnd* m_pMainWnd = nullptr;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    UINT m_nNumPreviewPages = 0;
    std::unique_ptr<CDocTemplate> m_pDocTemplate;
};

CWinApp* AfxGetApp();

// The Print Setup dialog seam: shows the dialog on pd's pair and leaves in pd the pair
// it hands back (on OK and on Cancel). Returns IDOK or IDCANCEL. The GUI installs the
// real dialog; without one, the pair comes back unchanged as on Cancel.
using PrintDialogHandler = std::function<int(PRINTDLG& pd)>;
PrintDialogHandler AfxSetPrintDialogHandler(PrintDialogHandler handler);
