// Input: a text, a zero byte, a set, a zero byte, a format. The searches
// and trims must stop on character boundaries and agree with each other;
// the formatter must expand any format that keeps within the limits.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "resident/text/cstr.h"
#include "shiftjis/shift_jis.h"

using shiftjis::CharSize;
using resident::CStr;
using shiftjis::SetHoldsChar;

namespace {

std::string NextPart(const uint8_t*& data, const uint8_t* end)
{
    const uint8_t* stop = static_cast<const uint8_t*>(std::memchr(data, 0, end - data));
    if (!stop)
        stop = end;
    std::string part(reinterpret_cast<const char*>(data), stop - data);
    data = stop == end ? end : stop + 1;
    return part;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsBoundary(const CStr& text, int position)
{
    int p = 0;
    while (p < position)
        p += static_cast<int>(CharSize(text.c_str() + p));
    return p == position;
}

bool HeldAt(const CStr& text, int position, const char* set)
{
    return SetHoldsChar(set, text.c_str() + position, CharSize(text.c_str() + position));
}

void CheckSearchAndTrim(const CStr& text, const std::string& set)
{
    int found = text.FindOneOf(set.c_str());
    Check(found == -1 || (IsBoundary(text, found) && HeldAt(text, found, set.c_str())));

    CStr left(text);
    left.TrimLeft(set.c_str());
    int cut = text.Length() - left.Length();
    Check(std::strcmp(text.c_str() + cut, left.c_str()) == 0 && IsBoundary(text, cut));
    Check(left.IsEmpty() || !HeldAt(text, cut, set.c_str()));
    Check(found == -1 ? cut == 0 : found >= cut || found == 0);

    CStr right(text);
    right.TrimRight(set.c_str());
    Check(std::strncmp(text.c_str(), right.c_str(), right.Length()) == 0 && IsBoundary(text, right.Length()));
    for (int p = right.Length(); p < text.Length(); p += static_cast<int>(CharSize(text.c_str() + p)))
        Check(HeldAt(text, p, set.c_str()));
}

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
    const uint8_t* end = data + size;
    std::string text = NextPart(data, end);
    std::string set = NextPart(data, end);
    std::string format = NextPart(data, end);
    CheckSearchAndTrim(CStr(text.c_str()), set);

    std::string tame = TameFormat(format);
    CStr out;
    // At most 20 ints are taken, by stars and conversions together.
    out.Format(tame.c_str(), 7, -3, 12, 99, -1, 5, 0, 42, 3, -8, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12);
    Check(out.Length() <= CStr::kMaxLength);
    return 0;
}
