#pragma once
// The current local date and time in the C runtime's long form, for the
// "; modified --" line of a written menu file. Windows only: "%#c" belongs
// to its C runtime.
#include <string>

namespace menufile {

std::string LongLocalDateTime();

}  // namespace menufile
