#pragma once

#include "platform/globalmem.h"
#include "platform/printdlg.h"

#include <QString>

// A printer named on the command line, for one job: its pair is built from the names
// as given and never becomes the application's selection.
class CommandLinePrinter
{
public:
    CommandLinePrinter(const QString& driver, const QString& device, const QString& port);
    ~CommandLinePrinter();
    CommandLinePrinter(const CommandLinePrinter&) = delete;
    CommandLinePrinter& operator=(const CommandLinePrinter&) = delete;

    // The device opened and delivered its device-mode record.
    bool IsOpen() const { return m_hDevMode && m_hDevNames; }
    // Hands out the pair, still owned here; false when the printer did not open.
    bool GetDeviceDefaults(PRINTDLG& pd) const;

private:
    HGLOBAL m_hDevNames = nullptr;
    HGLOBAL m_hDevMode = nullptr;
};
