#include "platform/gui/ddx.h"

#include "platform/ddxparse.h"
#include "platform/gui/controls.h"
#include "platform/gui/view.h"
#include "platform/msgbox.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void CDataExchange::Fail()
{
    throw CDataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int nIDC, CListBox& control)
{
    if (!control.GetSafeHwnd())
        control.Attach(qobject_cast<QListWidget*>(pDX->m_pDlgWnd->GetDlgItem(nIDC)));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CProgressCtrl& control)
{
    if (!control.GetSafeHwnd())
        control.Attach(qobject_cast<QProgressBar*>(pDX->m_pDlgWnd->GetDlgItem(nIDC)));
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    auto* edit = qobject_cast<QLineEdit*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (!edit)
        return;
    if (!pDX->m_bSaveAndValidate) {
        edit->setText(QString::number(value));
        return;
    }
    DWORD parsed = 0;
    if (!AfxParseUnsigned(edit->text(), parsed)) {
        AfxMessageBox(AFX_IDP_PARSE_UINT, MB_OK | MB_ICONEXCLAMATION);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        pDX->Fail();
    }
    value = parsed;
}

void DDX_Text(CDataExchange* pDX, int nIDC, QString& value)
{
    QWidget* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (pDX->m_bSaveAndValidate) {
            value = label->text();
        } else {
            label->setText(value);
            label->setToolTip(value);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (pDX->m_bSaveAndValidate)
            value = edit->text();
        else
            edit->setText(value);
    }
}
