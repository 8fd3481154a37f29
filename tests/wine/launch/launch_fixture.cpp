#include "tests/wine/launch/launch_fixture.h"

#include "resident/app.h"
#include "resources/resident/resource_ids.h"
#include "tests/support/box_answers.h"

void LaunchTest::SetUp()
{
    resident::App& app = resident::TheApp();
    app.instance = GetModuleHandleA(nullptr);
    LoadStringA(app.instance, IDS_PRODUCT_CAPTION, app.productCaption, sizeof app.productCaption);
    app.mainWindow = nullptr;
}

std::string ReportOf(const std::function<void()>& action)
{
    return testing_support::AnswerBox(IDOK, action);
}

namespace {
const char kCannotStart[] = "ﾌﾟﾛｸﾞﾗﾑを起動できません。ﾌﾟﾛﾊﾟﾃｨﾒﾆｭｰで設定を確認してください。\n";
}

std::string ExpectedReport(const std::string& path, int code, const std::string& reason)
{
    std::string because = reason.empty() ? "" : reason + "\n";
    return kCannotStart + because + "ﾊﾟｽ:" + path + "\n理由ｺｰﾄﾞ:" + std::to_string(code);
}

std::string NotFoundReport(const std::string& path)
{
    return ExpectedReport(path, 2, "ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙが見つかりません。");
}
