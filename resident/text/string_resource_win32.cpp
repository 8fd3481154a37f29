#include "resident/text/string_resource.h"

namespace resident {

namespace {

constexpr int kFirstTry = 96;
constexpr int kLongText = 16384;
constexpr int kFormatText = 512;

}  // namespace

bool LoadResourceString(CStr& out, UINT id)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    char buffer[kFirstTry];
    int length = LoadStringA(module, id, buffer, kFirstTry);
    // Up to kFirstTry - 1 bytes fit, but a double-byte character that would
    // straddle the last byte is left out whole: a result of kFirstTry - 2
    // bytes may be cut short too. Only a shorter one is surely complete.
    if (length < kFirstTry - 2) {
        out.Assign(buffer, length > 0 ? length : 0);
        return length > 0;
    }
    // Loaded apart so that the text keeps no 16 KB buffer.
    CStr whole;
    length = LoadStringA(module, id, whole.GetBuffer(kLongText - 1), kLongText);
    out.Assign(whole.c_str(), length > 0 ? length : 0);
    return length > 0;
}

bool FormatResourceStringV(CStr& out, UINT id, va_list args)
{
    char format[kFormatText];
    if (LoadStringA(GetModuleHandleA(nullptr), id, format, kFormatText) <= 0) {
        out.Empty();
        return false;
    }
    out.FormatV(format, args);
    return true;
}

bool FormatResourceString(CStr& out, UINT id, ...)
{
    va_list args;
    va_start(args, id);
    bool found = FormatResourceStringV(out, id, args);
    va_end(args);
    return found;
}

}  // namespace resident
