#include "menufile/buffered_file.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include "menufile/menu_file_saver.h"

namespace menufile {

const char kSimulatedDiskBytes[] = "OMBRIX_SIMULATED_DISK_BYTES";

BufferedFile::BufferedFile(HANDLE file, uint64_t limit) : file_(file), limit_(limit) {}

uint64_t BufferedFile::SimulatedLimit()
{
    char value[32];
    DWORD length = GetEnvironmentVariableA(kSimulatedDiskBytes, value, sizeof value);
    if (length == 0 || length >= sizeof value)
        return UINT64_MAX;
    return std::strtoull(value, nullptr, 10);
}

bool BufferedFile::Write(const char* data, size_t size)
{
    while (size > 0 && error_ == NO_ERROR) {
        size_t part = std::min(size, sizeof buffer_ - used_);
        memcpy(buffer_ + used_, data, part);
        used_ += part;
        data += part;
        size -= part;
        if (used_ == sizeof buffer_)
            WriteBuffer();
    }
    return error_ == NO_ERROR;
}

bool BufferedFile::WriteBuffer()
{
    // A full disk takes what fits and refuses the rest.
    DWORD size = static_cast<DWORD>(std::min<uint64_t>(used_, limit_ - std::min(limit_, written_)));
    DWORD written = 0;
    if (error_ == NO_ERROR && used_ > 0 &&
        (!WriteFile(file_, buffer_, size, &written, nullptr) || written != size))
        error_ = GetLastError() != NO_ERROR ? GetLastError() : ERROR_WRITE_FAULT;
    written_ += written;
    if (error_ == NO_ERROR && size < used_)
        error_ = ERROR_DISK_FULL;
    used_ = 0;
    return error_ == NO_ERROR;
}

bool BufferedFile::Flush()
{
    if (WriteBuffer() && !FlushFileBuffers(file_))
        error_ = GetLastError();
    return error_ == NO_ERROR;
}

}  // namespace menufile
