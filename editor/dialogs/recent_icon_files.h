#pragma once
// The icon files chosen last, newest first, at most five. Paths are
// compared ignoring the case of ASCII letters, character by character of
// Shift-JIS, so that a double-byte name never matches by a folded trail byte.
#include <string>
#include <vector>
#include "settings/keys.h"

namespace editor {

class RecentIconFiles {
public:
    static constexpr size_t kCapacity = settings::kIconLocationCount;

    RecentIconFiles() = default;
    // Empty entries are skipped; more than kCapacity are cut.
    explicit RecentIconFiles(const std::vector<std::string>& files);

    // The file goes to the head; an equal entry moves there instead.
    void Add(const std::string& path);
    // The later entries move up.
    void Remove(const std::string& path);
    bool Contains(const std::string& path) const;

    const std::vector<std::string>& files() const { return files_; }

private:
    std::vector<std::string>::iterator Find(const std::string& path);

    std::vector<std::string> files_;
};

}  // namespace editor
