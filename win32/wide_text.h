#pragma once
// Conversion of ANSI (code page of the system) texts for the interfaces that
// take UTF-16 only, at whatever length: a fixed 260-character buffer would
// cut long paths or leave them without a terminator.
#include <windows.h>
#include <string>

namespace win32 {

inline std::wstring WideFromAnsi(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

}  // namespace win32
