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
    if (FAILED(link->SetIDList(target)))
        FailAndExit("SetIDList failed.");
    if (iconPath && FAILED(link->SetIconLocation(iconPath, iconNumber)))
        FailAndExit("SetIconLocation failed.");
    if (FAILED(file->Save(widePath.c_str(), loaded ? FALSE : TRUE)))
        FailAndExit("IPersistFile::Save failed.");
    return true;
}

}  // namespace shellfiles
