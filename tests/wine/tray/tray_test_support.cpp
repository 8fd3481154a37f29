#include "tests/wine/tray/tray_test_support.h"

#include <shellapi.h>
#include "resident/app.h"
#include "settings/ini_file.h"
#include "win32/unique_handle.h"

std::vector<uint32_t> IconPixels(HICON icon)
{
    if (!icon)
        return {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    win32::SelectObjectGuard select(dc.get(), bitmap.get());
    win32::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    RECT all = {0, 0, 16, 16};
    FillRect(dc.get(), &all, magenta.get());
    DrawIconEx(dc.get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    return std::vector<uint32_t>(pixels, pixels + 16 * 16);
}

std::vector<uint32_t> ResourceIconPixels(int id)
{
    win32::UniqueIcon icon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0)));
    return IconPixels(icon.get());
}

bool ShellKnowsIcon(HWND window, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

std::string TraySections(const std::vector<std::string>& sections)
{
    std::string text = "[Main]\r\nTrayNo=" + std::to_string(sections.size()) + "\r\n";
    for (size_t i = 0; i < sections.size(); ++i)
        text += "[Section" + std::to_string(i + 1) + "]\r\n" + sections[i] + "\r\n";
    return text;
}

void TrayTest::SetUp()
{
    resident::TheApp().instance = GetModuleHandleA(nullptr);
    // Message boxes have the fixture's window as their owner.
    resident::TheApp().mainWindow = window_.get();
}

std::unique_ptr<resident::TraySettings> TrayTest::Load(const std::string& iniText)
{
    EXPECT_TRUE(testing_support::WriteFileBytes(temp_ / "Ombrix.ini", iniText));
    return std::make_unique<resident::TraySettings>(window_.get(), settings::IniFile(temp_ / "Ombrix.ini"),
                                                    temp_.path());
}
