#pragma once
// Something that runs commands (menu, tool bar and accelerator ids) and
// tells whether they can run now. A frame offers each command to its
// targets in turn; a command that no target handles is disabled.
#include <string>

namespace win32 {

struct CommandState {
    bool enabled = true;
    bool checked = false;
    // A status prompt of the moment, in place of the string table's.
    std::string prompt;
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Fills the state of a command that this target handles; false when it
    // does not handle it.
    virtual bool QueryCommand(int id, CommandState& state) { return false; }
    // Runs the command; false when this target does not handle it.
    virtual bool RunCommand(int id) { return false; }
};

}  // namespace win32
