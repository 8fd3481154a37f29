#include "editor/section_icon.h"

#include "resources/editor/resource_ids.h"
#include "settings/keys.h"
#include "win32/file_icon.h"

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
    return win32::ExtractFileIcon(values.normalIconFile, values.normalIconNumber,
                                  small ? win32::IconSize::Small : win32::IconSize::Large);
}

// The day of the month of a calendar section's face, or 0.
int DayOf(const SectionValues& values)
{
    if (!(values.flags & settings::FLAG_DAY_OF_MONTH))
        return 0;
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wDay;
}

}  // namespace

win32::UniqueIcon SectionIcon(HINSTANCE instance, const SectionValues& values, bool small)
{
    if (int day = DayOf(values))
        return ResourceIcon(instance, IDI_DAY_BASE + day, small);
    win32::UniqueIcon icon = FileIcon(values, small);
    return icon ? std::move(icon) : ResourceIcon(instance, IDI_SECTION_DEFAULT, small);
}

std::string SectionIconKey(const SectionValues& values)
{
    if (int day = DayOf(values))
        return "day " + std::to_string(day);
    if (values.normalIconFile.empty())
        return {};
    return std::to_string(values.normalIconNumber) + "," + values.normalIconFile;
}

}  // namespace editor
