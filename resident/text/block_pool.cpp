#include "resident/text/block_pool.h"

#include <new>

namespace resident {

size_t BlockPool::BlockSizeOf(size_t list)
{
    // Blocks hold a link while free and a pointer-aligned header in use.
    constexpr size_t align = alignof(void*);
    return ((list + 1) * 4 + align - 1) / align * align;
}

BlockPool::~BlockPool()
{
    while (chunks_) {
        Link* next = chunks_->next;
        ::operator delete(chunks_);
        chunks_ = next;
    }
}

void BlockPool::Refill(size_t list)
{
    // Carved from one chunk: a pool that never gives memory back gains
    // nothing from asking the heap for every block.
    size_t size = BlockSizeOf(list);
    char* chunk = static_cast<char*>(::operator new(kChunk));
    Link* head = reinterpret_cast<Link*>(chunk);
    head->next = chunks_;
    chunks_ = head;
    for (size_t offset = sizeof(Link); offset + size <= kChunk; offset += size) {
        Link* link = reinterpret_cast<Link*>(chunk + offset);
        link->next = lists_[list];
        lists_[list] = link;
    }
}

void* BlockPool::Allocate(size_t size)
{
    if (size >= kLimit)
        return ::operator new(size);
    size_t list = ListOf(size);
    std::lock_guard<std::mutex> guard(lock_);
    if (!lists_[list])
        Refill(list);
    Link* link = lists_[list];
    lists_[list] = link->next;
    return link;
}

void BlockPool::Free(void* block, size_t size)
{
    if (!block)
        return;
    if (size >= kLimit) {
        ::operator delete(block);
        return;
    }
    size_t list = ListOf(size);
    Link* link = static_cast<Link*>(block);
    std::lock_guard<std::mutex> guard(lock_);
    link->next = lists_[list];
    lists_[list] = link;
}

}  // namespace resident
