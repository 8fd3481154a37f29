#pragma once
// The holder of one menu file: its path, the menu options and width that
// the settings give it, and the menu read from the file.
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>
#include "menufile/line_reader.h"
#include "menufile/menu_model.h"

namespace menufile {

// Statement errors; the numbers are the message ids of the programs'
// string tables.
enum StatementError : int {
    ERR_NO_STATEMENT = 156,       // none
    ERR_MISSING_STATEMENT = 157,  // "END", lines read
    ERR_MISSING_OPERAND = 158,    // keyword, line
    ERR_NO_POPUP = 159,           // line
    ERR_BAD_OPERAND = 160,        // keyword, line
    ERR_TOO_MANY = 161,           // keyword, line
    ERR_BAD_STATEMENT = 162,      // line, keyword
};

// The arguments of a message, in the order its text takes them: a text for
// %s, a number for %d.
using ReportArg = std::variant<std::string, int>;
using ReportArgs = std::vector<ReportArg>;

enum class FileFailure { Open, Read };

class MenuFile {
public:
    explicit MenuFile(std::string path = {}, int width = 0, int options = 0,
                      LineRules rules = LineRules::Resident);
    virtual ~MenuFile();
    MenuFile(const MenuFile&) = delete;
    MenuFile& operator=(const MenuFile&) = delete;

    // Reads the file into a new tree. An empty path is an empty menu. False
    // after the failure has been reported; then root holds what was read
    // before the failing line, and after errors 156 and 157 the path is empty.
    bool Load();
    // The same for a file's bytes held in memory.
    bool LoadBytes(const std::string& bytes);

    const std::string& path() const { return path_; }
    void set_path(std::string path) { path_ = std::move(path); }
    int width() const { return width_; }
    int options() const { return options_; }
    bool loaded() const { return loaded_; }
    // Loaded, and the last load read the whole file without an error: false
    // too while a load is still under way (its report may be on screen).
    bool readWhole() const { return readWhole_; }
    // The outermost menu, or none when the file held no POPUP.
    MenuList* root() const { return root_.get(); }
    void set_root(std::unique_ptr<MenuList> root);
    // The innermost menu still open while (or where) reading stopped.
    MenuList* current() const { return current_; }

protected:
    // A statement error of the file; the load fails after it.
    virtual void ReportError(int id, const ReportArgs& args) = 0;
    // The file could not be opened or read; runtimeError is errno.
    virtual void ReportFileError(FileFailure failure, int runtimeError) = 0;

private:
    bool ReadFile();
    bool Read(LineReader& reader);
    bool Finish(int lineCount);
    bool Apply(int line, std::string_view keyword, std::vector<std::string>& fields);
    bool ApplyPopup(int line, std::string_view keyword, std::vector<std::string>& fields);
    bool ApplyItem(int line, std::string_view keyword, std::vector<std::string>& fields, uint32_t kind);
    bool ApplyOptions(int line, std::string_view keyword, std::vector<std::string>& fields,
                      uint32_t kind, uint32_t& flags);
    bool Fail(int id, ReportArgs args);

    std::string path_;
    int width_ = 0;
    int options_ = 0;
    LineRules rules_;
    std::unique_ptr<MenuList> root_;
    MenuList* current_ = nullptr;
    bool loaded_ = false;
    bool readWhole_ = false;
};

}  // namespace menufile
