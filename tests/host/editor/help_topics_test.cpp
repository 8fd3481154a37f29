// Every window's help page is compiled into the help file and holds the
// part the topic names: a page missing from the project opens an error page.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include "editor/help_topics.h"

namespace {

std::string ReadText(const std::string& name)
{
    std::ifstream file(std::string(OMBRIX_HELP_SOURCE) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(HelpTopics, EachWindowsPageIsInTheHelpProjectWithItsPart)
{
    using editor::WindowKind;
    std::string project = ReadText("Ombrix.hhp");
    ASSERT_FALSE(project.empty());
    std::string files = project.substr(project.find("[FILES]"));
    for (std::optional<WindowKind> kind :
         {std::optional<WindowKind>(), std::optional(WindowKind::Section), std::optional(WindowKind::Options),
          std::optional(WindowKind::Templates)}) {
        std::string topic = editor::HelpTopicFor(kind);
        std::string page = topic.substr(0, topic.find('#'));
        EXPECT_NE(files.find("\n" + page + "\n"), std::string::npos) << topic;
        if (page != topic) {
            std::string part = "id=\"" + topic.substr(page.size() + 1) + "\"";
            EXPECT_NE(ReadText(page).find(part), std::string::npos) << topic;
        }
    }
    EXPECT_EQ(editor::HelpTopicFor(WindowKind::Section), "editor_section.html");
}
