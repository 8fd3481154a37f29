#include "shellfiles/shortcut.h"

#include "shellfiles/file_name.h"
#include "shellfiles/messages.h"
#include "win32/com_ptr.h"
#include "win32/wide_text.h"

namespace shellfiles {

namespace {

const char kNoLinkObject[] = "CoCreateInstance failed.";

}  // namespace

ShortcutWrite WriteShortcut(std::string& path, LPCITEMIDLIST target, const char* iconPath, int iconNumber)
{
    win32::ComPtr<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      link.put_void());
    win32::ComPtr<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    if (!file)
        return {kNoLinkObject, FAILED(result) ? result : E_NOINTERFACE};
    CleanFileName(path);
    std::wstring widePath = win32::WideFromAnsi(path);
    // Loading first updates an existing shortcut instead of replacing it.
    bool loaded = SUCCEEDED(file->Load(widePath.c_str(), STGM_READWRITE));
    if (FAILED(result = link->SetIDList(target)))
        return {"SetIDList failed.", result};
    if (iconPath && FAILED(result = link->SetIconLocation(iconPath, iconNumber)))
        return {"SetIconLocation failed.", result};
    if (FAILED(result = file->Save(widePath.c_str(), loaded ? FALSE : TRUE)))
        return {"IPersistFile::Save failed.", result};
    return {};
}

bool CreateShortcut(std::string& path, LPCITEMIDLIST target, const char* iconPath, int iconNumber)
{
    ShortcutWrite written = WriteShortcut(path, target, iconPath, iconNumber);
    // One shortcut that cannot be made costs its menu entry, not the program.
    if (!written && written.failure != kNoLinkObject)
        ShowProblem(written.failure + ("\n" + path));
    return static_cast<bool>(written);
}

}  // namespace shellfiles
