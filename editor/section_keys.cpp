#include "editor/section_keys.h"

#include <cstring>
#include "settings/keys.h"
#include "settings/paths.h"

namespace editor {

namespace {

using settings::SectionKey;

int IntValue(const SectionValues& v, const char* key)
{
    const struct {
        const char* key;
        int value;
    } table[] = {
        {settings::kFlags, v.flags},
        {settings::kIconNoUp, v.normalIconNumber},
        {settings::kIconNoDown, v.pressedIconNumber},
        {settings::kOptLeft, v.menus[kLeft].options},
        {settings::kOptRight, v.menus[kRight].options},
        {settings::kMenuWidthLeft, v.menus[kLeft].width},
        {settings::kMenuWidthRight, v.menus[kRight].width},
    };
    for (const auto& row : table) {
        if (std::strcmp(row.key, key) == 0)
            return row.value;
    }
    return 0;
}

std::string TextValue(const SectionValues& v, const char* key, const std::string& poolPath)
{
    if (std::strcmp(key, settings::kDesc) == 0)
        return v.description;
    if (std::strcmp(key, settings::kIconUp) == 0)
        return v.normalIconFile;
    if (std::strcmp(key, settings::kIconDown) == 0)
        return v.pressedIconFile;
    Side side = std::strcmp(key, settings::kMenuPathLeft) == 0 ? kLeft : kRight;
    return settings::RelativeMenuPath(poolPath, v.menus[side].path);
}

bool IsKeptMenuPath(const char* key, const bool keepMenuPath[kSideCount])
{
    return (keepMenuPath[kLeft] && std::strcmp(key, settings::kMenuPathLeft) == 0) ||
           (keepMenuPath[kRight] && std::strcmp(key, settings::kMenuPathRight) == 0);
}

bool WriteKey(ProfileStore& store, const std::string& section, const SectionKey& key,
              const SectionValues& values, const std::string& poolPath)
{
    if (key.isText) {
        std::string value = TextValue(values, key.name, poolPath);
        return store.ReadText(section, key.name) == value || store.WriteText(section, key.name, value);
    }
    int value = IntValue(values, key.name);
    return store.ReadInt(section, key.name, key.residentDefault) == value ||
           store.WriteInt(section, key.name, value);
}

}  // namespace

SectionValues ReadSectionValues(const ProfileStore& store, int number, const std::string& poolPath)
{
    const std::string s = settings::SectionName(number);
    auto text = [&](const char* key) { return store.ReadText(s, key); };
    auto integer = [&](const char* key) {
        return store.ReadInt(s, key, settings::DefaultOf(*settings::FindSectionKey(key), settings::Reader::Editor));
    };
    SectionValues v;
    v.flags = integer(settings::kFlags);
    v.description = text(settings::kDesc);
    v.normalIconFile = text(settings::kIconUp);
    v.normalIconNumber = integer(settings::kIconNoUp);
    v.pressedIconFile = text(settings::kIconDown);
    v.pressedIconNumber = integer(settings::kIconNoDown);
    v.menus[kLeft] = {integer(settings::kOptLeft), integer(settings::kMenuWidthLeft),
                      settings::ResolveMenuPath(poolPath, text(settings::kMenuPathLeft))};
    v.menus[kRight] = {integer(settings::kOptRight), integer(settings::kMenuWidthRight),
                       settings::ResolveMenuPath(poolPath, text(settings::kMenuPathRight))};
    return v;
}

bool WriteSectionValues(ProfileStore& store, int number, const SectionValues& values,
                        const std::string& poolPath, const bool keepMenuPath[kSideCount])
{
    const std::string section = settings::SectionName(number);
    bool ok = true;
    for (const SectionKey& key : settings::kSectionKeys) {
        if (!IsKeptMenuPath(key.name, keepMenuPath))
            ok = WriteKey(store, section, key, values, poolPath) && ok;
    }
    return ok;
}

}  // namespace editor
