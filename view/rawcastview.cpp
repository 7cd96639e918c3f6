#include "view/rawcastview.h"

#include "doc/rawcastdoc.h"
#include "platform/filedialog.h"
#include "platform/gui/frame.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "printer/printerselection.h"
#include "printer/printto.h"
#include "res/resource.h"
#include "settings/settings.h"

#include <QLabel>

namespace {
const CCmdTarget::MessageMapEntry kViewEntries[] = {
    OnCommand(IDC_ADD, &CRawcastView::OnAdd),
    OnCommand(IDC_INS, &CRawcastView::OnIns),
    OnCommand(IDC_DEL, &CRawcastView::OnDel),
    OnCommand(IDC_OUTPUT, &CRawcastView::OnOutput),
    OnCommand(ID_FILE_PRINT_SETUP, &CRawcastView::OnFilePrintSetup),
    OnCommand(ID_FILE_PRINT, &CRawcastView::OnPrintOutput),
    OnCommand(ID_FILE_PRINT_DIRECT, &CRawcastView::OnFilePrintDirect),
};

// The chosen file's full path, from the dialog of Add and Ins.
std::optional<QString> chooseFile()
{
    FileDialogRequest request; // default title, all files, no existence check
    return AfxRunFileDialog(request);
}
} // namespace

const CCmdTarget::MessageMap CRawcastView::messageMap{&CCmdTarget::messageMap, kViewEntries};

CRawcastView::CRawcastView() : CFormView(IDD_RAWCAST_FORM)
{
    m_blockSize = 10;
    UpdateTargetPort();
    if (CWinApp* app = AfxGetApp())
        m_blockSize = RawcastSettings::ReadBlockSize(*app);
}

CRawcastView::~CRawcastView()
{
    if (CWinApp* app = AfxGetApp())
        RawcastSettings::WriteBlockSize(*app, m_blockSize);
}

CRawcastDoc* CRawcastView::GetDocument() const
{
    return dynamic_cast<CRawcastDoc*>(m_pDocument);
}

void CRawcastView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_FILE_LIST, m_list);
    DDX_Text(pDX, IDC_BLOCK_SIZE, m_blockSize);
    DDX_Text(pDX, IDC_TARGET_PORT, m_port);
    DDX_Text(pDX, IDC_PERCENT, m_percent);
}

void CRawcastView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->RecalcLayout();
        ResizeParentToFit();
    }
    m_list.ResetContent();
    if (const CRawcastDoc* doc = GetDocument()) {
        for (const QString& path : doc->m_files)
            m_list.AddString(path);
    }
}

void CRawcastView::UpdateTargetPort()
{
    CWinApp* app = AfxGetApp();
    m_port = app ? GetPrinterText(*app) : QString();
}

void CRawcastView::OnAdd()
{
    if (const std::optional<QString> path = chooseFile())
        m_list.AddString(*path);
}

void CRawcastView::OnIns()
{
    const std::optional<QString> path = chooseFile();
    if (!path)
        return;
    const int selected = m_list.GetCurSel();
    const int index = selected < 0 ? m_list.GetCount() : selected;
    m_list.InsertString(index, *path);
    if (selected >= 0)
        m_list.SetCurSel(index + 1);
}

void CRawcastView::OnDel()
{
    const int selected = m_list.GetCurSel();
    if (selected < 0)
        return;
    const int left = m_list.DeleteString(selected);
    m_list.SetCurSel(std::min(selected, left - 1));
}

void CRawcastView::OnOutput()
{
    UpdateData(true);
    CWinApp* app = AfxGetApp();
    RunJob([app](PRINTDLG& pd) { return app && app->GetPrinterDeviceDefaults(pd); });
}

void CRawcastView::OnFilePrintSetup()
{
    if (CWinApp* app = AfxGetApp())
        PrintSetup(*app);
    UpdateTargetPort();
    UpdateData(false);
}

void CRawcastView::OnPrintOutput()
{
    UpdateTargetPort();
    ShowLabel(IDC_TARGET_PORT, m_port);
    OnOutput();
}

void CRawcastView::OnFilePrintDirect()
{
    CWinApp* app = AfxGetApp();
    const CCommandLineInfo* info = app ? app->m_pCmdInfo : nullptr;
    if (!info || info->m_nShellCommand != CCommandLineInfo::FilePrintTo) {
        OnOutput();
        return;
    }
    UpdateData(true);
    // The printer the command line names, for this job only.
    CommandLinePrinter printer(info->m_strDriverName, info->m_strPrinterName, info->m_strPortName);
    if (!printer.IsOpen()) {
        if (m_list.GetCount() > 0)
            AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
        m_lastJob = OutputResult{};
        m_lastJob.failed = true;
        return;
    }
    RunJob([&printer](PRINTDLG& pd) { return printer.GetDeviceDefaults(pd); });
}

void CRawcastView::RunJob(PrinterQuery query)
{
    COutputJob job(*this, m_blockSize, std::move(query), *this);
    m_lastJob = job.Run();
}

int CRawcastView::GetCount() const
{
    return m_list.GetCount();
}

QString CRawcastView::GetText(int index) const
{
    return m_list.GetText(index);
}

void CRawcastView::SetPos(int position)
{
    m_progress.SetPos(position);
}

void CRawcastView::SetRange(int lower, int upper)
{
    m_progress.SetRange(lower, upper);
}

void CRawcastView::SetPercent(const QString& text)
{
    m_percent = text;
    ShowLabel(IDC_PERCENT, m_percent);
}

void CRawcastView::ShowLabel(int nID, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(GetDlgItem(nID))) {
        label->setText(text);
        label->setToolTip(text);
        // Shown now: a running job does not return to the event loop.
        label->repaint();
    }
}
