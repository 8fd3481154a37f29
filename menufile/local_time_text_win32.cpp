#include "menufile/local_time_text.h"

#include <ctime>

namespace menufile {

std::string LongLocalDateTime()
{
    // "%#c" is the Windows C runtime's long date-and-time form.
    time_t now = time(nullptr);
    const tm* local = localtime(&now);
    char text[256];
    size_t length = local ? strftime(text, sizeof text, "%#c", local) : 0;
    return std::string(text, length);
}

}  // namespace menufile
