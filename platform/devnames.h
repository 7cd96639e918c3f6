#pragma once

#include "platform/globalmem.h"
#include "platform/printdlg.h"

#include <QByteArray>
#include <cstddef>
#include <optional>

// The three strings and the flags of a device-names record, as 8-bit text.
struct DevNamesStrings
{
    QByteArray driver;
    QByteArray device;
    QByteArray port;
    WORD wDefault = 0;
};

// Reads a device-names record of size bytes. Nothing when the header does not fit, an
// offset points outside the record or a string has no NUL inside it: the strings are
// never read past the record's end.
std::optional<DevNamesStrings> ReadDevNames(const void* record, std::size_t size);

// The same for a block; the block is locked only for the read.
std::optional<DevNamesStrings> ReadDevNames(HGLOBAL hDevNames);

// A movable block holding a device-names record in the platform's layout: the header,
// then driver, device and port back to back, each NUL-terminated. Null when it cannot
// be allocated or an offset would not fit its 16-bit field.
HGLOBAL CreateDevNames(const QByteArray& driver, const QByteArray& device, const QByteArray& port,
                       WORD flags);
