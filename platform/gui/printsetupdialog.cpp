#include "platform/gui/printsetupdialog.h"

#include "platform/devnames.h"
#include "platform/gui/wnd.h"
#include "platform/printerpair.h"
#include "platform/strings.h"
#include "platform/winapp.h"
#include "res/resource.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIndexRole = Qt::UserRole;

} // namespace

CPrintSetupDialog::CPrintSetupDialog(std::vector<PrinterInfo> printers,
                                     const QString& currentDevice, QWidget* parent)
    : QDialog(parent), m_printers(std::move(printers))
{
    setWindowTitle(AfxLoadString(IDS_PRINT_SETUP_TITLE));

    auto* label = new QLabel(AfxLoadString(IDS_PRINT_SETUP_PRINTER), this);
    m_list = new QTreeWidget(this);
    label->setBuddy(m_list);
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels(
        {AfxLoadString(IDS_PRINT_SETUP_NAME), AfxLoadString(IDS_PRINT_SETUP_DRIVER),
         AfxLoadString(IDS_PRINT_SETUP_STATUS), AfxLoadString(IDS_PRINT_SETUP_LOCATION),
         AfxLoadString(IDS_PRINT_SETUP_URI)});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);

    for (std::size_t i = 0; i < m_printers.size(); ++i) {
        const PrinterInfo& printer = m_printers[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(ColumnName, printer.isDefault
                                      ? AfxLoadString(IDS_PRINT_SETUP_DEFAULT).arg(printer.name)
                                      : printer.name);
        item->setText(ColumnDriver, printer.makeModel);
        item->setText(ColumnStatus, printer.status);
        item->setText(ColumnLocation, printer.location);
        item->setText(ColumnUri, printer.port);
        item->setData(ColumnName, kIndexRole, int(i));
        if (printer.isDefault) {
            QFont bold = item->font(ColumnName);
            bold.setBold(true);
            item->setFont(ColumnName, bold);
        }
    }
    for (int column = 0; column < ColumnCount; ++column)
        m_list->resizeColumnToContents(column);

    m_none = new QLabel(AfxLoadString(IDS_PRINT_SETUP_NONE), this);
    m_none->setVisible(m_printers.empty());

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(AfxLoadString(IDS_PRINT_SETUP_OK));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(AfxLoadString(IDS_PRINT_SETUP_CANCEL));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(m_none);
    layout->addWidget(m_buttons);
    resize(640, 300);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            &CPrintSetupDialog::OnSelectionChanged);
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);

    if (!SelectPrinter(currentDevice)) {
        for (const PrinterInfo& printer : m_printers) {
            if (printer.isDefault) {
                SelectPrinter(printer.name);
                break;
            }
        }
    }
    OnSelectionChanged();
}

bool CPrintSetupDialog::SelectPrinter(const QString& name)
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (m_printers[std::size_t(item->data(ColumnName, kIndexRole).toInt())].name == name) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
            return true;
        }
    }
    return false;
}

std::optional<PrinterInfo> CPrintSetupDialog::GetSelectedPrinter() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_printers[std::size_t(selected.first()->data(ColumnName, kIndexRole).toInt())];
}

void CPrintSetupDialog::OnSelectionChanged()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(GetSelectedPrinter().has_value());
}

int DoPrintSetupDialog(PRINTDLG& pd, QWidget* parent)
{
    CSpooler& spooler = AfxGetSpooler();
    const std::optional<DevNamesStrings> current = ReadDevNames(pd.hDevNames);
    CPrintSetupDialog dialog(spooler.EnumPrinters(),
                             current ? QString::fromUtf8(current->device) : QString(), parent);

    const int result = AfxRunModal(dialog);
    if (result != QDialog::Accepted)
        return IDCANCEL;
    const std::optional<PrinterInfo> chosen = dialog.GetSelectedPrinter();
    if (!chosen)
        return IDCANCEL;
    // A printer chosen by the user is explicit: it stays when the system's default changes.
    HGLOBAL devNames = nullptr;
    HGLOBAL devMode = nullptr;
    if (!AfxCreatePrinterPair(spooler, *chosen, 0, &devNames, &devMode))
        return IDCANCEL;
    pd.hDevNames = devNames;
    pd.hDevMode = devMode;
    return IDOK;
}

void AfxInstallPrintSetupDialog()
{
    AfxSetPrintDialogHandler([](PRINTDLG& pd) {
        const CWnd* mainWnd = AfxGetMainWnd();
        return DoPrintSetupDialog(pd, mainWnd ? mainWnd->GetSafeHwnd() : nullptr);
    });
}
