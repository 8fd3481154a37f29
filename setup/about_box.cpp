#include "setup/about_box.h"

#include <shlwapi.h>
#include <string>
#include "setup/about_dialog.h"

namespace setup {
namespace {

// The path functions step over double-byte characters whose trail byte is a backslash.
std::string ProgramFolderFile(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || !PathRemoveFileSpecA(path) || !PathAppendA(path, name))
        return {};
    return path;
}

}  // namespace

INT_PTR ShowAboutBox(HINSTANCE instance)
{
    AboutDialog dialog(instance, ProgramFolderFile("Ombrix.chm"));
    return dialog.DoModal();
}

}  // namespace setup
