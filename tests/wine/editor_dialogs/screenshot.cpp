#include "screenshot.h"

#include <vector>
#include "tests/support/test_support.h"
#include "win32/unique_handle.h"

namespace dialogs_test {

bool SaveScreenshot(HWND window, const std::string& path)
{
    UpdateWindow(window);
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    win32::WindowDc screen(nullptr);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        win32::SelectObjectGuard select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
    }
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB};
    std::vector<char> pixels(((width * 3 + 3) & ~3) * height);
    GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof info + pixels.size()), 0, 0,
                             sizeof file + sizeof info};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(pixels.data(), pixels.size());
    return testing_support::WriteFileBytes(path, bytes);
}

}  // namespace dialogs_test
