#include "resident/text/block_storage.h"

#include <new>

#include "resident/text/block_pool.h"

// Under AddressSanitizer every block comes from the heap, so that a use
// after free or an overrun of a CStr is seen; the pool would hide both.
#if defined(__SANITIZE_ADDRESS__)
#define OMBRIX_TEXT_HEAP_BLOCKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OMBRIX_TEXT_HEAP_BLOCKS 1
#endif
#endif

namespace resident {

#ifdef OMBRIX_TEXT_HEAP_BLOCKS

void* AllocateBlock(size_t size)
{
    return ::operator new(size);
}

void FreeBlock(void* block, size_t size)
{
    ::operator delete(block);
}

#else

namespace {

// Made on first use and never destroyed: CStr values with static storage
// may outlive any other object.
BlockPool& ThePool()
{
    static BlockPool* pool = new BlockPool;
    return *pool;
}

}  // namespace

void* AllocateBlock(size_t size)
{
    return ThePool().Allocate(size);
}

void FreeBlock(void* block, size_t size)
{
    ThePool().Free(block, size);
}

#endif

}  // namespace resident
