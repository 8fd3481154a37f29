#include "shellfiles/shortcut.h"

#include "shellfiles/file_name.h"
#include "shellfiles/messages.h"
#include "win32/com_ptr.h"
#include "win32/wide_text.h"

namespace shellfiles {

bool CreateShortcut(std::string& path, LPCITEMIDLIST target, const char* iconPath, int iconNumber)
{
    win32::ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put_void())))
        return false;
    win32::ComPtr<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    if (!file)
        return false;
    CleanFileName(path);
    std::wstring widePath = win32::WideFromAnsi(path);
    // Loading first updates an existing shortcut instead of replacing it.
    bool loaded = SUCCEEDED(file->Load(widePath.c_str(), STGM_READWRITE));
    const char* failure = nullptr;
    if (FAILED(link->SetIDList(target)))
        failure = "SetIDList failed.";
    else if (iconPath && FAILED(link->SetIconLocation(iconPath, iconNumber)))
        failure = "SetIconLocation failed.";
    else if (FAILED(file->Save(widePath.c_str(), loaded ? FALSE : TRUE)))
        failure = "IPersistFile::Save failed.";
    // One shortcut that cannot be made costs its menu entry, not the program.
    if (failure)
        ShowProblem(failure + ("\n" + path));
    return !failure;
}

}  // namespace shellfiles
