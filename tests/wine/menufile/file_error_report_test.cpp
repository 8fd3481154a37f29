// The file error texts by cause, from the string table of the module the
// caller hands in (here the assistant's).
#include <gtest/gtest.h>
#include <windows.h>
#include "win32/file_error_report.h"

TEST(FileErrorReport, EachCauseHasItsTextWithThePath)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const struct {
        DWORD error;
        const char* text;
    } cases[] = {
        {ERROR_DISK_FULL, "D:\\a b.txt にアクセス中にディスクがいっぱいになりました。"},
        {ERROR_HANDLE_DISK_FULL, "D:\\a b.txt にアクセス中にディスクがいっぱいになりました。"},
        {ERROR_SHARING_VIOLATION, "D:\\a b.txt にアクセス中に共有違反が発生しました。"},
        {ERROR_ACCESS_DENIED, "D:\\a b.txt へのアクセスが拒否されました。"},
        {ERROR_PATH_NOT_FOUND, "D:\\a b.txt には無効なパスが含まれています。"},
        {ERROR_FILE_NOT_FOUND, "D:\\a b.txt が見つかりません。"},
        {ERROR_NOT_ENOUGH_MEMORY, "D:\\a b.txt にアクセス中に不明なエラーが発生しました。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(win32::FileErrorText(instance, c.error, "D:\\a b.txt"), c.text) << c.error;
}
