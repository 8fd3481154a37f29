#include "resident/menus/menu_text.h"

#include "shiftjis/shift_jis.h"

namespace resident {

namespace {

char Upper(int c)
{
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

}  // namespace

char MnemonicOf(const char* text)
{
    for (const char* p = text; *p; p += shiftjis::CharSize(p)) {
        if (*p == '&' && p[1] != '&')
            return p[1];
        if (*p == '&')
            ++p;  // "&&" shows one "&"
    }
    return 0;
}

bool SameMnemonic(char m, int c)
{
    return m != 0 && Upper(static_cast<unsigned char>(m)) == Upper(c);
}

SplitText SplitAtTab(const std::string& text)
{
    SplitText split;
    for (size_t i = 0; i < text.size(); i += shiftjis::CharSize(text, i)) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 't') {
            split.left = text.substr(0, i);
            split.right = text.substr(i + 2);
            split.hasRight = i > 0;
            return split;
        }
    }
    split.left = text;
    return split;
}

}  // namespace resident
