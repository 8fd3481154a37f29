// The block pool behind CStr: blocks are reused per size step and never
// overlap, from any thread.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

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

TEST(BlockPool, BlocksDoNotOverlapAcrossThreads)
{
    BlockPool pool;
    auto work = [&pool](unsigned char mark) {
        std::vector<unsigned char*> blocks;
        for (int round = 0; round < 200; ++round) {
            size_t size = 4 + (round * 4) % 300;
            auto* block = static_cast<unsigned char*>(pool.Allocate(size));
            std::memset(block, mark, size);
            blocks.push_back(block);
        }
        bool intact = true;
        for (size_t i = 0; i < blocks.size(); ++i) {
            size_t size = 4 + (i * 4) % 300;
            for (size_t b = 0; b < size; ++b)
                intact = intact && blocks[i][b] == mark;
            pool.Free(blocks[i], size);
        }
        return intact;
    };
    bool results[4] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] { results[t] = work(static_cast<unsigned char>(t + 1)); });
    for (auto& thread : threads)
        thread.join();
    for (bool intact : results)
        EXPECT_TRUE(intact);
}
