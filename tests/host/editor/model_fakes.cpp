#include "model_fakes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include "editor/section_loader.h"

namespace editor_test {

namespace {
std::string Lower(std::string name)
{
    for (char& c : name)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return name;
}
}  // namespace

int MemoryProfile::ReadInt(const std::string& section, const char* key, int defaultValue) const
{
    auto found = values_.find(Lower(section + "." + key));
    return found == values_.end() ? defaultValue : atoi(found->second.c_str());
}

std::string MemoryProfile::ReadText(const std::string& section, const char* key) const
{
    auto found = values_.find(Lower(section + "." + key));
    return found == values_.end() ? std::string() : found->second;
}

bool MemoryProfile::WriteText(const std::string& section, const char* key, const std::string& value)
{
    pending_.emplace_back(section + "." + key, value);
    return true;
}

bool MemoryProfile::Commit()
{
    for (const auto& [name, value] : pending_) {
        values_[Lower(name)] = value;
        written.push_back(name + "=" + value);
    }
    pending_.clear();
    return true;
}

void MemoryProfile::Set(const std::string& section, const std::string& key, const std::string& value)
{
    values_[Lower(section + "." + key)] = value;
}

bool Services::FileExists(const std::string& path) const
{
    return std::filesystem::exists(path);
}

editor::FileAnswer Services::AskMissingOrBroken(const std::string& path)
{
    asked.push_back(path);
    if (answers.empty())
        return editor::FileAnswer::Cancel;
    editor::FileAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool Services::PickFile(std::string& path)
{
    if (picks.empty() || picks.front().empty())
        return false;
    path = picks.front();
    picks.pop_front();
    return true;
}

std::unique_ptr<menufile::MenuList> Services::CopyMenu(const menufile::MenuList& source)
{
    return menufile::CopyTree(source);
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "editor_model_XXXXXX").string();
    path = std::string(mkdtemp(&pattern[0])) + "/";
}

TempDir::~TempDir()
{
    std::filesystem::remove_all(path);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(path + name, std::ios::binary) << bytes;
    return path + name;
}

bool ModelFixture::LoadSections(const std::vector<std::string>& names, const std::string& left,
                                const std::string& right)
{
    model.set_poolPath(dir.path);
    file.Set("Main", "TrayNo", std::to_string(names.size()));
    for (size_t n = 0; n < names.size(); ++n) {
        std::string key = "Section" + std::to_string(n + 1), name = names[n];
        file.Set(key, "Desc", name);
        file.Set(key, "Opt_L", "327680");
        file.Set(key, "Opt_R", "327680");
        file.Set(key, "MenuPath_L", dir.Write(name + "_l.txt", left).substr(dir.path.size()));
        file.Set(key, "MenuPath_R", dir.Write(name + "_r.txt", right).substr(dir.path.size()));
    }
    return editor::LoadSettings(model, file, services);
}

}  // namespace editor_test
