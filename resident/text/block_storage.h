#pragma once
// Storage of the shared contents of CStr values. Blocks are handed back
// with the size they were asked for.
#include <cstddef>

namespace resident {

void* AllocateBlock(size_t size);
void FreeBlock(void* block, size_t size);

}  // namespace resident
