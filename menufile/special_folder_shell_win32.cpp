#include "menufile/special_folder_shell.h"

#include "menufile/special_folder.h"

namespace menufile {

win32::UniqueItemIdList SpecialFolderIdList(int csidl)
{
    win32::UniqueItemIdList list;
    if (csidl < 0 || FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.put())))
        list.reset();
    return list;
}

bool SpecialFolderExists(int csidl) { return static_cast<bool>(SpecialFolderIdList(csidl)); }

int SpecialFolderMatcher::Find(IShellFolder* desktop, LPCITEMIDLIST idList)
{
    if (!desktop || !idList)
        return -1;
    if (folders_.empty())
        for (int csidl = 0; csidl <= kLastComparedSpecialFolder; ++csidl)
            folders_.push_back(SpecialFolderIdList(csidl));
    for (int csidl = 0; csidl <= kLastComparedSpecialFolder; ++csidl) {
        LPCITEMIDLIST folder = folders_[csidl].get();
        HRESULT order = folder ? desktop->CompareIDs(0, folder, idList) : E_FAIL;
        if (SUCCEEDED(order) && HRESULT_CODE(order) == 0)
            return csidl;
    }
    return -1;
}

}  // namespace menufile
