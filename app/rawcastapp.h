#pragma once

#include "platform/winapp.h"

#include <QStringList>

// The application: start-up, the command line, dropped files, About and exit.
class CRawcastApp : public CWinApp
{
public:
    CRawcastApp();
    ~CRawcastApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    void OnAppAbout();

    // The printer selection, as the form and the exit step use it.
    QString GetPrinterText();
    void RestorePrinterSelection();
    void SavePrinterSelection();
    void PrintSetup();

    // The words after the program's name.
    QStringList m_arguments;

    DECLARE_MESSAGE_MAP()

private:
    // Set by the print switches.
    bool m_bPrintRun = false;
    bool m_bPrintSucceeded = false;
};
