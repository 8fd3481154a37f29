#include "menufile/local_time_text.h"

#include <ctime>

namespace menufile {

// The host's C runtime knows no "%#c"; its plain form stands in.
std::string LongLocalDateTime()
{
    time_t now = time(nullptr);
    const tm* local = localtime(&now);
    char text[256];
    size_t length = local ? strftime(text, sizeof text, "%c", local) : 0;
    return std::string(text, length);
}

}  // namespace menufile
