#include "platform/gui/view.h"

#include "platform/gui/frame.h"
#include "platform/resources.h"

#include <QScrollArea>

void CView::SendCommand(UINT nID)
{
    if (m_pFrame)
        m_pFrame->OnCommand(nID);
    else
        OnCmdMsg(nID, CN_COMMAND, nullptr);
}

QWidget* CFormView::Create(QWidget* parent)
{
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    m_pForm = new QWidget;
    if (const DialogTemplate* dialog = AfxFindDialogTemplate(m_nIDTemplate)) {
        m_builder.Build(*dialog, m_pForm, [this](int id) { SendCommand(UINT(id)); });
        m_pForm->setFixedSize(m_builder.Size());
    }
    scroll->setWidget(m_pForm);
    Attach(scroll);
    return scroll;
}

bool CFormView::UpdateData(bool bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchangeFailure&) {
        return false;
    }
    return true;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
}

void CFormView::ResizeParentToFit(bool bShrinkOnly)
{
    if (!m_pFrame || !m_hWnd)
        return;
    m_pFrame->FitClientTo(GetTotalSize(), bShrinkOnly);
}
