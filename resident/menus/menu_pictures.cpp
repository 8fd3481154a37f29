#include "resident/menus/menu_pictures.h"

#include <commctrl.h>
#include <shellapi.h>
#include "resident/menus/menu_icon_store.h"
#include "win32/file_icon.h"

namespace resident {

win32::UniqueIcon ExtractMenuIcon(HINSTANCE instance, const std::string& iconPath, int number, bool large)
{
    if (iconPath.empty() || iconPath[0] == '&')
        return {};
    return win32::ExtractFileIcon(iconPath, number, large ? win32::IconSize::Large : win32::IconSize::Small,
                                  instance);
}

std::string Shell32Path()
{
    char folder[MAX_PATH] = "";
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "SHELL32.dll";
    return std::string(folder) + "\\SHELL32.dll";
}

const ShellItem* EntryLookup::Item()
{
    if (!lookedUp_) {
        lookedUp_ = true;
        auto item = std::make_unique<ShellItem>();
        if (shell_.LookUp(entry_.text1, *item))
            item_ = std::move(item);
    }
    return item_.get();
}

std::string EntryLookup::DisplayText()
{
    if (!entry_.text2.empty())
        return entry_.text2;
    if (!entry_.IsCommand())
        return entry_.text1;
    const ShellItem* item = Item();
    if (item && !item->displayName.empty())
        return item->displayName;
    return context_.fileNotFound;
}

int EntryLookup::ImageIndex()
{
    const ShellItem* item = Item();
    return item ? item->iconIndex : -1;
}

int PictureMaker::Icon(win32::UniqueIcon icon)
{
    return store_->AddIcon(std::move(icon));
}

int PictureMaker::Shell32Icon(int number)
{
    return Icon(ExtractMenuIcon(instance_, Shell32Path(), number, large_));
}

int PictureMaker::ForTitle(const menufile::MenuEntry& entry)
{
    if (!store_)
        return -1;
    int picture = Icon(ExtractMenuIcon(instance_, entry.iconPath, entry.iconNumber, large_));
    if (picture < 0)
        picture = Shell32Icon(36);
    if (picture < 0)
        picture = Shell32Icon(0);
    return picture;
}

int PictureMaker::ForPopup(const menufile::MenuEntry& entry, ShellItemLookup& shell, const DeferredIndex& deferred)
{
    if (!store_)
        return -1;
    if (deferred.source)
        return store_->AddDeferredIndex(deferred);
    const std::string& path = entry.iconPath;
    int picture = -1;
    if (entry.iconNumber < 0 && path.size() > 2 && path.compare(0, 2, "&#") == 0) {
        picture = store_->AddIndex(atoi(path.c_str() + 2));
    } else if (!path.empty() && entry.iconNumber >= 0) {
        picture = Icon(ExtractMenuIcon(instance_, path, entry.iconNumber, large_));
    } else if (!path.empty()) {
        // A file given with a negative number: the shell's own icon of it.
        ShellItem item;
        if (shell.LookUp(path, item))
            picture = store_->AddIndex(item.iconIndex);
    }
    if (picture < 0)
        picture = Shell32Icon(3);
    if (picture < 0)
        picture = Shell32Icon(0);
    return picture;
}

int PictureMaker::ForCommand(const menufile::MenuEntry& entry, EntryLookup& lookup, const DeferredIndex& deferred)
{
    if (!store_)
        return -1;
    if (deferred.source)
        return store_->AddDeferredIndex(deferred);
    int picture = Icon(ExtractMenuIcon(instance_, entry.iconPath, entry.iconNumber, large_));
    if (picture < 0)
        picture = store_->AddIndex(lookup.ImageIndex());
    if (picture < 0)
        picture = Icon(ApplicationIcon());
    return picture;
}

int PictureMaker::ForProgram()
{
    if (!store_)
        return -1;
    char path[MAX_PATH] = "";
    if (!GetModuleFileNameA(nullptr, path, MAX_PATH))
        return -1;
    return Icon(ExtractMenuIcon(instance_, path, 0, large_));
}

win32::UniqueIcon PictureMaker::ApplicationIcon()
{
    // The shared system icon is copied so that the store owns what it keeps.
    HICON shared = LoadIconA(nullptr, IDI_APPLICATION);
    if (large_ || !shared)
        return win32::UniqueIcon(CopyIcon(shared));
    int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    HIMAGELIST list = ImageList_Create(cx, cy, ILC_MASK | ILC_COLOR32, 1, 0);
    if (!list)
        return {};
    ImageList_ReplaceIcon(list, -1, shared);
    win32::UniqueIcon small(ImageList_GetIcon(list, 0, ILD_NORMAL));
    ImageList_Destroy(list);
    return small;
}

}  // namespace resident
