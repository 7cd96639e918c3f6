#include "output/printerjob.h"

CPrinterJob::~CPrinterJob()
{
    if (m_hPrinter) {
        m_spooler.EndPagePrinter(m_hPrinter);
        m_spooler.EndDocPrinter(m_hPrinter);
        m_spooler.ClosePrinter(m_hPrinter);
        m_hPrinter = nullptr;
    }
}
