#pragma once

#include <QByteArray>
#include <QString>

class CWinApp;

// The application's printer selection as text, restored at start and saved at exit.
// The application object offers these as its own operations.

// The printer text form "driver,device,port" of the current selection (through the
// query, so an empty or default-following selection first adopts the system's default
// printer); empty text when there is no printer.
QString GetPrinterText(CWinApp& app);

// Rebuilds the selection from [Default] Printer; failures are silent and install nothing.
void RestorePrinterSelection(CWinApp& app);

// The same from the stored text's bytes, for a text that has been read already.
void RestorePrinterSelection(CWinApp& app, const QByteArray& text);

// Writes the printer text form to [Default] Printer, empty when there is no printer.
void SavePrinterSelection(CWinApp& app);

// The print-setup command: the platform's dialog on the current selection.
void PrintSetup(CWinApp& app);
