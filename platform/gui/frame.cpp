#include "platform/gui/frame.h"

#include "platform/document.h"
#include "platform/gui/controlbars.h"
#include "platform/gui/images.h"
#include "platform/gui/view.h"
#include "platform/resources.h"
#include "platform/winapp.h"
#include "res/resource.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>

// ---- The window ---------------------------------------------------------------------

CFrameWidget::CFrameWidget(CFrameWnd& frame) : m_frame(frame)
{
    setObjectName(QStringLiteral("mainFrame"));
}

bool CFrameWidget::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        m_frame.SetMessageText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate)
        m_frame.OnKeyStateChange();
    return QMainWindow::event(event);
}

void CFrameWidget::closeEvent(QCloseEvent* event)
{
    // The frame goes with its document, after this event is over.
    event->ignore();
    m_frame.OnClose();
}

namespace {
QStringList localFiles(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}
} // namespace

void CFrameWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptDrops() && !localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CFrameWidget::dropEvent(QDropEvent* event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (!acceptDrops() || paths.isEmpty())
        return;
    event->acceptProposedAction();
    m_frame.OnDropFiles(paths);
}

bool CFrameWidget::filterFileDrop(QWidget* target, QEvent* event)
{
    // Files dropped anywhere on the window are the window's, also over a control that
    // takes drops of its own (the edit box would take the names as text).
    if (target == this || target->window() != this || !acceptDrops())
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (localFiles(drop->mimeData()).isEmpty())
        return false;
    if (event->type() == QEvent::Drop)
        dropEvent(drop);
    else
        drop->acceptProposedAction();
    return true;
}

bool CFrameWidget::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* widget = qobject_cast<QWidget*>(watched);
        return (widget && filterFileDrop(widget, event)) ||
               QMainWindow::eventFilter(watched, event);
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::KeyRelease) {
        m_frame.OnKeyStateChange();
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const UINT command = m_frame.AcceleratorCommand(*key);
    if (command == 0) {
        if (type == QEvent::KeyPress)
            m_frame.OnKeyStateChange();
        return QMainWindow::eventFilter(watched, event);
    }
    // Translated before the focused control sees the key, even when nothing handles it.
    event->accept();
    if (type == QEvent::KeyPress)
        m_frame.OnCommand(command);
    return true;
}

// ---- The frame ----------------------------------------------------------------------

const CCmdTarget::MessageMapEntry kFrameEntries[] = {
    OnCommand(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheckToolBar),
    OnCommand(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheckStatusBar),
    OnUpdateCommandUi(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu),
    OnUpdateCommandUi(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu),
};
const CCmdTarget::MessageMap CFrameWnd::messageMap{&CCmdTarget::messageMap, kFrameEntries};

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    // The view goes first: its destructor may still use the document and the application.
    m_pView.reset();
    m_bars.clear();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= FWS_PREFIXTITLE;
    return true;
}

bool CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CCreateContext* pContext)
{
    CREATESTRUCT cs{dwDefaultStyle};
    if (!PreCreateWindow(cs))
        return false;
    m_dwStyle = cs.style;

    m_pWidget = new CFrameWidget(*this);
    Attach(m_pWidget);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_dwStyle & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_dwStyle & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (m_dwStyle & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    m_pWidget->setWindowFlags(flags);

    m_strTitle = AfxLoadString(nIDResource).section(QLatin1Char('\n'), 0, 0);
    m_pWidget->setWindowTitle(m_strTitle);
    m_pWidget->setWindowIcon(AfxLoadIcon(nIDResource));
    if (const MenuTemplate* menu = AfxFindMenu(nIDResource))
        BuildMenu(*menu);
    if (const AcceleratorTable* table = AfxFindAccelerators(nIDResource))
        m_accelerators.assign(table->entries.begin(), table->entries.end());

    // The system's default size; the first initial update fits it to the view.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size();
        m_pWidget->resize(available.width() * 3 / 4, available.height() * 3 / 4);
    }
    qApp->installEventFilter(m_pWidget);

    if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd)
        app->m_pMainWnd = this;
    if (OnCreate(pContext) == -1) {
        if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
            app->m_pMainWnd = nullptr;
        m_pView.reset();
        m_bars.clear();
        DestroyWindow();
        m_pWidget = nullptr;
        return false;
    }
    return true;
}

