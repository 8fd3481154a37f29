#pragma once
// Defaults of the settings keys. The resident and the editor differ for
// Opt_L/Opt_R and Desc; everything else is the same for both.
#include <cstdint>
#include <string>

namespace settings {

inline constexpr int kDefaultIconNumber = -1;
// The most tray icons the resident shows ([Main] TrayNo above it counts as
// this). A notification area holds a few dozen icons at most, while every
// icon costs a dozen profile reads and a shell call at each start and
// reload: 64 keeps those under a second, where a mistyped TrayNo=100000
// stalled them for minutes.
inline constexpr int kMaxTrayIcons = 64;
inline constexpr int kEditorDefaultMenuOptions = 0x50000;  // icons, small, texts

enum class Reader { Resident, Editor };

struct SectionKey {
    const char* name;
    bool isText;
    int residentDefault;  // integers only; texts default to ""
    int editorDefault;
};

// The keys of a [SectionN] in the order the editor writes them.
inline constexpr int kSectionKeyCount = 12;
extern const SectionKey kSectionKeys[kSectionKeyCount];

// The key of that name (compared without regard to case, as the
// private-profile operations do), or nullptr.
const SectionKey* FindSectionKey(const std::string& name);
int DefaultOf(const SectionKey& key, Reader reader);

// The editor's Desc for a section without one: "Tray_" and the time in
// seconds since 1970 in upper-case hexadecimal.
std::string EditorDefaultDescription(uint32_t secondsSince1970);

}  // namespace settings
