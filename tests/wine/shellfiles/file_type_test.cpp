// Document types registered by the test under HKEY_CLASSES_ROOT and removed
// again afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "shellfiles/file_type.h"
#include "tests/support/test_support.h"

using shellfiles::FileType;
using shellfiles::LookUpFileType;

namespace {

// Registers the types and classes of one test and removes them at its end.
class FileTypes : public ::testing::Test {
protected:
    void Set(const std::string& key, const std::string& value, DWORD type = REG_SZ)
    {
        keys_.push_back(std::make_unique<testing_support::ClassesKey>(key, value.c_str(), type));
        ASSERT_TRUE(keys_.back()->set()) << key;
    }

private:
    std::vector<std::unique_ptr<testing_support::ClassesKey>> keys_;
};

struct Key {
    std::string name, value;
    DWORD type = REG_SZ;
};

}  // namespace

// Each case is a class of its own with these keys below it. What the class
// does not say stays as it was: the command "kept" and the icon "kept.ico".
TEST_F(FileTypes, VerbsAndDefaultIcons)
{
    char shell32[MAX_PATH];
    ExpandEnvironmentStringsA("%SystemRoot%\\system32\\shell32.dll", shell32, sizeof shell32);
    const struct {
        std::vector<Key> keys;
        std::string command, iconPath;
        int iconNumber;
    } cases[] = {
        // "open" before any other verb, in any case; a negative icon number is kept.
        {{{"DefaultIcon", "shell32.dll,-152"},
          {"shell\\print\\command", "D:\\print.exe /p %1"},
          {"shell\\open\\command", "D:\\WINDOWS\\NOTEPAD.EXE %1"}},
         "D:\\WINDOWS\\NOTEPAD.EXE %1", "shell32.dll", -152},
        {{{"shell\\a_first\\command", "D:\\first.exe"}, {"shell\\OPEN\\command", "D:\\open.exe"}},
         "D:\\open.exe", "kept.ico", -1},
        // Otherwise the first verb whose name is not too long.
        {{{"shell\\edit\\command", "D:\\edit.exe \"%1\""}}, "D:\\edit.exe \"%1\"", "kept.ico", -1},
        {{{"shell\\" + std::string(70, 'v') + "\\command", "D:\\long.exe"}, {"shell\\zeta\\command", "D:\\zeta.exe"}},
         "D:\\zeta.exe", "kept.ico", -1},
        // A shell key without verbs.
        {{{"shell", ""}}, "kept", "kept.ico", -1},
        // Inserts vanish; a number past any argument reads nothing; a comma
        // at the very start is no separator; expandable values are expanded.
        {{{"DefaultIcon", "%1"}}, "kept", "", 0},
        {{{"DefaultIcon", "D:\\icons%2.dll,%3 7"}}, "kept", "D:\\icons.dll", 7},
        {{{"DefaultIcon", ",5"}}, "kept", ",5", 0},
        {{{"DefaultIcon", "%SystemRoot%\\system32\\shell32.dll,3", REG_EXPAND_SZ}}, "kept", shell32, 3},
    };
    int number = 0;
    for (const auto& c : cases) {
        std::string type = "ombrix" + std::to_string(++number), className = "OmbrixTest.Class" + std::to_string(number);
        Set("." + type, className);
        for (const Key& key : c.keys)
            Set(className + "\\" + key.name, key.value, key.type);
        FileType found;
        found.command = "kept";
        found.iconPath = "kept.ico";
        ASSERT_TRUE(LookUpFileType(type, found)) << number;
        EXPECT_EQ(found.command, c.command) << number;
        EXPECT_EQ(found.iconPath, c.iconPath) << number;
        EXPECT_EQ(found.iconNumber, c.iconNumber) << number;
    }
}

TEST_F(FileTypes, UnregisteredTypeAndEmptyClass)
{
    FileType type;
    type.command = "kept";
    EXPECT_FALSE(LookUpFileType("ombrixnone", type));
    EXPECT_EQ(type.command, "kept");
    Set(".ombrixe", "");
    EXPECT_FALSE(LookUpFileType("ombrixe", type));
}
