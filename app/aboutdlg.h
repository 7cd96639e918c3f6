#pragma once

#include "platform/gui/dialog.h"
#include "res/resource.h"

// The About box: everything it shows is in its template.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
