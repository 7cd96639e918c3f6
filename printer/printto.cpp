#include "printer/printto.h"

#include "platform/devnames.h"
#include "platform/printerpair.h"
#include "platform/spooler.h"

CommandLinePrinter::CommandLinePrinter(const QString& driver, const QString& device,
                                       const QString& port)
{
    if (device.isEmpty())
        return;
    m_hDevMode = AfxCreateDevMode(AfxGetSpooler(), device);
    if (!m_hDevMode)
        return;
    m_hDevNames = CreateDevNames(driver.toUtf8(), device.toUtf8(), port.toUtf8(), 0);
    if (!m_hDevNames)
        m_hDevMode = GlobalFree(m_hDevMode);
}

CommandLinePrinter::~CommandLinePrinter()
{
    GlobalFree(m_hDevNames);
    GlobalFree(m_hDevMode);
}

bool CommandLinePrinter::GetDeviceDefaults(PRINTDLG& pd) const
{
    if (!IsOpen())
        return false;
    pd.hDevNames = m_hDevNames;
    pd.hDevMode = m_hDevMode;
    return true;
}
