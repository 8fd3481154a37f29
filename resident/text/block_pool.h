#pragma once
// Free lists for small blocks: one list per size step of four bytes below
// kLimit. Freed blocks go back to their list and are never returned to the
// heap; larger requests go to the heap directly. Safe to use from any thread.
#include <cstddef>
#include <mutex>

namespace resident {

class BlockPool {
public:
    static constexpr size_t kLimit = 320;

    BlockPool() = default;
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    void* Allocate(size_t size);
    void Free(void* block, size_t size);

private:
    static constexpr size_t kLists = kLimit / 4;
    static constexpr size_t kChunk = 4096;
    struct Link {
        Link* next;
    };
    static size_t ListOf(size_t size) { return size == 0 ? 0 : (size - 1) / 4; }
    static size_t BlockSizeOf(size_t list);
    void Refill(size_t list);

    std::mutex lock_;
    Link* lists_[kLists] = {};
    Link* chunks_ = nullptr;
};

}  // namespace resident
