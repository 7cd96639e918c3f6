#include "platform/gui/dialog.h"

#include "platform/resources.h"

#include <QDialog>

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(m_nIDTemplate);
    if (!dialogTemplate)
        return -1;
    CWnd* owner = AfxGetMainWnd();
    QDialog dialog(owner ? owner->GetSafeHwnd() : nullptr);
    m_pDialog = &dialog;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate->style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);
    dialog.setWindowTitle(
        QString::fromUtf8(dialogTemplate->caption ? dialogTemplate->caption : ""));
    m_builder.Build(*dialogTemplate, &dialog, [this](int id) {
        if (id == IDOK)
            OnOK();
        else if (id == IDCANCEL)
            OnCancel();
    });
    dialog.setFixedSize(m_builder.Size());
    OnInitDialog();
    const int result = AfxRunModal(dialog) == QDialog::Accepted ? IDOK : IDCANCEL;
    m_pDialog = nullptr;
    return result;
}

void CDialog::OnOK()
{
    if (m_pDialog)
        m_pDialog->accept();
}

void CDialog::OnCancel()
{
    if (m_pDialog)
        m_pDialog->reject();
}
