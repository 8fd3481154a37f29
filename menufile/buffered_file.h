#pragma once
// Writes to an open file in blocks of 4096 bytes and remembers the first
// error; the simulated full disk of the tests is applied here.
#include <windows.h>
#include <cstddef>
#include <cstdint>

namespace menufile {

class BufferedFile {
public:
    // limit: the bytes the file may take before a write fails as on a full disk.
    BufferedFile(HANDLE file, uint64_t limit);

    bool Write(const char* data, size_t size);
    // Writes what is buffered and asks the system to put it on the disk.
    bool Flush();
    DWORD error() const { return error_; }

    // The limit that kSimulatedDiskBytes sets, or no limit.
    static uint64_t SimulatedLimit();

private:
    bool WriteBuffer();

    HANDLE file_;
    uint64_t limit_;
    uint64_t written_ = 0;
    char buffer_[4096];
    size_t used_ = 0;
    DWORD error_ = NO_ERROR;
};

}  // namespace menufile
