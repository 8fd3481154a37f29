// The setup flag and the document types of the first sample menu.
#include <gtest/gtest.h>
#include <map>
#include <vector>
#include "setup/command_line.h"
#include "setup/document_programs.h"

using setup::DocumentPrograms;
using setup::IsSetupMode;

namespace {

bool SetupMode(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "Ombrixa.exe");
    return IsSetupMode(static_cast<int>(arguments.size()), arguments.data());
}

setup::CommandLookUp Registered(std::map<std::string, std::string> commands)
{
    return [commands](const std::string& type, std::string& command) {
        auto found = commands.find(type);
        if (found == commands.end())
            return false;
        command = found->second;
        return true;
    };
}

}  // namespace

TEST(CommandLine, OnlyTheExactLastFlagPtSelectsSetup)
{
    using Arguments = std::vector<std::vector<const char*>>;
    for (const auto& arguments : Arguments{{"/pt"}, {"-pt"}, {"file.txt", "/x", "/pt"}, {"/p", "/pt"}})
        EXPECT_TRUE(SetupMode(arguments)) << arguments.back();
    for (const auto& arguments : Arguments{{}, {"/PT"}, {"/Pt"}, {"pt"}, {"/pt", "/p"}, {"/ptx"}})
        EXPECT_FALSE(SetupMode(arguments)) << (arguments.empty() ? "none" : arguments.front());
}

TEST(DocumentPrograms, InTypeOrderWithTheDocRule)
{
    // "doc" opens with the "txt" program (case aside): left out; "htm" with
    // it too: kept.
    auto programs = DocumentPrograms(Registered({
        {"txt", "C:\\WINDOWS\\NOTEPAD.EXE %1"},
        {"htm", "\"c:\\windows\\notepad.exe\" %1"},
        {"doc", "c:\\windows\\notepad.exe /p"},
        {"xls", "D:\\Office\\EXCEL.EXE /e"},
    }));
    EXPECT_EQ(programs, (std::vector<std::string>{"C:\\WINDOWS\\NOTEPAD.EXE", "c:\\windows\\notepad.exe",
                                                 "D:\\Office\\EXCEL.EXE"}));
}

TEST(DocumentPrograms, UnregisteredAndCommandlessTypesAreLeftOut)
{
    // Without "txt" any "doc" program is kept.
    auto programs = DocumentPrograms(Registered({{"doc", "D:\\Word\\WINWORD.EXE /n"}, {"htm", ""}}));
    EXPECT_EQ(programs, (std::vector<std::string>{"D:\\Word\\WINWORD.EXE"}));
    EXPECT_TRUE(DocumentPrograms(Registered({})).empty());
}

TEST(DocumentPrograms, DoubleByteNamesCompareWhole)
{
    // 0x83 0x41 and 0x83 0x61 are two katakana whose trail bytes differ
    // only as the ASCII letters A and a do.
    auto programs = DocumentPrograms(Registered({{"txt", "D:\\\x83\x41.exe"}, {"doc", "D:\\\x83\x61.exe"}}));
    EXPECT_EQ(programs.size(), 2u);
}
