#include "platform/spooler.h"

#include "platform/cups_spooler.h"

namespace {
CSpooler*& installedSpooler()
{
    static CSpooler* spooler = nullptr;
    return spooler;
}
} // namespace

CSpooler& AfxGetSpooler()
{
    if (auto* spooler = installedSpooler())
        return *spooler;
    static CCupsSpooler cups;
    return cups;
}

CSpooler* AfxSetSpooler(CSpooler* spooler)
{
    CSpooler* previous = installedSpooler();
    installedSpooler() = spooler;
    return previous;
}
