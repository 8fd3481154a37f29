#include "setup/sample_menu_file.h"

#include <windows.h>
#include <algorithm>
#include <cstring>
#include "menufile/local_time_text.h"
#include "menufile/menu_writer.h"
#include "resources/setup/resource_ids.h"
#include "setup/file_error.h"
#include "shellfiles/display_name.h"
#include "shellfiles/file_path.h"
#include "shellfiles/messages.h"
#include "win32/unique_handle.h"

namespace setup {

namespace {

// Command items are written with the shell's name of their path.
class ShellMenuWriter : public menufile::MenuWriter {
public:
    using MenuWriter::MenuWriter;

protected:
    std::string DisplayName(const menufile::MenuEntry& entry) const override
    {
        return shellfiles::ShellDisplayName(entry.text1);
    }
};

// Collects the text in blocks of 4096 bytes; remembers the first error.
class BufferedFile {
public:
    explicit BufferedFile(HANDLE file) : file_(file) {}
    bool Write(const char* data, size_t size)
    {
        while (size > 0 && error_ == NO_ERROR) {
            size_t part = std::min(size, sizeof buffer_ - used_);
            memcpy(buffer_ + used_, data, part);
            used_ += part;
            data += part;
            size -= part;
            if (used_ == sizeof buffer_)
                Flush();
        }
        return error_ == NO_ERROR;
    }
    bool Flush()
    {
        DWORD written = 0;
        if (error_ == NO_ERROR && used_ > 0 &&
            (!WriteFile(file_, buffer_, static_cast<DWORD>(used_), &written, nullptr) || written != used_))
            error_ = GetLastError() != NO_ERROR ? GetLastError() : ERROR_WRITE_FAULT;
        used_ = 0;
        return error_ == NO_ERROR;
    }
    DWORD error() const { return error_; }

private:
    HANDLE file_;
    char buffer_[4096];
    size_t used_ = 0;
    DWORD error_ = NO_ERROR;
};

std::string HeaderBlock()
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_MENU_HEADER), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

std::string LoadText(UINT id)
{
    char text[256];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

menufile::WriterInfo InfoFor(const std::string& fileName)
{
    menufile::WriterInfo info;
    info.buildDateTime = __DATE__ " " __TIME__;
    info.headerBlock = HeaderBlock();
    info.modifiedTime = menufile::LongLocalDateTime();
    info.fileName = fileName;
    info.fallbackDisplayText = LoadText(IDS_FILE_NOT_FOUND);
    return info;
}

}  // namespace

void WriteSampleMenuFile(const std::string& poolPath, const std::string& fileName,
                         const menufile::MenuList& root)
{
    shellfiles::FilePath path(poolPath + fileName);
    std::string backup = path.str() + ".bak";
    shellfiles::FilePath(backup).RemoveFile(false);
    path.RenameFile(backup, false);

    win32::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ShowFileError(GetLastError(), path.str());
        shellfiles::ExitAbnormally();
    }
    BufferedFile out(file.get());
    ShellMenuWriter writer(InfoFor(fileName));
    bool written = writer.Write(root, [&out](const char* data, size_t size) { return out.Write(data, size); });
    if (!written || !out.Flush())
        ShowFileError(out.error(), path.str());
}

}  // namespace setup
