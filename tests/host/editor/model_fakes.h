#pragma once
// Stand-ins for the editor model's surroundings: a settings file in memory
// (names without regard to case, as the private-profile operations match
// them), a clock, the user's answers, silent reports and a writer that
// writes no menu file.
#include <gtest/gtest.h>
#include <deque>
#include <map>
#include <string>
#include <vector>
#include "editor/change_history.h"
#include "editor/section/entry_fields.h"
#include "editor/model_services.h"
#include "editor/save_all.h"
#include "editor/section_operations.h"
#include "editor/settings_model.h"

namespace editor {
inline void PrintTo(const EntryFields& f, std::ostream* out)
{
    *out << f.text1 << ", " << f.text2 << ", " << f.parameters << ", " << f.iconPath << ", " << f.iconNumber
         << ", 0x" << std::hex << f.flags;
}
}  // namespace editor

namespace editor_test {

class MemoryProfile : public editor::ProfileTransaction {
public:
    int ReadInt(const std::string& section, const char* key, int defaultValue) const override;
    std::string ReadText(const std::string& section, const char* key) const override;
    bool WriteText(const std::string& section, const char* key, const std::string& value) override;
    bool Commit() override;

    void Set(const std::string& section, const std::string& key, const std::string& value);

    std::vector<std::string> written;  // "Section.Key=value" of each committed write

private:
    std::map<std::string, std::string> values_;
    std::vector<std::pair<std::string, std::string>> pending_;
};

struct Reports : editor::MenuReports {
    void StatementError(const std::string&, int, const menufile::ReportArgs&) override {}
    void FileError(const std::string&, menufile::FileFailure, int) override {}
};

class Services : public editor::ModelServices {
public:
    uint32_t Now() const override { return now; }
    bool FileExists(const std::string& path) const override;
    editor::MenuReports& Reports() override { return reports; }
    editor::FileAnswer AskMissingOrBroken(const std::string& path) override;
    bool PickFile(std::string& path) override;
    std::unique_ptr<menufile::MenuList> CopyMenu(const menufile::MenuList& source) override;

    uint32_t now = 0x5F000000;
    editor_test::Reports reports;
    std::deque<editor::FileAnswer> answers;
    std::deque<std::string> picks;  // files the open dialog picks; empty: cancelled
    std::vector<std::string> asked;
};

class MenuWriterStub : public editor::MenuFileWriter {
public:
    bool Write(const std::string&, const menufile::MenuList&) override { return true; }
};

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string path;  // ends in "/"
    std::string Write(const std::string& name, const std::string& bytes) const;
};

// A model over a settings file in memory whose menu files lie in dir (the
// pool folder), with its history, operations and a writer.
class ModelFixture : public ::testing::Test {
protected:
    bool Save() { return editor::SaveAll(model, writer, file, services); }
    // TrayNo sections of these names, each with both option words and its
    // two menu files ("<name>_l.txt", "<name>_r.txt") in the pool; loaded.
    bool LoadSections(const std::vector<std::string>& names, const std::string& left,
                      const std::string& right);

    TempDir dir;
    MemoryProfile file;
    Services services;
    editor::SettingsModel model;
    editor::ChangeHistory history;
    editor::SectionOperations operations{model, history, services};
    MenuWriterStub writer;
};

}  // namespace editor_test
