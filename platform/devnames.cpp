#include "platform/devnames.h"

#include <cstring>
#include <limits>

namespace {

std::optional<QByteArray> stringAt(const unsigned char* record, std::size_t size, WORD offset)
{
    if (offset < DEVNAMES_HEADER_SIZE || offset >= size)
        return std::nullopt;
    const void* end = std::memchr(record + offset, '\0', size - offset);
    if (!end)
        return std::nullopt;
    const auto length = static_cast<const unsigned char*>(end) - (record + offset);
    return QByteArray(reinterpret_cast<const char*>(record + offset), length);
}

} // namespace

std::optional<DevNamesStrings> ReadDevNames(const void* record, std::size_t size)
{
    if (!record || size < DEVNAMES_HEADER_SIZE)
        return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(record);
    auto driver = stringAt(bytes, size, ReadWordLE(bytes + 0));
    auto device = stringAt(bytes, size, ReadWordLE(bytes + 2));
    auto port = stringAt(bytes, size, ReadWordLE(bytes + 4));
    if (!driver || !device || !port)
        return std::nullopt;
    return DevNamesStrings{std::move(*driver), std::move(*device), std::move(*port),
                           ReadWordLE(bytes + 6)};
}

std::optional<DevNamesStrings> ReadDevNames(HGLOBAL hDevNames)
{
    const CGlobalLock lock(hDevNames);
    if (!lock)
        return std::nullopt;
    return ReadDevNames(lock.data(), lock.size());
}

HGLOBAL CreateDevNames(const QByteArray& driver, const QByteArray& device, const QByteArray& port,
                       WORD flags)
{
    const std::size_t driverOffset = DEVNAMES_HEADER_SIZE;
    const std::size_t deviceOffset = driverOffset + driver.size() + 1;
    const std::size_t portOffset = deviceOffset + device.size() + 1;
    const std::size_t size = portOffset + port.size() + 1;
    if (portOffset > std::numeric_limits<WORD>::max())
        return nullptr;

    HGLOBAL block = GlobalAlloc(GHND, size);
    const CGlobalLock lock(block);
    if (!lock)
        return GlobalFree(block);
    auto* bytes = static_cast<unsigned char*>(lock.data());
    WriteWordLE(bytes + 0, WORD(driverOffset));
    WriteWordLE(bytes + 2, WORD(deviceOffset));
    WriteWordLE(bytes + 4, WORD(portOffset));
    WriteWordLE(bytes + 6, flags);
    // The block is zero-filled, so every string is already terminated.
    std::memcpy(bytes + driverOffset, driver.constData(), driver.size());
    std::memcpy(bytes + deviceOffset, device.constData(), device.size());
    std::memcpy(bytes + portOffset, port.constData(), port.size());
    return block;
}
