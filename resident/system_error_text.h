#pragma once
// The three programs share one system error text (win32/).
#include "win32/system_error_text.h"

namespace resident {

using win32::SystemErrorText;

}  // namespace resident
