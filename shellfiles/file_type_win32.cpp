#include "shellfiles/file_type.h"

#include <windows.h>
#include <vector>
#include "shellfiles/icon_location.h"
#include "win32/unique_handle.h"

namespace shellfiles {

namespace {

// Reading access only: a user without administrator rights may not open the
// machine-wide class keys for writing.
win32::UniqueRegistryKey OpenClassKey(const std::string& name)
{
    win32::UniqueRegistryKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        key.release();
    return key;
}

// The key's default value as text, whatever its type; false when the key or
// the value is missing or empty.
bool ReadDefaultValue(const std::string& keyName, std::string& value, DWORD* type = nullptr)
{
    win32::UniqueRegistryKey key = OpenClassKey(keyName);
    if (!key)
        return false;
    char buffer[512];
    DWORD size = sizeof buffer - 1;
    if (RegQueryValueExA(key.get(), nullptr, nullptr, type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return false;
    // A stored string need not end with its terminator.
    buffer[size] = '\0';
    value = buffer;
    return !value.empty();
}

// Removes the message inserts (%1, ...) that some DefaultIcon values hold.
std::string FormatIconValue(const std::string& value, DWORD type)
{
    std::string text = value;
    if (type == REG_EXPAND_SZ) {
        // Formatting would eat the % of %SystemRoot% and leave a path that
        // names nothing.
        std::vector<char> expanded(MAX_PATH);
        DWORD length;
        while ((length = ExpandEnvironmentStringsA(value.c_str(), expanded.data(),
                                                   static_cast<DWORD>(expanded.size()))) > expanded.size())
            expanded.resize(length);
        if (length > 0)
            text = expanded.data();
    }
    // Every insert number a message may name gets an empty text, so that no
    // insert can read past the arguments. The leading "-" keeps the result
    // from being empty, which FormatMessageA would report as a failure.
    static const char kEmpty[8] = {};
    std::vector<DWORD_PTR> arguments(99, reinterpret_cast<DWORD_PTR>(kEmpty));
    std::string source = "-" + text;
    char* formatted = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING |
                                      FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  source.c_str(), 0, 0, reinterpret_cast<char*>(&formatted), 0,
                                  reinterpret_cast<va_list*>(arguments.data()));
    if (formatted) {
        if (length > 0)
            text.assign(formatted + 1, length - 1);
        LocalFree(formatted);
    }
    return text;
}

void ReadDefaultIcon(const std::string& className, FileType& result)
{
    std::string value;
    DWORD type = REG_SZ;
    if (!ReadDefaultValue(className + "\\DefaultIcon", value, &type))
        return;
    std::string text = FormatIconValue(value, type);
    size_t comma = text.rfind(',');
    if (comma != std::string::npos && comma > 0) {
        result.iconPath = text.substr(0, comma);
        result.iconNumber = LeadingNumber(text.substr(comma + 1));
    } else {
        result.iconPath = text;
        result.iconNumber = 0;
    }
}

// "open" when the class has it (any case), else its first verb; empty when
// the class has none.
std::string ChooseVerb(const std::string& className)
{
    win32::UniqueRegistryKey shell = OpenClassKey(className + "\\shell");
    if (!shell)
        return {};
    std::string first;
    for (DWORD index = 0;; ++index) {
        char name[64];
        DWORD size = sizeof name;
        LONG status = RegEnumKeyExA(shell.get(), index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA)
            continue;  // a name too long for a verb we could use
        if (status != ERROR_SUCCESS)
            break;
        if (lstrcmpiA(name, "open") == 0)
            return name;
        if (first.empty())
            first = name;
    }
    return first;
}

}  // namespace

bool LookUpFileType(const std::string& type, FileType& result)
{
    result.iconNumber = -1;
    std::string className;
    if (!ReadDefaultValue("." + type, className))
        return false;
    ReadDefaultIcon(className, result);
    std::string verb = ChooseVerb(className);
    std::string command;
    if (!verb.empty() && ReadDefaultValue(className + "\\shell\\" + verb + "\\command", command))
        result.command = command;
    return true;
}

}  // namespace shellfiles
