#pragma once
// A push button that shows its caption as large embossed text, scaled to
// fill the button. Clicking it does nothing of itself.
#include <windows.h>
#include "win32/window.h"

namespace setup {

class TitleButton : public win32::Subclass {
public:
    // Makes the button owner-drawn; its parent routes WM_DRAWITEM to Draw.
    bool Attach(HWND button);
    void Draw(const DRAWITEMSTRUCT& item) const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace setup
