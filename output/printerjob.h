#pragma once

#include "platform/spooler.h"

// Owns the open spooler handle of one output job: a document that a failure left
// open is ended (not aborted) and the printer closed when the guard goes.
class CPrinterJob
{
public:
    explicit CPrinterJob(CSpooler& spooler) : m_spooler(spooler) {}
    virtual ~CPrinterJob();
    CPrinterJob(const CPrinterJob&) = delete;
    CPrinterJob& operator=(const CPrinterJob&) = delete;

    HANDLE m_hPrinter = nullptr;

private:
    CSpooler& m_spooler;
};
