#include "editor/forms/page_text.h"

namespace editor {

std::string PageText(const std::string& html)
{
    std::string text;
    bool inTag = false;
    bool inTitle = false;  // the window's caption says it already
    std::string tag;
    for (char c : html) {
        if (c == '<') {
            inTag = true;
            tag.clear();
        } else if (c == '>') {
            inTag = false;
            inTitle = tag == "title" || (inTitle && tag != "/title");
            if (tag == "/p" || tag == "/h3" || tag == "br")
                text += "\r\n";
        } else if (inTag) {
            tag += c;
        } else if (!inTitle && c != '\r' && c != '\n') {
            text += c;
        }
    }
    return text;
}

}  // namespace editor
