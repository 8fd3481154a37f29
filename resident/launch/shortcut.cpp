#include "resident/launch/shortcut.h"

#include "resident/app.h"

namespace resident {

namespace {

void TellFailure(const std::string& failure)
{
    if (failure.empty())
        return;
    const App& app = TheApp();
    MessageBoxA(app.mainWindow, failure.c_str(), app.productCaption, MB_ICONEXCLAMATION);
}

}  // namespace

bool ReadShortcut(HWND owner, const std::string& path, win32::ShortcutData& data)
{
    win32::ShortcutReadResult result = win32::ReadShortcut(owner, path);
    TellFailure(result.failure);
    if (result.ok)
        data = std::move(result.data);
    return result.ok;
}

win32::UniqueItemIdList ReadShortcutIdList(HWND owner, const std::string& path)
{
    win32::ShortcutIdListResult result = win32::ReadShortcutIdList(owner, path);
    TellFailure(result.failure);
    return std::move(result.idList);
}

}  // namespace resident
