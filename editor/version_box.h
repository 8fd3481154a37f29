#pragma once
// The version box is the setup assistant's: it is started without
// arguments and the frame stays disabled until it has ended, while the
// frame's own messages (painting among them) go on being handled.
#include <windows.h>
#include <string>
#include "win32/message_loop.h"

namespace editor {

// False when the assistant could not be started (its failure was shown).
bool RunVersionBox(HWND frame, const std::string& assistantPath, win32::MessageLoop& loop);

}  // namespace editor
