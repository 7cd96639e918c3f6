#pragma once

#include "platform/gui/dialogbuilder.h"
#include "platform/gui/wnd.h"

class QDialog;

// A modal dialog laid out from a dialog template; OK and Cancel end it.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    // IDOK or IDCANCEL; -1 when the template is missing.
    virtual int DoModal();
    QWidget* GetDlgItem(int nID) const { return m_builder.Item(nID); }

protected:
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;
    CDialogBuilder m_builder;
    QDialog* m_pDialog = nullptr;
};
