#pragma once

#include "platform/afxtypes.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <vector>

class CFrameWnd;
class QAction;
class QLabel;
class QStatusBar;
class QToolBar;
class QWidget;

inline constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | 0x0800;       // with a border below
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | 0x0200; // with a border above
inline constexpr DWORD CBRS_TOOLTIPS = 0x0010;
inline constexpr DWORD CBRS_FLYBY = 0x0020;
inline constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;

// A bar docked in a frame: the toolbar or the status bar.
class CControlBar
{
public:
    virtual ~CControlBar() = default;

    QWidget* GetSafeHwnd() const { return m_pWidget; }
    bool IsVisible() const;
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    void EnableDocking(DWORD dwDockStyle);
    // The buttons whose state follows the command route.
    virtual QList<QAction*> CommandActions() const { return {}; }

    UINT m_nID = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;

protected:
    QPointer<QWidget> m_pWidget;
    DWORD m_dwStyle = 0;
};

class CToolBar : public CControlBar
{
public:
    bool Create(CFrameWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Buttons and pictures of a toolbar resource and the bitmap of the same identifier.
    bool LoadToolBar(UINT nIDResource);
    QToolBar* GetToolBar() const;
    QList<QAction*> CommandActions() const override;
};

class CStatusBar : public CControlBar
{
public:
    bool Create(CFrameWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Pane 0 is the message pane (ID_SEPARATOR); the others show their string while
    // their indicator is on. False when a pane's string is missing.
    bool SetIndicators(const UINT* lpIDArray, int nIDCount);
    QStatusBar* GetStatusBar() const;

    int GetCount() const { return int(m_panes.size()); }
    UINT GetItemID(int index) const { return m_ids[index]; }
    QString GetPaneText(int index) const;
    void SetPaneText(int index, const QString& text);
    // Shows or blanks an indicator pane.
    void SetIndicatorOn(int index, bool on);

private:
    std::vector<UINT> m_ids;
    std::vector<QLabel*> m_panes;
    std::vector<QString> m_texts;
};
