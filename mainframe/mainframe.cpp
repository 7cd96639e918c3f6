#include "mainframe/mainframe.h"

#include "platform/gui/keystate.h"
#include "platform/strings.h"
#include "res/resource.h"

#include <QLabel>

const UINT CMainFrame::indicators[4] = {
    ID_SEPARATOR,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

CMainFrame::~CMainFrame() = default;

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    // No sizing border, no minimise and no maximise box.
    cs.style &= ~(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(CCreateContext* pContext)
{
    if (CFrameWnd::OnCreate(pContext) == -1)
        return -1;
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, 4))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                             CBRS_SIZE_DYNAMIC);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    SetMessageText(QString());
    OnKeyStateChange();
    return 0;
}

void CMainFrame::SetMessageText(const QString& text)
{
    if (m_wndStatusBar.GetCount() > 0)
        m_wndStatusBar.SetPaneText(0, text.isEmpty() ? AfxLoadString(AFX_IDS_IDLEMESSAGE) : text);
}

void CMainFrame::OnKeyStateChange()
{
    const KeyLockState state = AfxGetKeyLockState();
    const bool on[] = {state.caps, state.num, state.scroll};
    for (int pane = 1; pane < m_wndStatusBar.GetCount() && pane <= 3; ++pane)
        m_wndStatusBar.SetIndicatorOn(pane, state.known && on[pane - 1]);
}
