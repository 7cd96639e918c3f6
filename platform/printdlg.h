#pragma once

#include "platform/globalmem.h"

#include <QString>

// The two records of a printer selection.
//
// Device-names record: four 16-bit little-endian fields at offsets 0, 2, 4 and 6
// (driver, device and port offsets, flags), then the NUL-terminated strings.
//
// Device-mode record: opaque to the program except for its head, the device name as a
// NUL-terminated string (the whole CUPS destination name, "queue" or "queue/instance"),
// followed by the destination's default options as "name=value" strings, each
// NUL-terminated, and one more NUL.

inline constexpr WORD DN_DEFAULTPRN = 0x0001;
inline constexpr std::size_t DEVNAMES_HEADER_SIZE = 8;

struct DevNamesFields
{
    WORD wDriverOffset = 0;
    WORD wDeviceOffset = 0;
    WORD wOutputOffset = 0;
    WORD wDefault = 0;
};

inline WORD ReadWordLE(const void* p)
{
    const auto* b = static_cast<const unsigned char*>(p);
    return static_cast<WORD>(b[0] | (b[1] << 8));
}

inline void WriteWordLE(void* p, WORD value)
{
    auto* b = static_cast<unsigned char*>(p);
    b[0] = static_cast<unsigned char>(value & 0xFF);
    b[1] = static_cast<unsigned char>(value >> 8);
}

// Print dialog flags the platform's setup dialog is built with.
inline constexpr DWORD PD_ALLPAGES = 0x00000000;
inline constexpr DWORD PD_NOSELECTION = 0x00000004;
inline constexpr DWORD PD_NOPAGENUMS = 0x00000008;
inline constexpr DWORD PD_PRINTSETUP = 0x00000040;
inline constexpr DWORD PD_RETURNDEFAULT = 0x00000400;
inline constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;
inline constexpr DWORD PD_USEDEVMODECOPIES = 0x00040000;

struct PRINTDLG
{
    HGLOBAL hDevMode = nullptr;
    HGLOBAL hDevNames = nullptr;
    DWORD Flags = 0;
};

// The device name at the head of a device-mode record.
inline QString DevModeDeviceName(const void* record, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(record);
    std::size_t length = 0;
    while (length < size && bytes[length] != '\0')
        ++length;
    return QString::fromUtf8(bytes, static_cast<qsizetype>(length));
}
