#include "tests/wine/launch/launch_fixture.h"

#include <atomic>
#include <thread>
#include "resident/app.h"
#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"

void LaunchTest::SetUp()
{
    resident::App& app = resident::TheApp();
    app.instance = GetModuleHandleA(nullptr);
    LoadStringA(app.instance, IDS_PRODUCT_CAPTION, app.productCaption, sizeof app.productCaption);
    app.mainWindow = nullptr;
}

std::string ReportOf(const std::function<void()>& action)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        win32::ComScope com;
        action();
        done = true;
    });
    HWND box = nullptr;
    testing_support::WaitFor(
        [&] {
            box = testing_support::WaitForOwnWindow("#32770", "Q-Fendix", 0);
            return box != nullptr || done;
        },
        15000);
    std::string text;
    if (box) {
        text = testing_support::MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    worker.join();
    return text;
}

namespace {
const char kCannotStart[] = "ﾌﾟﾛｸﾞﾗﾑを起動できません。ﾌﾟﾛﾊﾟﾃｨﾒﾆｭｰで設定を確認してください。\n";
}

std::string ExpectedReport(const std::string& reason, const std::string& path, int code)
{
    return kCannotStart + reason + "\nﾊﾟｽ:" + path + "\n理由ｺｰﾄﾞ:" + std::to_string(code);
}

std::string ExpectedReport(const std::string& path, int code)
{
    return kCannotStart + std::string("ﾊﾟｽ:") + path + "\n理由ｺｰﾄﾞ:" + std::to_string(code);
}
