#include "setup/credits_control.h"

#include <algorithm>

namespace setup {
namespace {

struct TextStyle {
    int height;
    int weight;
    COLORREF color;  // CLR_INVALID: the panel's text colour
};

TextStyle TextStyleOf(CreditStyle style)
{
    switch (style) {
    case CreditStyle::Heading: return {21, FW_NORMAL, RGB(255, 0, 0)};
    case CreditStyle::Title: return {19, FW_NORMAL, RGB(255, 255, 0)};
    case CreditStyle::Subtitle: return {17, FW_NORMAL, RGB(0, 255, 255)};
    default: return {15, FW_THIN, CLR_INVALID};
    }
}

// Heading, Title, Subtitle and Normal have a font each; a bitmap line
// that fails to load is drawn as an empty normal line.
int FontSlot(CreditStyle style)
{
    switch (style) {
    case CreditStyle::Heading: return 0;
    case CreditStyle::Title: return 1;
    case CreditStyle::Subtitle: return 2;
    default: return 3;
    }
}

}  // namespace

CreditsControl::~CreditsControl() { Stop(); }

void CreditsControl::SetText(const std::string& text, HINSTANCE bitmapModule)
{
    lines_ = SplitCreditLines(text);
    bitmaps_.clear();
    bitmaps_.resize(lines_.size());
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].style == CreditStyle::Bitmap)
            bitmaps_[i].reset(LoadBitmapA(bitmapModule, lines_[i].text.c_str()));
    }
    current_ = 0;
    offset_ = 0;
    entered_ = 0;
}

UINT CreditsControl::delay() const
{
    static const UINT delays[] = {70, 40, 10};
    return delays[std::clamp(speed_, 0, 2)];
}

void CreditsControl::SetSpeed(int speed)
{
    speed_ = std::clamp(speed, 0, 2);
    if (running_)
        SetTimer(handle(), kTimerId, delay(), nullptr);  // replaces the running one
}

void CreditsControl::SetColors(COLORREF background, COLORREF text)
{
    background_ = background;
    text_ = text;
}

bool CreditsControl::Start()
{
    running_ = handle() && SetTimer(handle(), kTimerId, delay(), nullptr) != 0;
    return running_;
}

void CreditsControl::Stop()
{
    if (running_ && handle())
        KillTimer(handle(), kTimerId);
    running_ = false;
}

int CreditsControl::LineHeight(size_t index) const
{
    if (HBITMAP bitmap = bitmaps_[index].get()) {
        BITMAP info = {};
        if (GetObjectA(bitmap, sizeof info, &info))
            return std::max(1L, info.bmHeight);
    }
    return TextStyleOf(lines_[index].style).height;
}

void CreditsControl::Tick()
{
    if (lines_.empty())
        return;
    ++offset_;
    // Only whether a panel's height has entered matters; stop counting there.
    if (entered_ < 0x10000)
        ++entered_;
    if (offset_ >= LineHeight(current_)) {
        offset_ = 0;
        current_ = (current_ + 1) % lines_.size();
    }
    if (handle())
        InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT CreditsControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam != kTimerId)
            break;
        Tick();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY:
        Stop();
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CreditsControl::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    RECT client;
    GetClientRect(handle(), &client);
    // The canvas lives as long as the panel keeps its size.
    if (!canvas_ || canvasSize_.cx != client.right || canvasSize_.cy != client.bottom) {
        canvas_.reset(CreateCompatibleBitmap(dc, client.right, client.bottom));
        canvasSize_ = {client.right, client.bottom};
    }
    win32::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (canvas_ && memory) {
        win32::SelectObjectGuard select(memory.get(), canvas_.get());
        Render(memory.get(), client.right, client.bottom);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    EndPaint(handle(), &paint);
}

void CreditsControl::Render(HDC dc, int width, int height)
{
    RECT all = {0, 0, width, height};
    SetBkColor(dc, background_);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    if (lines_.empty())
        return;
    // From the line entering at the bottom upwards, as far as lines have
    // entered and as long as they are inside the panel.
    size_t index = current_;
    int top = height - offset_;
    int earlier = entered_ - offset_;
    DrawLine(dc, index, top, width);
    while (top > 0 && earlier > 0) {
        index = Previous(index);
        int lineHeight = LineHeight(index);
        top -= lineHeight;
        earlier -= lineHeight;
        DrawLine(dc, index, top, width);
    }
}

void CreditsControl::DrawLine(HDC dc, size_t index, int top, int width)
{
    const CreditLine& line = lines_[index];
    if (HBITMAP bitmap = bitmaps_[index].get()) {
        DrawBitmap(dc, bitmap, top, width);
        return;
    }
    if (line.text.empty() || line.style == CreditStyle::Bitmap)
        return;
    win32::SelectObjectGuard font(dc, FontFor(line.style));
    SetTextColor(dc, ColorFor(line.style));
    SetBkMode(dc, TRANSPARENT);
    RECT rect = {0, top, width, top + LineHeight(index)};
    DrawTextA(dc, line.text.c_str(), static_cast<int>(line.text.size()), &rect,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void CreditsControl::DrawBitmap(HDC dc, HBITMAP bitmap, int top, int width)
{
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    win32::UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source)
        return;
    win32::SelectObjectGuard select(source.get(), bitmap);
    BitBlt(dc, (width - info.bmWidth) / 2, top, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
}

HFONT CreditsControl::FontFor(CreditStyle style)
{
    win32::UniqueFont& font = fonts_[FontSlot(style)];
    if (!font) {
        TextStyle text = TextStyleOf(style);
        font.reset(CreateFontA(text.height, 0, 0, 0, text.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               VARIABLE_PITCH | FF_SWISS, "Arial"));
    }
    return font.get();
}

COLORREF CreditsControl::ColorFor(CreditStyle style) const
{
    COLORREF color = TextStyleOf(style).color;
    return color == CLR_INVALID ? text_ : color;
}

}  // namespace setup
