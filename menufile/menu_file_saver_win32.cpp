#include "menufile/menu_file_saver.h"

#include <utility>
#include "menufile/buffered_file.h"
#include "menufile/local_time_text.h"
#include "menufile/menu_file_backups.h"
#include "menufile/menu_writer.h"
#include "win32/unique_handle.h"

namespace menufile {

namespace {

// Command items without a description are named by the program.
class NamingWriter : public MenuWriter {
public:
    NamingWriter(WriterInfo info, const std::function<std::string(const MenuEntry&)>& name)
        : MenuWriter(std::move(info)), name_(name)
    {
    }

protected:
    std::string DisplayName(const MenuEntry& entry) const override { return name_ ? name_(entry) : ""; }

private:
    const std::function<std::string(const MenuEntry&)>& name_;
};

// A file made beside the target; deleted unless it took the target's place.
class TemporaryFile {
public:
    ~TemporaryFile()
    {
        handle_.reset();
        if (!path_.empty() && !kept_)
            DeleteFileA(path_.c_str());
    }
    DWORD Create(const std::string& folder)
    {
        char name[MAX_PATH];
        if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "~om", 0, name))
            return GetLastError();
        path_ = name;
        handle_.reset(CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        return handle_ ? NO_ERROR : GetLastError();
    }
    DWORD Close() { return CloseHandle(handle_.release()) ? NO_ERROR : GetLastError(); }
    DWORD MoveTo(const std::string& target)
    {
        if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return GetLastError();
        kept_ = true;
        return NO_ERROR;
    }
    HANDLE handle() const { return handle_.get(); }

private:
    std::string path_;
    win32::UniqueFile handle_;
    bool kept_ = false;
};

std::string HeaderBlock(HINSTANCE instance, int id)
{
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(instance, found)) : std::string();
}

// NO_ERROR when the path names nothing; a folder or a read-only file is no
// file to replace.
DWORD FileState(const std::string& path, bool& exists)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? NO_ERROR : error;
    }
    // A replace by rename would go through a read-only file under Wine,
    // where Windows refuses it: refuse it everywhere.
    return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY) ? ERROR_ACCESS_DENIED : NO_ERROR;
}

bool ReadWholeFile(const std::string& path, std::string& text)
{
    win32::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD size = file ? GetFileSize(file.get(), nullptr) : INVALID_FILE_SIZE;
    if (size == INVALID_FILE_SIZE)
        return false;
    text.resize(size);
    DWORD read = 0;
    return size == 0 || (ReadFile(file.get(), &text[0], size, &read, nullptr) && read == size);
}

// Each backup moves one generation older; the oldest is replaced.
DWORD ShiftGenerations(const std::string& path)
{
    for (int generation = kBackupGenerations; generation > 1; --generation) {
        std::string younger = BackupName(path, generation - 1);
        if (GetFileAttributesA(younger.c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;
        if (!MoveFileExA(younger.c_str(), BackupName(path, generation).c_str(), MOVEFILE_REPLACE_EXISTING))
            return GetLastError();
    }
    return NO_ERROR;
}

DWORD WriteAll(HANDLE file, const std::string& text)
{
    BufferedFile out(file, BufferedFile::SimulatedLimit());
    out.Write(text.data(), text.size());
    out.Flush();
    return out.error();
}

DWORD CopyToBackup(const std::string& path)
{
    return CopyFileA(path.c_str(), BackupName(path, 1).c_str(), FALSE) ? NO_ERROR : GetLastError();
}

}  // namespace

MenuFileSaver::MenuFileSaver(SaverArgs args) : args_(std::move(args)) {}

DWORD MenuFileSaver::Save(const std::string& path, const MenuList& root)
{
    bool exists = false;
    DWORD error = FileState(path, exists);
    std::string text = Text(path, root);
    TemporaryFile temporary;
    if (error == NO_ERROR)
        error = temporary.Create(path.substr(0, path.size() - FileNameOf(path).size()));
    if (error == NO_ERROR)
        error = WriteAll(temporary.handle(), text);
    if (error == NO_ERROR)
        error = temporary.Close();
    if (error == NO_ERROR && exists)
        error = KeepPrevious(path, text);
    if (error == NO_ERROR)
        error = temporary.MoveTo(path);
    if (error == NO_ERROR && !SavedBefore(path))
        saved_.push_back(path);
    return error;
}

std::string MenuFileSaver::Text(const std::string& path, const MenuList& root) const
{
    WriterInfo info;
    info.buildDateTime = __DATE__ " " __TIME__;
    info.headerBlock = HeaderBlock(args_.instance, args_.headerId);
    info.modifiedTime = LongLocalDateTime();
    info.fileName = FileNameOf(path);
    info.fallbackDisplayText = args_.fallbackDisplayText;
    return NamingWriter(std::move(info), args_.displayName).Text(root);
}

DWORD MenuFileSaver::KeepPrevious(const std::string& path, const std::string& text) const
{
    switch (args_.backup) {
    case Backup::None: return NO_ERROR;
    case Backup::SessionStart: return SavedBefore(path) ? NO_ERROR : CopyToBackup(path);
    case Backup::Generations: break;
    }
    // Writing the same menu again (a setup that runs once more) makes no new
    // version that would push the user's own file out of the backups.
    std::string current;
    if (ReadWholeFile(path, current) && SameMenuText(current, text))
        return NO_ERROR;
    DWORD error = ShiftGenerations(path);
    return error != NO_ERROR ? error : CopyToBackup(path);
}

bool MenuFileSaver::SavedBefore(const std::string& path) const
{
    for (const std::string& saved : saved_)
        if (lstrcmpiA(saved.c_str(), path.c_str()) == 0)
            return true;
    return false;
}

}  // namespace menufile
