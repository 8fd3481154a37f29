// Reading parts of a CStr: bytes, parts, searches, comparison, trimming.
#include "resident/text/cstr.h"

#include <algorithm>
#include <cstring>

#include "resident/text/cstr_fatal.h"
#include "shiftjis/shift_jis.h"

namespace resident {

namespace {

int CountOrFatal(int count, int available)
{
    if (count < 0)
        CStrFatal(kFatalPosition);
    return std::min(count, available);
}

int AsciiLower(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
}

}  // namespace

char CStr::operator[](int index) const
{
    if (index < 0 || index >= Length())
        CStrFatal(kFatalPosition);
    return data_->text[index];
}

char CStr::Last() const
{
    if (IsEmpty())
        CStrFatal(kFatalPosition);
    return data_->text[Length() - 1];
}

CStr CStr::Left(int count) const
{
    count = CountOrFatal(count, Length());
    return count == Length() ? *this : CStr(c_str(), count);
}

CStr CStr::Right(int count) const
{
    count = CountOrFatal(count, Length());
    return count == Length() ? *this : CStr(c_str() + Length() - count, count);
}

CStr CStr::Mid(int start) const
{
    CheckStart(start);
    return Mid(start, Length() - start);
}

CStr CStr::Mid(int start, int count) const
{
    CheckStart(start);
    count = CountOrFatal(count, Length() - start);
    return count == Length() ? *this : CStr(c_str() + start, count);
}

int CStr::Find(char byte, int start) const
{
    CheckStart(start);
    const void* found = std::memchr(c_str() + start, byte, Length() - start);
    return found ? static_cast<int>(static_cast<const char*>(found) - c_str()) : -1;
}

int CStr::Find(const char* text, int start) const
{
    CheckStart(start);
    if (!text)
        return -1;
    const char* found = std::strstr(c_str() + start, text);
    return found ? static_cast<int>(found - c_str()) : -1;
}

int CStr::FindOneOf(const char* set, int start) const
{
    CheckStart(start);
    const char* found = set ? shiftjis::FindFirstOf(c_str() + start, set) : nullptr;
    return found ? static_cast<int>(found - c_str()) : -1;
}

int CStr::CompareNoCase(const char* other) const
{
    const unsigned char* left = reinterpret_cast<const unsigned char*>(c_str());
    const unsigned char* right = reinterpret_cast<const unsigned char*>(other ? other : "");
    for (;; ++left, ++right) {
        int difference = AsciiLower(*left) - AsciiLower(*right);
        if (difference != 0)
            return difference < 0 ? -1 : 1;
        if (*left == '\0')
            return 0;
    }
}

CStr& CStr::TrimLeft()
{
    int count = 0;
    while (data_->text[count] == ' ')
        ++count;
    return count == 0 ? *this : Assign(c_str() + count, Length() - count);
}

CStr& CStr::TrimRight()
{
    int length = Length();
    while (length > 0 && data_->text[length - 1] == ' ')
        --length;
    return length == Length() ? *this : Assign(c_str(), length);
}

CStr& CStr::Trim()
{
    return TrimRight().TrimLeft();
}

CStr& CStr::TrimLeft(const char* set)
{
    const char* text = c_str();
    const char* p = text;
    while (set && *p != '\0') {
        size_t size = shiftjis::CharSize(p);
        if (!shiftjis::SetHoldsChar(set, p, size))
            break;
        p += size;
    }
    return p == text ? *this : Assign(p, Length() - static_cast<int>(p - text));
}

CStr& CStr::TrimRight(const char* set)
{
    // Walked from the front: only there is it known which bytes are trail
    // bytes, and a trail byte 0x5C must not go for a "\" of the set.
    const char* text = c_str();
    const char* kept = text;
    for (const char* p = text; set && *p != '\0';) {
        size_t size = shiftjis::CharSize(p);
        p += size;
        if (!shiftjis::SetHoldsChar(set, p - size, size))
            kept = p;
    }
    int length = set ? static_cast<int>(kept - text) : Length();
    return length == Length() ? *this : Assign(text, length);
}

CStr& CStr::CutEnd(int count)
{
    if (count < 0 || count > Length())
        CStrFatal(kFatalPosition);
    return count == 0 ? *this : Assign(c_str(), Length() - count);
}

}  // namespace resident
