#pragma once
// Where the benchmark's CStr values keep their contents.
enum class Storage { Pool, Heap };
void UseStorage(Storage storage);
