#pragma once
// The clipboard, open for this thread while the object lives.
#include <windows.h>
#include <functional>
#include <string>

namespace win32 {

class Clipboard {
public:
    explicit Clipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~Clipboard()
    {
        if (open_)
            CloseClipboard();
    }
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    // False while another window holds it.
    bool open() const noexcept { return open_; }
    // The contents become text (CF_TEXT); false when nothing was placed.
    bool SetText(const std::string& text);
    // Hands the text block's bytes to read; its size is the block's, and
    // the bytes need not end in a NUL. False when there is no text.
    bool ReadText(const std::function<void(const char* bytes, size_t size)>& read) const;

private:
    bool open_;
};

}  // namespace win32
