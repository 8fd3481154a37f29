#include "tests/wine/launch/launch_fixture.h"

#include <atomic>
#include <thread>
#include <shlobj.h>
#include <shobjidl.h>
#include "resident/app.h"
#include "resources/resident/resource_ids.h"
#include "tests/support/test_support.h"
#include "win32/wide_text.h"

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
        });
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

std::string NotFoundReport(const std::string& path)
{
    return ExpectedReport("ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙが見つかりません。", path, 2);
}

void WriteShortcut(const std::string& linkPath, const win32::ShortcutData& data)
{
    win32::ComPtr<IShellLinkA> link;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void()),
              S_OK);
    link->SetPath(data.targetPath.c_str());
    link->SetDescription(data.description.c_str());
    link->SetWorkingDirectory(data.workingDirectory.c_str());
    link->SetArguments(data.arguments.c_str());
    link->SetIconLocation(data.iconPath.c_str(), data.iconIndex);
    link->SetHotkey(data.hotkey);
    link->SetShowCmd(data.showCommand);
    win32::ComPtr<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Save(win32::WideFromAnsi(linkPath).c_str(), TRUE), S_OK);
}
