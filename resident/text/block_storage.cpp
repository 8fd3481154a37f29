#include "resident/text/block_storage.h"

#include "resident/text/block_pool.h"

namespace resident {

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

}  // namespace resident
