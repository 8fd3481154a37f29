// Document types registered by the test under HKEY_CLASSES_ROOT and removed
// again afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>
#include <string>
#include <vector>
#include "shellfiles/file_type.h"
#include "tests/support/test_support.h"

using shellfiles::FileType;
using shellfiles::LookUpFileType;

namespace {

void SetDefault(const std::string& keyName, const std::string& value, DWORD type = REG_SZ)
{
    ASSERT_TRUE(testing_support::SetClassesDefault(keyName, value, type)) << keyName;
}

// Registers the types and classes of one test and removes them at its end.
class FileTypes : public ::testing::Test {
protected:
    void Register(const std::string& type, const std::string& className)
    {
        SetDefault("." + type, className);
        keys_.push_back("." + type);
        keys_.push_back(className);
    }
    void TearDown() override
    {
        // An empty name would delete the whole of HKEY_CLASSES_ROOT.
        for (const std::string& key : keys_) {
            if (!key.empty())
                SHDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
        }
    }

private:
    std::vector<std::string> keys_;
};

}  // namespace

TEST_F(FileTypes, OpenVerbIsPreferredAndNegativeIconNumbersKept)
{
    Register("ombrixa", "OmbrixTest.TextFile");
    SetDefault("OmbrixTest.TextFile\\DefaultIcon", "shell32.dll,-152");
    SetDefault("OmbrixTest.TextFile\\shell\\print\\command", "D:\\print.exe /p %1");
    SetDefault("OmbrixTest.TextFile\\shell\\open\\command", "D:\\WINDOWS\\NOTEPAD.EXE %1");
    FileType type;
    ASSERT_TRUE(LookUpFileType("ombrixa", type));
    EXPECT_EQ(type.iconPath, "shell32.dll");
    EXPECT_EQ(type.iconNumber, -152);
    EXPECT_EQ(type.command, "D:\\WINDOWS\\NOTEPAD.EXE %1");
}

TEST_F(FileTypes, SingleOtherVerbAndOpenInAnyCase)
{
    Register("ombrixb", "OmbrixTest.EditOnly");
    SetDefault("OmbrixTest.EditOnly\\shell\\edit\\command", "D:\\edit.exe \"%1\"");
    FileType type;
    ASSERT_TRUE(LookUpFileType("ombrixb", type));
    EXPECT_EQ(type.command, "D:\\edit.exe \"%1\"");
    EXPECT_EQ(type.iconNumber, -1);
    EXPECT_EQ(type.iconPath, "");

    Register("ombrixc", "OmbrixTest.UpperOpen");
    SetDefault("OmbrixTest.UpperOpen\\shell\\a_first\\command", "D:\\first.exe");
    SetDefault("OmbrixTest.UpperOpen\\shell\\OPEN\\command", "D:\\open.exe");
    ASSERT_TRUE(LookUpFileType("ombrixc", type));
    EXPECT_EQ(type.command, "D:\\open.exe");
}

TEST_F(FileTypes, ShellKeyWithoutVerbsKeepsTheCommand)
{
    Register("ombrixd", "OmbrixTest.NoVerbs");
    SetDefault("OmbrixTest.NoVerbs\\shell", "");
    FileType type;
    type.command = "kept";
    type.iconPath = "kept.ico";
    ASSERT_TRUE(LookUpFileType("ombrixd", type));
    EXPECT_EQ(type.command, "kept");
    EXPECT_EQ(type.iconPath, "kept.ico");
    EXPECT_EQ(type.iconNumber, -1);
}

TEST_F(FileTypes, UnregisteredTypeAndEmptyClass)
{
    FileType type;
    type.command = "kept";
    EXPECT_FALSE(LookUpFileType("ombrixnone", type));
    EXPECT_EQ(type.command, "kept");
    Register("ombrixe", "");
    EXPECT_FALSE(LookUpFileType("ombrixe", type));
}

TEST_F(FileTypes, DefaultIconForms)
{
    Register("ombrixf", "OmbrixTest.Icons");
    FileType type;
    // Inserts vanish; a number past any argument reads nothing.
    SetDefault("OmbrixTest.Icons\\DefaultIcon", "%1");
    ASSERT_TRUE(LookUpFileType("ombrixf", type));
    EXPECT_EQ(type.iconPath, "");
    EXPECT_EQ(type.iconNumber, 0);
    SetDefault("OmbrixTest.Icons\\DefaultIcon", "D:\\icons%2.dll,%3 7");
    ASSERT_TRUE(LookUpFileType("ombrixf", type));
    EXPECT_EQ(type.iconPath, "D:\\icons.dll");
    EXPECT_EQ(type.iconNumber, 7);
    // A comma at the very start is no separator.
    SetDefault("OmbrixTest.Icons\\DefaultIcon", ",5");
    ASSERT_TRUE(LookUpFileType("ombrixf", type));
    EXPECT_EQ(type.iconPath, ",5");
    EXPECT_EQ(type.iconNumber, 0);
}

TEST_F(FileTypes, ExpandableIconPathKeepsItsFolder)
{
    Register("ombrixg", "OmbrixTest.Expand");
    SetDefault("OmbrixTest.Expand\\DefaultIcon", "%SystemRoot%\\system32\\shell32.dll,3", REG_EXPAND_SZ);
    char expected[MAX_PATH];
    ExpandEnvironmentStringsA("%SystemRoot%\\system32\\shell32.dll", expected, sizeof expected);
    FileType type;
    ASSERT_TRUE(LookUpFileType("ombrixg", type));
    EXPECT_EQ(type.iconPath, expected);
    EXPECT_EQ(type.iconNumber, 3);
}

TEST_F(FileTypes, VerbNamesTooLongAreSkipped)
{
    Register("ombrixh", "OmbrixTest.LongVerb");
    SetDefault("OmbrixTest.LongVerb\\shell\\" + std::string(70, 'v') + "\\command", "D:\\long.exe");
    SetDefault("OmbrixTest.LongVerb\\shell\\zeta\\command", "D:\\zeta.exe");
    FileType type;
    ASSERT_TRUE(LookUpFileType("ombrixh", type));
    EXPECT_EQ(type.command, "D:\\zeta.exe");
}
