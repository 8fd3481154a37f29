#include "resident/folders/shortcut.h"

namespace resident {

namespace {

void TellFailure(const MenuContext& context, const std::string& failure)
{
    if (!failure.empty())
        MessageBoxA(context.owner, failure.c_str(), context.caption.c_str(), MB_ICONEXCLAMATION);
}

}  // namespace

bool ReadShortcut(const MenuContext& context, const std::string& path, win32::ShortcutData& data)
{
    win32::ShortcutReadResult result = win32::ReadShortcut(context.owner, path);
    TellFailure(context, result.failure);
    if (result.ok)
        data = std::move(result.data);
    return result.ok;
}

win32::UniqueItemIdList ReadShortcutIdList(const MenuContext& context, const std::string& path)
{
    win32::ShortcutIdListResult result = win32::ReadShortcutIdList(context.owner, path);
    TellFailure(context, result.failure);
    return std::move(result.idList);
}

}  // namespace resident
