#pragma once

#include "platform/globalmem.h"
#include "platform/spooler.h"

// Building the two records of a printer selection from the spooler.

// Opens deviceName, asks for the size of its device-mode record, allocates a movable
// zero-filled block of that size, lets the spooler fill it with the destination's current
// defaults and closes the printer again. Null when any step fails; nothing is left open,
// locked or allocated then.
HGLOBAL AfxCreateDevMode(CSpooler& spooler, const QString& deviceName);

// The pair for one destination: driver "cups" (as the spooler names it), the destination
// name as device, the device URI with any password masked as port, flags in wDefault;
// the device-mode record as AfxCreateDevMode builds it. False, with both handles null,
// when either record cannot be built.
bool AfxCreatePrinterPair(CSpooler& spooler, const PrinterInfo& printer, WORD flags,
                          HGLOBAL* phDevNames, HGLOBAL* phDevMode);

// The system's default printer as a default-following pair (DN_DEFAULTPRN); false when
// the system has none or it cannot be opened.
bool AfxFetchDefaultPrinter(CSpooler& spooler, HGLOBAL* phDevNames, HGLOBAL* phDevMode);
