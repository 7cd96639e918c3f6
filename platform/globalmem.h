#pragma once

#include "platform/afxtypes.h"

#include <cstddef>

// Movable global memory blocks with lock counts, as the printer selection's
// records live in them.

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Null when the block cannot be allocated.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
// Null for a null handle; each lock must be matched by GlobalUnlock.
void* GlobalLock(HGLOBAL block);
// True while the block stays locked.
bool GlobalUnlock(HGLOBAL block);
// Null on success; a block still locked is freed all the same.
HGLOBAL GlobalFree(HGLOBAL block);
std::size_t GlobalSize(HGLOBAL block);
// The lock count.
UINT GlobalFlags(HGLOBAL block);

// Holds one lock for the length of a scope.
class CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL block) : m_block(block), m_pData(GlobalLock(block)) {}
    ~CGlobalLock()
    {
        if (m_pData)
            GlobalUnlock(m_block);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;

    void* data() const { return m_pData; }
    std::size_t size() const { return GlobalSize(m_block); }
    explicit operator bool() const { return m_pData != nullptr; }

private:
    HGLOBAL m_block;
    void* m_pData;
};