int CFrameWnd::OnCreate(CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return 0;
    m_pView = pContext->m_pNewViewClass();
    if (!m_pView)
        return -1;
    m_pView->m_pDocument = pContext->m_pCurrentDoc;
    if (CDocument* doc = pContext->m_pCurrentDoc)
        doc->SetTitleHandler([this](const CDocument&) { OnUpdateFrameTitle(); });
    m_pView->m_pFrame = this;
    QWidget* client = m_pView->Create(m_pWidget);
    if (!client)
        return -1;
    // The client passes the focus on to its controls and takes none itself.
    client->setFocusPolicy(Qt::NoFocus);
    m_pWidget->setCentralWidget(client);
    return 0;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pView ? m_pView->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, bool bMakeVisible)
{
    if (m_pView)
        m_pView->OnInitialUpdate();
    OnUpdateFrameTitle();
    if (bMakeVisible) {
        CWinApp* app = AfxGetApp();
        int nCmdShow = -1;
        if (m_bFirstShow && app) {
            nCmdShow = app->m_nCmdShow;
            app->m_nCmdShow = -1;
        }
        m_bFirstShow = false;
        ActivateFrame(nCmdShow);
    }
    for (CControlBar* bar : m_bars)
        UpdateCommandItems(bar->CommandActions());
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (!m_pWidget)
        return;
    switch (nCmdShow) {
    case SW_HIDE:
        m_pWidget->hide();
        return;
    case SW_SHOWMINIMIZED:
        m_pWidget->showMinimized();
        return;
    case SW_SHOWMAXIMIZED:
        m_pWidget->showMaximized();
        break;
    default:
        if (m_pWidget->isHidden() || nCmdShow == SW_SHOWNORMAL)
            m_pWidget->show();
        break;
    }
    m_pWidget->raise();
    m_pWidget->activateWindow();
}

void CFrameWnd::OnUpdateFrameTitle()
{
    if (!m_pWidget)
        return;
    CDocument* doc = GetActiveDocument();
    if (!(m_dwStyle & FWS_ADDTOTITLE) || !doc) {
        m_pWidget->setWindowTitle(m_strTitle);
        return;
    }
    const QString docTitle = doc->GetTitle();
    m_pWidget->setWindowTitle((m_dwStyle & FWS_PREFIXTITLE)
                                  ? docTitle + QStringLiteral(" - ") + m_strTitle
                                  : m_strTitle + QStringLiteral(" - ") + docTitle);
}

void CFrameWnd::RecalcLayout()
{
    if (m_pWidget && m_pWidget->layout()) {
        m_pWidget->layout()->invalidate();
        m_pWidget->layout()->activate();
    }
}

void CFrameWnd::FitClientTo(QSize size, bool bShrinkOnly)
{
    if (!m_pWidget || !m_pWidget->centralWidget())
        return;
    RecalcLayout();
    const QSize client = m_pWidget->centralWidget()->size();
    QSize window = m_pWidget->size();
    const int dx = client.width() - size.width();
    const int dy = client.height() - size.height();
    if (dx > 0 || !bShrinkOnly)
        window.rwidth() -= dx;
    if (dy > 0 || !bShrinkOnly)
        window.rheight() -= dy;
    if (m_dwStyle & WS_THICKFRAME) {
        m_pWidget->resize(window);
    } else {
        m_pWidget->setFixedSize(window);
    }
    RecalcLayout();
}

void CFrameWnd::OnCommand(UINT nID)
{
    OnCmdMsg(nID, CN_COMMAND, nullptr);
    for (CControlBar* bar : m_bars)
        UpdateCommandItems(bar->CommandActions());
}

bool CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    if (m_pView && m_pView->OnCmdMsg(nID, nCode, pCmdUI))
        return true;
    if (CDocument* doc = GetActiveDocument(); doc && doc->OnCmdMsg(nID, nCode))
        return true;
    if (CCmdTarget::OnCmdMsg(nID, nCode, pCmdUI))
        return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pCmdUI);
}

void CFrameWnd::UpdateCommandItems(const QList<QAction*>& actions)
{
    // An update may replace items of its menu (the recent-file entries): guard the rest.
    QList<QPointer<QAction>> guarded;
    for (QAction* action : actions)
        guarded << action;
    for (QAction* action : guarded) {
        if (!action || action->isSeparator() || action->menu() || !action->data().isValid())
            continue;
        const UINT id = action->data().toUInt();
        CMenuCmdUI ui(id, action, qobject_cast<QMenu*>(action->parent()));
        if (!OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui))
            action->setEnabled(false);
    }
}

void CFrameWnd::DragAcceptFiles(bool bAccept)
{
    m_bAcceptFiles = bAccept;
    if (m_pWidget)
        m_pWidget->setAcceptDrops(bAccept);
}

void CFrameWnd::OnDropFiles(const QStringList& paths)
{
    if (m_pWidget)
        m_pWidget->activateWindow();
    CWinApp* app = AfxGetApp();
    for (const QString& path : paths) {
        if (app)
            app->OpenDocumentFile(path);
    }
}

