#include "setup/document_programs.h"

#include <cctype>
#include "shellfiles/lead_byte.h"
#include "shellfiles/program_command.h"

namespace setup {

namespace {

// Letters compare without case; double-byte characters byte for byte.
bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size();) {
        size_t length = shellfiles::CharLength(a, i);
        if (length == 2 ? a.compare(i, 2, b, i, 2) != 0
                        : std::tolower(static_cast<unsigned char>(a[i])) !=
                              std::tolower(static_cast<unsigned char>(b[i])))
            return false;
        i += length;
    }
    return true;
}

}  // namespace

std::vector<std::string> DocumentPrograms(const CommandLookUp& lookUp)
{
    std::vector<std::string> programs;
    std::string textProgram;
    for (const char* type : {"txt", "htm", "doc", "xls"}) {
        std::string command;
        // A registered type without a command would give an item with an
        // empty path: it is left out like an unregistered one.
        if (!lookUp(type, command) || command.empty())
            continue;
        std::string program = shellfiles::ProgramFromCommand(command);
        if (std::string(type) == "txt")
            textProgram = program;
        if (std::string(type) == "doc" && SameIgnoringCase(program, textProgram))
            continue;
        programs.push_back(program);
    }
    return programs;
}

}  // namespace setup
