#include "tests/wine/tray/tray_test_support.h"

#include <shellapi.h>
#include "resident/app.h"
#include "settings/ini_file.h"
#include "win32/unique_handle.h"

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
