// Arbitrary bytes as a menu file, through the resident's and the editor's
// reader. Whatever a reader accepts is written and must read back as the
// same tree.
#include <cstdint>
#include <cstdlib>
#include <string>
#include "menufile/menu_file.h"
#include "menufile/menu_writer.h"

namespace {

using namespace menufile;

class QuietMenuFile : public MenuFile {
public:
    explicit QuietMenuFile(LineRules rules) : MenuFile({}, 0, 0, rules) {}

protected:
    void ReportError(int, const ReportArgs&) override {}
    void ReportFileError(FileFailure, int) override {}
};

// The resident reads lines of up to 511 bytes whole.
bool LinesFitTheResident(const std::string& text)
{
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (end - start > 511)
            return false;
    }
    return true;
}

void ExpectReadBack(const std::string& text, LineRules rules, const MenuList& tree)
{
    QuietMenuFile back(rules);
    if (!back.LoadBytes(text) || !back.root() || !SameTree(*back.root(), tree))
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WriterInfo info;
    info.fileName = "fuzz.txt";
    const MenuWriter writer(info);
    for (LineRules rules : {LineRules::Resident, LineRules::Editor}) {
        QuietMenuFile file(rules);
        if (!file.LoadBytes(bytes) || !file.root())
            continue;
        std::string text = writer.Text(*file.root());
        ExpectReadBack(text, LineRules::Editor, *file.root());
        if (LinesFitTheResident(text))
            ExpectReadBack(text, LineRules::Resident, *file.root());
    }
    return 0;
}
