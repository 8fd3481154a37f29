#pragma once
// The panel of the version box whose lines scroll upwards without end. A
// tick of its timer moves the text up one pixel; once the current line has
// fully entered at the bottom, the next one follows, and after the last
// line the first comes again.
#include <windows.h>
#include <string>
#include <vector>
#include "setup/credit_lines.h"
#include "win32/unique_handle.h"
#include "win32/window.h"

namespace setup {

class CreditsControl : public win32::Subclass {
public:
    static constexpr UINT_PTR kTimerId = 150;

    CreditsControl() = default;
    ~CreditsControl() override;

    // Lines separated by "|"; bitmap lines name resources of the module.
    void SetText(const std::string& text, HINSTANCE bitmapModule);
    // 0, 1 or 2: a tick every 70, 40 or 10 ms.
    void SetSpeed(int speed);
    void SetColors(COLORREF background, COLORREF text);
    bool Start();
    void Stop();
    bool running() const { return running_; }

    // One step of the scroll, as the timer does it.
    void Tick();

    const std::vector<CreditLine>& lines() const { return lines_; }
    size_t currentLine() const { return current_; }
    int offsetInLine() const { return offset_; }
    int LineHeight(size_t index) const;
    UINT delay() const;
    HBITMAP canvas() const { return canvas_.get(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void Render(HDC dc, int width, int height);
    void DrawLine(HDC dc, size_t index, int top, int width);
    void DrawBitmap(HDC dc, HBITMAP bitmap, int top, int width);
    HFONT FontFor(CreditStyle style);
    COLORREF ColorFor(CreditStyle style) const;
    size_t Previous(size_t index) const { return (index == 0 ? lines_.size() : index) - 1; }

    std::vector<CreditLine> lines_;
    std::vector<win32::UniqueBitmap> bitmaps_;  // one per line, empty for text lines
    size_t current_ = 0;                        // the line entering at the bottom
    int offset_ = 0;                            // how many of its pixels have entered
    int entered_ = 0;                           // pixels scrolled so far, up to a panel's worth
    int speed_ = 1;
    bool running_ = false;
    COLORREF background_ = RGB(255, 255, 255);
    COLORREF text_ = RGB(0, 0, 0);
    win32::UniqueFont fonts_[4];
    win32::UniqueBitmap canvas_;
    SIZE canvasSize_ = {0, 0};
};

}  // namespace setup
