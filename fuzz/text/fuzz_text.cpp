// Input: a format. The formatter must expand any format that keeps within
// the limits, and read nothing beyond it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "resident/text/cstr.h"

using resident::CStr;

namespace {

// Every conversion made an integer one and each directive kept to four
// digits, so that the arguments below fit and no output reaches the limit.
std::string TameFormat(const std::string& format)
{
    std::string tame;
    int conversions = 0;
    int arguments = 0;
    int digits = 0;
    bool inDirective = false;
    for (char c : format) {
        if (c == 'l' || c == 'L' || c == 'h')
            continue;
        if (inDirective && c >= '0' && c <= '9' && ++digits > 4)
            continue;
        if (inDirective && c == '*' && ++arguments > 20)
            break;
        if (inDirective && !std::strchr("-+0 #*.123456789", c)) {
            inDirective = false;
            if (std::strchr("s!eEfgGcCdiouxXpnS", c))
                c = 'd';
            if (++conversions > 5 || ++arguments > 20)
                break;
        } else if (!inDirective && c == '%') {
            inDirective = true;
            digits = 0;
        }
        tame += c;
    }
    return tame;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string tame = TameFormat(std::string(reinterpret_cast<const char*>(data), size));
    CStr out;
    // At most 20 ints are taken, by stars and conversions together.
    out.Format(tame.c_str(), 7, -3, 12, 99, -1, 5, 0, 42, 3, -8, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12);
    if (out.Length() > CStr::kMaxLength)
        std::abort();
    return 0;
}