void CFrameWnd::OnClose()
{
    if (CWinApp* app = AfxGetApp())
        app->OnAppExit();
}

WORD AfxVirtualKeyOf(const QKeyEvent& key, BYTE& flags)
{
    flags = FVIRTKEY;
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (modifiers & Qt::ShiftModifier)
        flags |= FSHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= FCONTROL;
    if (modifiers & Qt::AltModifier)
        flags |= FALT;
    const int code = key.key();
    if ((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9))
        return WORD(code);
    switch (code) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_F6:
        return VK_F6;
    default:
        return 0;
    }
}

UINT CFrameWnd::AcceleratorCommand(const QKeyEvent& key) const
{
    BYTE flags = 0;
    const WORD vk = AfxVirtualKeyOf(key, flags);
    if (vk == 0)
        return 0;
    for (const AcceleratorEntry& entry : m_accelerators) {
        if (entry.key == vk && (entry.fVirt | FVIRTKEY) == flags)
            return entry.cmd;
    }
    return 0;
}

bool CFrameWnd::TranslateAccelerator(const QKeyEvent& key) const
{
    return AcceleratorCommand(key) != 0;
}

void CFrameWnd::AddControlBar(CControlBar* bar)
{
    m_bars.push_back(bar);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    for (CControlBar* bar : m_bars) {
        if (bar->m_nID == nID)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, bool bShow)
{
    if (!bar || !bar->GetSafeHwnd())
        return;
    bar->GetSafeHwnd()->setVisible(bShow);
    RecalcLayout();
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
}

void CFrameWnd::DockControlBar(CControlBar* bar)
{
    auto* toolBar = bar ? qobject_cast<QToolBar*>(bar->GetSafeHwnd()) : nullptr;
    if (!toolBar || !m_pWidget)
        return;
    const Qt::ToolBarArea area =
        (bar->m_dwDockStyle & CBRS_ALIGN_TOP) && (m_dwDockStyle & CBRS_ALIGN_TOP)
            ? Qt::TopToolBarArea
            : m_pWidget->toolBarArea(toolBar);
    m_pWidget->addToolBar(area, toolBar);
}

void CFrameWnd::OnBarCheck(UINT nID)
{
    if (CControlBar* bar = GetControlBar(nID))
        ShowControlBar(bar, !bar->IsVisible());
}

void CFrameWnd::OnBarCheckToolBar()
{
    OnBarCheck(ID_VIEW_TOOLBAR);
}

void CFrameWnd::OnBarCheckStatusBar()
{
    OnBarCheck(ID_VIEW_STATUS_BAR);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(bar != nullptr);
    pCmdUI->SetCheck(bar && bar->IsVisible() ? 1 : 0);
}

void CFrameWnd::SetMessageText(const QString&) {}

void CFrameWnd::BuildMenu(const MenuTemplate& menu)
{
    QMenuBar* bar = m_pWidget->menuBar();
    std::size_t index = 0;
    const auto items = menu.items;
    std::function<void(QWidget*)> level = [&](QWidget* parent) {
        while (index < items.size()) {
            const MenuItemTemplate& item = items[index++];
            const QString text = QString::fromUtf8(item.text ? item.text : "");
            if (item.flags & MF_POPUP) {
                auto* popup = new QMenu(text, parent);
                if (auto* menuBar = qobject_cast<QMenuBar*>(parent))
                    menuBar->addMenu(popup);
                else
                    static_cast<QMenu*>(parent)->addMenu(popup);
                QObject::connect(popup, &QMenu::aboutToShow, popup,
                                 [this, popup] { UpdateCommandItems(popup->actions()); });
                level(popup);
            } else if (auto* popup = qobject_cast<QMenu*>(parent)) {
                if (item.flags & MF_SEPARATOR) {
                    popup->addSeparator();
                } else {
                    QAction* action = popup->addAction(text);
                    action->setData(item.id);
                    action->setProperty("templateText", text);
                    action->setStatusTip(AfxLoadString(item.id).section(QLatin1Char('\n'), 0, 0));
                    action->setEnabled(!(item.flags & MF_GRAYED));
                    QObject::connect(action, &QAction::triggered, popup,
                                     [this, action] { OnCommand(action->data().toUInt()); });
                }
            }
            if (item.flags & MF_END)
                return;
        }
    };
    level(bar);
}

void CMenuCmdUI::Enable(bool bOn)
{
    CCmdUI::Enable(bOn);
    if (m_pAction)
        m_pAction->setEnabled(bOn);
}

void CMenuCmdUI::SetCheck(int nCheck)
{
    CCmdUI::SetCheck(nCheck);
    if (m_pAction) {
        m_pAction->setCheckable(true);
        m_pAction->setChecked(nCheck != 0);
    }
}
