#include "shellfiles/file_path.h"

#include "shellfiles/environment.h"
#include "shiftjis/shift_jis.h"

namespace shellfiles {

namespace {

// The text that replaces the reference text[open, close] (both '%' included).
std::string ResolveReference(const std::string& text, size_t open, size_t close)
{
    std::string name = text.substr(open + 1, close - open - 1);
    std::string value;
    if (!name.empty() && LookUpEnvironment(name, value))
        return value;
    return text.substr(open, close - open + 1);
}

}  // namespace

std::string ExpandReferences(const std::string& text)
{
    if (text.find('%') == std::string::npos)
        return text;
    std::string result;
    result.reserve(text.size());
    size_t open = std::string::npos;
    for (size_t i = 0; i < text.size();) {
        size_t length = shiftjis::CharSize(text, i);
        if (length == 1 && text[i] == '%') {
            if (open == std::string::npos) {
                open = i;
            } else {
                result += ResolveReference(text, open, i);
                open = std::string::npos;
            }
        } else if (open == std::string::npos) {
            result.append(text, i, length);
        }
        i += length;
    }
    return result;
}

}  // namespace shellfiles
