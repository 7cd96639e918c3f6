#pragma once

#include "platform/printdlg.h"
#include "platform/spooler.h"

#include <QDialog>
#include <optional>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QTreeWidget;

// The Print Setup dialog: the CUPS destinations with their driver, status, location and
// device URI, the default marked, opened on the current printer.
class CPrintSetupDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column
    {
        ColumnName,
        ColumnDriver,
        ColumnStatus,
        ColumnLocation,
        ColumnUri,
        ColumnCount
    };

    // currentDevice: the device string of the current selection; when no destination has
    // that name, the default one is selected.
    CPrintSetupDialog(std::vector<PrinterInfo> printers, const QString& currentDevice,
                      QWidget* parent = nullptr);

    // Selects the destination of that name; false when there is none.
    bool SelectPrinter(const QString& name);
    // The destination chosen in the list, if any.
    std::optional<PrinterInfo> GetSelectedPrinter() const;

    QTreeWidget* GetPrinterList() const { return m_list; }
    QDialogButtonBox* GetButtons() const { return m_buttons; }

private:
    void OnSelectionChanged();

    std::vector<PrinterInfo> m_printers;
    QTreeWidget* m_list = nullptr;
    QLabel* m_none = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// The dialog on pd's pair, run modally through AfxRunModal. OK puts a new explicit pair
// of the chosen destination in pd and returns IDOK; Cancel, a closed dialog or a
// destination that cannot be opened leave pd as it was and return IDCANCEL. No block is
// freed here (the application frees what it replaces).
int DoPrintSetupDialog(PRINTDLG& pd, QWidget* parent = nullptr);

// Makes this dialog the application's Print Setup dialog (AfxSetPrintDialogHandler).
void AfxInstallPrintSetupDialog();
