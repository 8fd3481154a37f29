#include "setup/document_programs.h"

#include "shellfiles/program_command.h"
#include "shiftjis/shift_jis.h"

namespace setup {

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
        if (std::string(type) == "doc" && shiftjis::EqualIgnoringCase(program, textProgram))
            continue;
        programs.push_back(program);
    }
    return programs;
}

}  // namespace setup
