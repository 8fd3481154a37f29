#include "tests/wine/folders/shown_folder_menu.h"

#include <chrono>
#include "resident/menus/menu_window_hook.h"

namespace folders_test {

namespace {

class FirstPaintProbe : public resident::WindowHook {
public:
    FirstPaintProbe(HWND owner, ShownMenu& shown, FirstPaintAction action)
        : shown_(shown), action_(std::move(action))
    {
        Install(owner);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_INITMENUPOPUP && shown_.openedMs == 0) {
            shown_.openedMs = NowMs();
        } else if (message == WM_DRAWITEM && shown_.paintedMs == 0) {
            ++shown_.drawnItems;
        } else if (message == WM_ENTERIDLE && shown_.openedMs != 0 && shown_.paintedMs == 0) {
            shown_.paintedMs = NowMs();
            if (action_)
                action_(shown_);
            else
                EndMenu();
        }
        return Default(message, wParam, lParam);
    }

private:
    ShownMenu& shown_;
    FirstPaintAction action_;
};

}  // namespace

double NowMs()
{
    using Milliseconds = std::chrono::duration<double, std::milli>;
    return Milliseconds(std::chrono::steady_clock::now().time_since_epoch()).count();
}

ShownMenu ShowFolderMenu(HWND owner, HMENU menu, resident::FolderMenuSource& folders,
                         FirstPaintAction atFirstPaint)
{
    ShownMenu shown;
    resident::MenuWindowHook hook(owner, 0, &folders);
    // Installed after the menu hook, so it sees each message first.
    FirstPaintProbe probe(owner, shown, std::move(atFirstPaint));
    SetForegroundWindow(owner);
    shown.chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr));
    return shown;
}

}  // namespace folders_test
