#include "platform/globalmem.h"

#include <cstdlib>
#include <cstring>
#include <new>

struct GlobalBlock
{
    std::size_t size;
    UINT lockCount;
    unsigned char* data;
};

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes)
{
    auto* block = new (std::nothrow) GlobalBlock{bytes, 0, nullptr};
    if (!block)
        return nullptr;
    // A zero-byte block still has an address to lock.
    block->data =
        static_cast<unsigned char*>((flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1)
                                                            : std::malloc(bytes ? bytes : 1));
    if (!block->data) {
        delete block;
        return nullptr;
    }
    return block;
}

void* GlobalLock(HGLOBAL block)
{
    if (!block)
        return nullptr;
    ++block->lockCount;
    return block->data;
}

bool GlobalUnlock(HGLOBAL block)
{
    if (!block || block->lockCount == 0)
        return false;
    return --block->lockCount > 0;
}

HGLOBAL GlobalFree(HGLOBAL block)
{
    if (block) {
        std::free(block->data);
        delete block;
    }
    return nullptr;
}

std::size_t GlobalSize(HGLOBAL block)
{
    return block ? block->size : 0;
}

UINT GlobalFlags(HGLOBAL block)
{
    return block ? block->lockCount : 0;
}
