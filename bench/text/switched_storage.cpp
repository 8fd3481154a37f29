#include "bench/text/switched_storage.h"

#include <new>

#include "resident/text/block_pool.h"
#include "resident/text/block_storage.h"

namespace {

Storage current = Storage::Pool;

resident::BlockPool& ThePool()
{
    static resident::BlockPool* pool = new resident::BlockPool;
    return *pool;
}

}  // namespace

void UseStorage(Storage storage)
{
    current = storage;
}

namespace resident {

void* AllocateBlock(size_t size)
{
    return current == Storage::Pool ? ThePool().Allocate(size) : ::operator new(size);
}

void FreeBlock(void* block, size_t size)
{
    if (current == Storage::Pool)
        ThePool().Free(block, size);
    else
        ::operator delete(block);
}

}  // namespace resident
