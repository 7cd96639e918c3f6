#include "app/rawcastapp.h"

#include "app/aboutdlg.h"
#include "doc/rawcastdoc.h"
#include "mainframe/mainframe.h"
#include "platform/gui/singledoctemplate.h"
#include "platform/gui/winapp_gui.h"
#include "printer/printerselection.h"
#include "res/resource.h"
#include "view/rawcastview.h"

namespace {
const CCmdTarget::MessageMapEntry kAppEntries[] = {
    OnCommand(ID_APP_ABOUT, &CRawcastApp::OnAppAbout),
    OnCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
    OnCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
};

bool isPrintCommand(const CCommandLineInfo& info)
{
    return info.m_nShellCommand == CCommandLineInfo::FilePrint ||
           info.m_nShellCommand == CCommandLineInfo::FilePrintTo;
}
} // namespace

const CCmdTarget::MessageMap CRawcastApp::messageMap{&AfxWinAppMessageMap, kAppEntries};

CRawcastApp::CRawcastApp() = default;
CRawcastApp::~CRawcastApp() = default;

bool CRawcastApp::InitInstance()
{
    // Dialogs and controls have the toolkit's own look here: nothing to enable first.
    LoadStdProfileSettings(8);
    RestorePrinterSelection();

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CRawcastDoc>(); },
        [] { return std::make_unique<CMainFrame>(); },
        [] { return std::make_unique<CRawcastView>(); }));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(m_arguments, cmdInfo);
    // The print switches: the exit code tells whether the list reached the printer whole.
    m_bPrintRun = isPrintCommand(cmdInfo);
    const bool processed = ProcessShellCommand(cmdInfo);
    if (m_bPrintRun) {
        auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
        auto* view = frame ? dynamic_cast<CRawcastView*>(frame->GetActiveView()) : nullptr;
        m_bPrintSucceeded = view && view->m_lastJob.SentWhole();
    }
    if (!processed)
        return false;
    // "dde" and "Unregister" leave no window: a quiet end.
    auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
    if (!frame)
        return false;
    frame->DragAcceptFiles(true);
    return true;
}

int CRawcastApp::ExitInstance()
{
    SavePrinterSelection();
    const int code = CWinApp::ExitInstance();
    if (m_bPrintRun)
        return m_bPrintSucceeded ? 0 : 1;
    return code;
}

void CRawcastApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

QString CRawcastApp::GetPrinterText()
{
    return ::GetPrinterText(*this);
}

void CRawcastApp::RestorePrinterSelection()
{
    ::RestorePrinterSelection(*this);
}

void CRawcastApp::SavePrinterSelection()
{
    ::SavePrinterSelection(*this);
}

void CRawcastApp::PrintSetup()
{
    ::PrintSetup(*this);
}
