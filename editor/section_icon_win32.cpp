#include "editor/section_icon.h"

#include <shellapi.h>
#include "resources/editor/resource_ids.h"
#include "settings/keys.h"

namespace editor {

namespace {

win32::UniqueIcon ResourceIcon(HINSTANCE instance, int id, bool small)
{
    int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    return win32::UniqueIcon(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
}

win32::UniqueIcon FileIcon(const SectionValues& values, bool small)
{
    HICON icon = nullptr;
    if (!values.normalIconFile.empty())
        ExtractIconExA(values.normalIconFile.c_str(), values.normalIconNumber, small ? nullptr : &icon,
                       small ? &icon : nullptr, 1);
    return win32::UniqueIcon(icon);
}

}  // namespace

win32::UniqueIcon SectionIcon(HINSTANCE instance, const SectionValues& values, bool small)
{
    if (values.flags & settings::FLAG_DAY_OF_MONTH) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return ResourceIcon(instance, IDI_DAY_BASE + now.wDay, small);
    }
    win32::UniqueIcon icon = FileIcon(values, small);
    return icon ? std::move(icon) : ResourceIcon(instance, IDI_SECTION_DEFAULT, small);
}

}  // namespace editor
