#pragma once
// The command ids of one popup's entries. A menu reports an id in 16 bits,
// so a popup has at most 0xFFFF of them; each is handed out once, never one
// of the program's own commands, and an entry beyond the last is shown
// disabled rather than given an id that would do something else.
#include <windows.h>
#include <string>
#include <vector>

namespace resident {

class LaunchMap;

constexpr UINT kFirstCommandId = 2000;
// The one id of every entry of a popup shown for display only.
constexpr UINT kDisplayOnlyId = 0x7000;

class EntryIds {
public:
    // A popup whose entries launch: ids from kFirstCommandId upwards, then
    // the free ones below it, never one of reserved; each entry's launch
    // string goes into launchMap under its id.
    EntryIds(LaunchMap& launchMap, std::vector<UINT> reserved);
    // A popup shown for display only: every entry carries kDisplayOnlyId
    // and nothing is kept.
    static EntryIds DisplayOnly() { return EntryIds(); }

    // The id of an entry that launches target with parameters; 0 when every
    // id is taken (the entry is then shown disabled).
    UINT Take(const std::string& target, const std::string& parameters);
    bool displayOnly() const { return launchMap_ == nullptr; }
    // The id of a separator or title, which nobody can choose.
    UINT StaticId() const { return displayOnly() ? kDisplayOnlyId : 0; }

private:
    EntryIds() = default;
    UINT NextFree();

    LaunchMap* launchMap_ = nullptr;
    std::vector<UINT> reserved_;
    UINT next_ = kFirstCommandId;
    UINT looked_ = 0;  // ids considered so far, of the 0xFFFF there are
};

}  // namespace resident
