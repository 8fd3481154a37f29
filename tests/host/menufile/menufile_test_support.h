#pragma once
// A menu file that records what it reports, and small builders for models.
#include <string>
#include <utility>
#include <vector>
#include "menufile/menu_file.h"
#include "menufile/menu_writer.h"

namespace menufile_test {

using namespace menufile;

struct Report {
    int id;
    ReportArgs args;
};

class RecordingMenuFile : public MenuFile {
public:
    explicit RecordingMenuFile(LineRules rules = LineRules::Resident, std::string path = {})
        : MenuFile(std::move(path), 0, 0, rules)
    {
    }
    std::vector<Report> reports;
    std::vector<std::pair<FileFailure, int>> fileFailures;

protected:
    void ReportError(int id, const ReportArgs& args) override { reports.push_back({id, args}); }
    void ReportFileError(FileFailure failure, int runtimeError) override
    {
        fileFailures.emplace_back(failure, runtimeError);
    }
};

inline MenuEntry Entry(uint32_t flags, std::string text1, std::string text2 = {}, std::string parameters = {},
                       std::string iconPath = {}, int iconNumber = 0)
{
    MenuEntry entry;
    entry.flags = flags;
    entry.text1 = std::move(text1);
    entry.text2 = std::move(text2);
    entry.parameters = std::move(parameters);
    entry.iconPath = std::move(iconPath);
    entry.iconNumber = iconNumber;
    return entry;
}

template <typename... Items>
std::unique_ptr<MenuList> List(Items&&... items)
{
    auto list = std::make_unique<MenuList>();
    (list->entries.push_back(std::forward<Items>(items)), ...);
    return list;
}

template <typename... Items>
MenuEntry Popup(std::string description, std::string iconPath, int iconNumber, Items&&... items)
{
    MenuEntry entry = Entry(ITEM_POPUP, std::move(description), {}, {}, std::move(iconPath), iconNumber);
    entry.submenu = List(std::forward<Items>(items)...);
    return entry;
}

// The writer's text for a tree, which also serves as its readable form in
// failure messages.
inline std::string TextOf(const MenuList& root)
{
    WriterInfo info;
    info.fileName = "menu.txt";
    return MenuWriter(info).Text(root);
}

}  // namespace menufile_test
