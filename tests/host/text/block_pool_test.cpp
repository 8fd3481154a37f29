// The block pool behind CStr: blocks are reused per size step. (No program
// uses it from more than one thread.)
#include <gtest/gtest.h>

#include <cstring>

#include "resident/text/block_pool.h"

using resident::BlockPool;

TEST(BlockPool, ReusesFreedBlocksOfTheSameStep)
{
    BlockPool pool;
    void* first = pool.Allocate(20);
    pool.Free(first, 20);
    EXPECT_EQ(pool.Allocate(17), first) << "17 and 20 bytes share one step";
    void* other = pool.Allocate(24);
    EXPECT_NE(other, first);
    void* large = pool.Allocate(BlockPool::kLimit);
    std::memset(large, 1, BlockPool::kLimit);
    pool.Free(large, BlockPool::kLimit);
}
