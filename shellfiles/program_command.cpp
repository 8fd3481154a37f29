#include "shellfiles/program_command.h"

#include "shellfiles/file_path.h"

namespace shellfiles {

namespace {

bool EndsExeAt(const std::string& text, size_t end)
{
    static const char kExe[] = ".exe";
    for (size_t k = 0; k < 4; ++k) {
        char c = text[end - 4 + k];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kExe[k])
            return false;
    }
    return true;
}

std::string UnquotedProgram(const std::string& command)
{
    if (command.size() < 2)
        return {};
    size_t close = command.find('"', 1);
    if (close == std::string::npos)
        return command.substr(1, command.size() - 2);
    return command.substr(1, close - 1);
}

// ".exe" counts only with at least two characters before it.
std::string ProgramUpToExe(const std::string& command)
{
    for (size_t end = command.size(); end >= 6; --end) {
        if (EndsExeAt(command, end))
            return command.substr(0, end);
    }
    return command;
}

}  // namespace

std::string ProgramFromCommand(const std::string& command)
{
    std::string program =
        !command.empty() && command[0] == '"' ? UnquotedProgram(command) : ProgramUpToExe(command);
    return ExpandReferences(program);
}

}  // namespace shellfiles
