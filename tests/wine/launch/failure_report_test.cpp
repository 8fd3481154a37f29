// The report texts come from the string table, byte for byte as the user
// must read them in Shift-JIS.
#include "resident/launch/launch_failure_report.h"
#include "tests/wine/launch/launch_fixture.h"

namespace {

using FailureReportTest = LaunchTest;

TEST_F(FailureReportTest, CodesWithAReasonUseString135)
{
    const std::string path = "D:\\ﾂｰﾙ\\表.exe";
    EXPECT_EQ(resident::LaunchFailureText(2, path), ExpectedReport("ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙが見つかりません。", path, 2));
    EXPECT_EQ(resident::LaunchFailureText(3, path),
              ExpectedReport("ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙのﾊﾟｽが見つかりません。", path, 3));
    EXPECT_EQ(resident::LaunchFailureText(5, path),
              ExpectedReport("ﾌﾟﾛｸﾞﾗﾑまたはﾌｧｲﾙへのｱｸｾｽが拒否されました。", path, 5));
    EXPECT_EQ(resident::LaunchFailureText(8, path), ExpectedReport("ﾒﾓﾘ不足が発生しました。", path, 8));
}

TEST_F(FailureReportTest, OtherCodesUseString134AndSuccessesNothing)
{
    EXPECT_EQ(resident::LaunchFailureText(31, "a.doc"), ExpectedReport("a.doc", 31));
    EXPECT_EQ(resident::LaunchFailureText(0, "a.doc"), ExpectedReport("a.doc", 0));
    // A path is data, never a format.
    EXPECT_EQ(resident::LaunchFailureText(32, "%s%n.doc"), ExpectedReport("%s%n.doc", 32));
    EXPECT_EQ(resident::LaunchFailureText(33, "a.doc"), "");
    EXPECT_EQ(resident::LaunchFailureText(42, "a.doc"), "");
}

}  // namespace
