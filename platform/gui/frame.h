#pragma once

#include "platform/gui/wnd.h"
#include "res/resourcetypes.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class CDocument;
class CView;
class CControlBar;
class QAction;
class QKeyEvent;
class QMenu;

inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
inline constexpr DWORD FWS_PREFIXTITLE = 0x00004000;

// Show states.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;

struct CREATESTRUCT
{
    DWORD style = 0;
};

// What the frame needs to create its view.
struct CCreateContext
{
    std::function<std::unique_ptr<CView>()> m_pNewViewClass;
    CDocument* m_pCurrentDoc = nullptr;
};

class CFrameWnd;

// The frame's top-level window.
class CFrameWidget : public QMainWindow
{
    Q_OBJECT
public:
    explicit CFrameWidget(CFrameWnd& frame);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterFileDrop(QWidget* target, QEvent* event);

    CFrameWnd& m_frame;
};

// A main window: menu, accelerators, bars, the view as its client, the title, command
// routing (view, document, frame, application) and dropped files.
class CFrameWnd : public CWnd
{
public:
    CFrameWnd();
    ~CFrameWnd() override;

    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // Creates the window with menu, accelerators and icon nIDResource; calls OnCreate.
    bool LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CCreateContext* pContext);
    // Creates the view from the context; -1 makes the creation fail.
    virtual int OnCreate(CCreateContext* pContext);

    QMainWindow* GetMainWindow() const { return m_pWidget; }
    CView* GetActiveView() const { return m_pView.get(); }
    CDocument* GetActiveDocument() const;

    // After a New or an Open: the view's initial update, the title, and the first showing.
    void InitialUpdateFrame(CDocument* pDoc, bool bMakeVisible);
    void ActivateFrame(int nCmdShow = -1);
    void OnUpdateFrameTitle();
    void RecalcLayout();
    // Shrinks the window so that its client area is no larger than size (grows only
    // when bShrinkOnly is false). The window keeps that size: the user cannot resize it.
    void FitClientTo(QSize size, bool bShrinkOnly);

    // Sends a command along the route; then brings the bars' buttons up to date.
    void OnCommand(UINT nID);
    bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI) override;
    // Enables or disables and checks each item of a menu or bar by the route.
    void UpdateCommandItems(const QList<QAction*>& actions);

    void DragAcceptFiles(bool bAccept = true);
    virtual void OnDropFiles(const QStringList& paths);
    virtual void OnClose();

    // The accelerator table: a key of it is translated before the focused control sees it.
    bool TranslateAccelerator(const QKeyEvent& key) const;
    UINT AcceleratorCommand(const QKeyEvent& key) const;

    // The bars register themselves; the View menu toggles them by their identifier.
    void AddControlBar(CControlBar* bar);
    CControlBar* GetControlBar(UINT nID) const;
    void ShowControlBar(CControlBar* bar, bool bShow);
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* bar);

    void OnBarCheck(UINT nID);
    void OnBarCheckToolBar();
    void OnBarCheckStatusBar();
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

    // Status-bar prompt of a command ("Ready" when none), for menu items and buttons.
    virtual void SetMessageText(const QString& text);
    virtual void OnKeyStateChange() {}

    QString m_strTitle; // base title
    DWORD m_dwStyle = 0;
    bool m_bFirstShow = true;

    DECLARE_MESSAGE_MAP()

protected:
    void BuildMenu(const MenuTemplate& menu);

    CFrameWidget* m_pWidget = nullptr;
    std::unique_ptr<CView> m_pView;
    std::vector<AcceleratorEntry> m_accelerators;
    std::vector<CControlBar*> m_bars;
    DWORD m_dwDockStyle = 0;
    bool m_bAcceptFiles = false;
};

// Turns a key press into an accelerator key with FSHIFT/FCONTROL/FALT flags; 0 when
// the key has no virtual-key code here.
WORD AfxVirtualKeyOf(const QKeyEvent& key, BYTE& flags);

// A menu command's item while it is updated: gives the handler its action and menu.
class CMenuCmdUI : public CCmdUI
{
public:
    CMenuCmdUI(UINT nID, QAction* action, QMenu* menu)
        : CCmdUI(nID), m_pAction(action), m_pMenu(menu)
    {}
    void Enable(bool bOn = true) override;
    void SetCheck(int nCheck = 1) override;

    QAction* m_pAction;
    QMenu* m_pMenu;
};
