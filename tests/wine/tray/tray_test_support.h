#pragma once
// Helpers of the tray tests: icons compared by what they draw, the shell's
// knowledge of an icon, and settings files read into tray icons.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "resident/tray/tray_settings.h"
#include "tests/support/test_support.h"
#include "tests/wine/menus/menu_fixture.h"

using testing_support::IconPixels;
// An icon resource of the test executable, loaded and drawn at 16 x 16.
std::vector<uint32_t> ResourceIconPixels(int id);

// Whether the notification area holds the icon (window, id): only then does
// the shell accept a change of it.
bool ShellKnowsIcon(HWND window, UINT id);

// A settings text with TrayNo = the number of sections and the sections.
std::string TraySections(const std::vector<std::string>& sections);

// Tray icons of settings files in a temporary folder, owned by a hidden window.
class TrayTest : public ::testing::Test {
protected:
    void SetUp() override;
    std::unique_ptr<resident::TraySettings> Load(const std::string& iniText);

    testing_support::TempFolder temp_{"tray"};
    menus_test::OwnerWindow window_;
};
