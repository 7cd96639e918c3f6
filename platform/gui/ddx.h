#pragma once

#include "platform/afxtypes.h"

#include <QString>

class CFormView;
class CListBox;
class CProgressCtrl;

// One run of data exchange between a form's controls and its members.
class CDataExchange
{
public:
    CDataExchange(CFormView* pDlgWnd, bool bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {}

    // Ends the exchange: UpdateData returns false.
    [[noreturn]] void Fail();

    bool m_bSaveAndValidate;
    CFormView* m_pDlgWnd;
};

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct CDataExchangeFailure
{};

void DDX_Control(CDataExchange* pDX, int nIDC, CListBox& control);
void DDX_Control(CDataExchange* pDX, int nIDC, CProgressCtrl& control);
// Unsigned decimal ("%lu"); on a rejected text the message box, then the focus back in
// the box with its whole text selected, then Fail.
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, QString& value);
