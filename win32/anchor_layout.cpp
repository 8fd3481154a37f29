#include "win32/anchor_layout.h"

namespace win32 {

namespace {

RECT PlaceInParent(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

}  // namespace

void AnchorLayout::Add(HWND control, unsigned anchors)
{
    controls_.push_back({control, anchors, {}});
}

void AnchorLayout::Start(HWND dialog)
{
    dialog_ = dialog;
    RECT client, window;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    startClient_ = {client.right, client.bottom};
    startWindow_ = {window.right - window.left, window.bottom - window.top};
    for (Control& control : controls_)
        control.start = PlaceInParent(control.window);
}

void AnchorLayout::Resize() const
{
    RECT client;
    if (!dialog_ || !GetClientRect(dialog_, &client))
        return;
    int dx = client.right - startClient_.cx, dy = client.bottom - startClient_.cy;
    for (const Control& control : controls_) {
        RECT place = control.start;
        OffsetRect(&place, control.anchors & kMoveX ? dx : 0, control.anchors & kMoveY ? dy : 0);
        place.right += control.anchors & kGrowX ? dx : 0;
        place.bottom += control.anchors & kGrowY ? dy : 0;
        SetWindowPos(control.window, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(dialog_, nullptr, TRUE);
}

void AnchorLayout::Limit(MINMAXINFO& info) const
{
    if (!dialog_)
        return;
    info.ptMinTrackSize.x = startWindow_.cx;
    info.ptMinTrackSize.y = startWindow_.cy;
}

}  // namespace win32
