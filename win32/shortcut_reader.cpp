#include "win32/shortcut_reader.h"

#include <shlobj.h>
#include <shobjidl.h>
#include "win32/com_ptr.h"
#include "win32/wide_text.h"

namespace win32 {

namespace {

// Descriptions and arguments may be longer than a path; the shell's own
// limit for them is INFOTIPSIZE.
constexpr int kLongTextSize = INFOTIPSIZE;

ComPtr<IShellLinkA> LoadShortcut(HWND owner, const std::string& path)
{
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put_void())))
        return {};
    ComPtr<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    if (!file)
        return {};
    std::wstring widePath = WideFromAnsi(path);
    if (widePath.empty() || FAILED(file->Load(widePath.c_str(), STGM_READ)))
        return {};
    // With SLR_NO_UI the high word is the time the shell may take.
    DWORD flags = SLR_NO_UI | SLR_ANY_MATCH | SLR_NOSEARCH | SLR_NOTRACK | MAKELONG(0, kShortcutResolveMs);
    if (FAILED(link->Resolve(owner, flags)))
        return {};
    return link;
}

// Reads one text field; the buffer is terminated whatever the shell left in it.
template <typename Read>
bool ReadText(std::string& text, int size, Read read)
{
    std::string buffer(static_cast<size_t>(size), '\0');
    if (FAILED(read(&buffer[0], size)))
        return false;
    buffer.back() = '\0';
    text = buffer.c_str();
    return true;
}

const char* ReadFields(IShellLinkA* link, ShortcutData& data)
{
    WIN32_FIND_DATAA find = {};
    if (!ReadText(data.targetPath, MAX_PATH,
                  [&](char* b, int n) { return link->GetPath(b, n, &find, SLGP_UNCPRIORITY); }))
        return "Could not retrieve the path.";
    if (!ReadText(data.description, kLongTextSize, [&](char* b, int n) { return link->GetDescription(b, n); }))
        return "Could not retrieve the description.";
    if (!ReadText(data.workingDirectory, MAX_PATH,
                  [&](char* b, int n) { return link->GetWorkingDirectory(b, n); }))
        return "Could not retrieve the working directory.";
    if (!ReadText(data.arguments, kLongTextSize, [&](char* b, int n) { return link->GetArguments(b, n); }))
        return "Could not retrieve the arguments.";
    if (!ReadText(data.iconPath, MAX_PATH,
                  [&](char* b, int n) { return link->GetIconLocation(b, n, &data.iconIndex); }))
        return "Could not retrieve the Icon location.";
    if (FAILED(link->GetHotkey(&data.hotkey)))
        return "Could not retrieve the hotkey.";
    if (FAILED(link->GetShowCmd(&data.showCommand)))
        return "Could not retrieve the show command.";
    return nullptr;
}

}  // namespace

ShortcutReadResult ReadShortcut(HWND owner, const std::string& path)
{
    ShortcutReadResult result;
    ComPtr<IShellLinkA> link = LoadShortcut(owner, path);
    if (!link)
        return result;
    if (const char* failure = ReadFields(link.get(), result.data)) {
        result.failure = failure;
        return result;
    }
    result.ok = true;
    return result;
}

ShortcutIdListResult ReadShortcutIdList(HWND owner, const std::string& path)
{
    ShortcutIdListResult result;
    ComPtr<IShellLinkA> link = LoadShortcut(owner, path);
    if (!link)
        return result;
    if (FAILED(link->GetIDList(result.idList.put())) || !result.idList) {
        result.idList.reset();
        result.failure = "Could not retrieve the pidl.";
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace win32
