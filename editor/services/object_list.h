#pragma once
// The right pane of the services browser: a list view of one category's
// objects with the shell's system image lists (shared, never destroyed),
// four view modes, and a hint painted in place of the rows of an empty list.
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "editor/services/service_objects.h"
#include "win32/system_image_lists.h"
#include "win32/window.h"

namespace editor {

class ObjectList : public win32::Subclass {
public:
    static constexpr UINT kId = 2;

    bool Create(HWND parent, const win32::SystemImageLists& images, const std::string& nameColumn);
    // The rows of the objects, row n showing objects[n]; the list keeps
    // pointing into objects until the next Show.
    void Show(const std::vector<ServiceObject>& objects);
    // LVS_ICON, LVS_SMALLICON, LVS_LIST or LVS_REPORT.
    void SetView(DWORD view);
    DWORD view() const;
    int count() const { return ListView_GetItemCount(handle()); }
    void SelectAll();
    // The object of the row under a point of the screen, or null.
    const ServiceObject* ObjectAt(POINT screen) const;
    // The selected rows' objects, in list order.
    std::vector<const ServiceObject*> Selected() const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintHint();

    const std::vector<ServiceObject>* objects_ = nullptr;
};

}  // namespace editor
