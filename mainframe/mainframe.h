#pragma once

#include "platform/gui/controlbars.h"
#include "platform/gui/frame.h"

// The program's one top-level window: fixed size, the form between a dockable toolbar
// and the status bar.
class CMainFrame : public CFrameWnd
{
public:
    CMainFrame() = default;
    ~CMainFrame() override;

    bool PreCreateWindow(CREATESTRUCT& cs) override;
    int OnCreate(CCreateContext* pContext) override;

    void SetMessageText(const QString& text) override;
    void OnKeyStateChange() override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    static const UINT indicators[4];
};
