#include "app/rawcastapp.h"

#include "app/aboutdlg.h"
#include "doc/rawcastdoc.h"
#include "mainframe/mainframe.h"
#include "platform/gui/singledoctemplate.h"
#include "platform/gui/winapp_gui.h"
#include "platform/msgbox.h"
#include "printer/printerselection.h"
#include "res/resource.h"
#include "view/rawcastview.h"

#include <cstdio>

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
    LoadStdProfileSettings(8);
    RestorePrinterSelection();

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CRawcastDoc>(); },
        [] { return std::make_unique<CMainFrame>(); },
        [] { return std::make_unique<CRawcastView>(); }));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(m_arguments, cmdInfo);
    if (isPrintCommand(cmdInfo)) {
        // No window is shown: every message goes to standard error as well.
        m_bPrintRun = true;
        auto shown = std::make_shared<MessageBoxHandler>();
        *shown = AfxSetMessageBoxHandler([shown](const QString& caption, const QString& text,
                                                 UINT type) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
            return *shown ? (*shown)(caption, text, type) : IDOK;
        });
    }
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
