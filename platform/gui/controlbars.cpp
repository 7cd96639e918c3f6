#include "platform/gui/controlbars.h"

#include "platform/gui/frame.h"
#include "platform/gui/images.h"
#include "platform/resources.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

bool CControlBar::IsVisible() const
{
    return m_pWidget && !m_pWidget->isHidden();
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    auto* toolBar = qobject_cast<QToolBar*>(m_pWidget.data());
    if (!toolBar)
        return;
    Qt::ToolBarAreas areas;
    if (dwDockStyle & CBRS_ALIGN_TOP)
        areas |= Qt::TopToolBarArea;
    if (dwDockStyle & CBRS_ALIGN_BOTTOM)
        areas |= Qt::BottomToolBarArea;
    if (dwDockStyle & CBRS_ALIGN_LEFT)
        areas |= Qt::LeftToolBarArea;
    if (dwDockStyle & CBRS_ALIGN_RIGHT)
        areas |= Qt::RightToolBarArea;
    toolBar->setAllowedAreas(areas);
    toolBar->setMovable(areas != Qt::NoToolBarArea);
    toolBar->setFloatable(areas != Qt::NoToolBarArea);
}

bool CToolBar::Create(CFrameWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd || !pParentWnd->GetMainWindow())
        return false;
    auto* toolBar = new QToolBar(pParentWnd->GetMainWindow());
    toolBar->setObjectName(QStringLiteral("toolbar%1").arg(nID));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setVisible((dwStyle & WS_VISIBLE) != 0);
    m_pWidget = toolBar;
    m_nID = nID;
    m_dwStyle = dwStyle;
    m_pDockSite = pParentWnd;
    pParentWnd->AddControlBar(this);
    pParentWnd->GetMainWindow()->addToolBar(
        (dwStyle & CBRS_ALIGN_BOTTOM) ? Qt::BottomToolBarArea : Qt::TopToolBarArea, toolBar);
    return true;
}

bool CToolBar::LoadToolBar(UINT nIDResource)
{
    QToolBar* toolBar = GetToolBar();
    const ToolBarTemplate* resource = AfxFindToolBar(nIDResource);
    const QPixmap bitmap = AfxLoadBitmap(nIDResource);
    if (!toolBar || !resource || bitmap.isNull() || resource->version != 1)
        return false;
    const QSize image(resource->width, resource->height);
    toolBar->setIconSize(image);
    int picture = 0;
    for (const WORD command : resource->items) {
        if (command == 0) {
            toolBar->addSeparator();
            continue;
        }
        const QPixmap icon =
            bitmap.copy(picture++ * image.width(), 0, image.width(), image.height());
        const QString prompt = AfxLoadString(command);
        auto* action = toolBar->addAction(QIcon(icon), prompt.section(QLatin1Char('\n'), 1, 1));
        action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
        action->setData(UINT(command));
        CFrameWnd* frame = m_pDockSite;
        QObject::connect(action, &QAction::triggered, toolBar,
                         [frame, command] { frame->OnCommand(command); });
    }
    return true;
}

QToolBar* CToolBar::GetToolBar() const
{
    return qobject_cast<QToolBar*>(m_pWidget.data());
}

QList<QAction*> CToolBar::CommandActions() const
{
    QList<QAction*> actions;
    if (QToolBar* toolBar = GetToolBar()) {
        for (QAction* action : toolBar->actions()) {
            if (!action->isSeparator())
                actions << action;
        }
    }
    return actions;
}

bool CStatusBar::Create(CFrameWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd || !pParentWnd->GetMainWindow())
        return false;
    auto* statusBar = new QStatusBar;
    statusBar->setObjectName(QStringLiteral("statusbar%1").arg(nID));
    statusBar->setSizeGripEnabled(false);
    pParentWnd->GetMainWindow()->setStatusBar(statusBar);
    statusBar->setVisible((dwStyle & WS_VISIBLE) != 0);
    m_pWidget = statusBar;
    m_nID = nID;
    m_dwStyle = dwStyle;
    m_pDockSite = pParentWnd;
    pParentWnd->AddControlBar(this);
    return true;
}

bool CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    QStatusBar* statusBar = GetStatusBar();
    if (!statusBar)
        return false;
    for (int i = 0; i < nIDCount; ++i) {
        const UINT id = lpIDArray[i];
        QString text;
        if (id != 0) {
            if (!AfxHasString(id))
                return false;
            text = AfxLoadString(id);
        }
        auto* pane = new QLabel(statusBar);
        pane->setObjectName(QStringLiteral("pane%1").arg(id));
        if (id == 0) {
            // The message pane takes what the others leave, and never less than a quarter
            // of the screen.
            const QScreen* screen = QGuiApplication::primaryScreen();
            pane->setMinimumWidth(screen ? screen->geometry().width() / 4 : 160);
            pane->setIndent(2);
            statusBar->addWidget(pane, 1);
        } else {
            pane->setFrameShape(QFrame::Panel);
            pane->setFrameShadow(QFrame::Sunken);
            pane->setAlignment(Qt::AlignCenter);
            pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
            statusBar->addPermanentWidget(pane);
        }
        m_ids.push_back(id);
        m_panes.push_back(pane);
        m_texts.push_back(text);
    }
    return true;
}

QStatusBar* CStatusBar::GetStatusBar() const
{
    return qobject_cast<QStatusBar*>(m_pWidget.data());
}

QString CStatusBar::GetPaneText(int index) const
{
    return m_panes[index]->text();
}

void CStatusBar::SetPaneText(int index, const QString& text)
{
    m_panes[index]->setText(text);
}

void CStatusBar::SetIndicatorOn(int index, bool on)
{
    SetPaneText(index, on ? m_texts[index] : QString());
}
