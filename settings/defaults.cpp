#include "settings/defaults.h"

#include <cstdio>
#include "settings/keys.h"

namespace settings {

const SectionKey kSectionKeys[kSectionKeyCount] = {
    {kFlags, false, 0, 0},
    {kDesc, true, 0, 0},
    {kIconUp, true, 0, 0},
    {kIconNoUp, false, kDefaultIconNumber, kDefaultIconNumber},
    {kIconDown, true, 0, 0},
    {kIconNoDown, false, kDefaultIconNumber, kDefaultIconNumber},
    {kOptLeft, false, 0, kEditorDefaultMenuOptions},
    {kOptRight, false, 0, kEditorDefaultMenuOptions},
    {kMenuWidthLeft, false, 0, 0},
    {kMenuWidthRight, false, 0, 0},
    {kMenuPathLeft, true, 0, 0},
    {kMenuPathRight, true, 0, 0},
};

namespace {
bool SameAsciiName(const char* a, const std::string& b)
{
    size_t i = 0;
    for (; a[i] && i < b.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return a[i] == '\0' && i == b.size();
}
}  // namespace

const SectionKey* FindSectionKey(const std::string& name)
{
    for (const SectionKey& key : kSectionKeys) {
        if (SameAsciiName(key.name, name))
            return &key;
    }
    return nullptr;
}

int DefaultOf(const SectionKey& key, Reader reader)
{
    return reader == Reader::Resident ? key.residentDefault : key.editorDefault;
}

std::string EditorDefaultDescription(uint32_t secondsSince1970)
{
    char text[32];
    snprintf(text, sizeof text, "Tray_%X", static_cast<unsigned>(secondsSince1970));
    return text;
}

}  // namespace settings
