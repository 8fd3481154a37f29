#include "resident/menus/entry_ids.h"

#include <algorithm>
#include "resident/menus/launch_map.h"

namespace resident {

namespace {
constexpr UINT kLastId = 0xFFFF;  // 0 means "nothing chosen"
}

EntryIds::EntryIds(LaunchMap& launchMap, std::vector<UINT> reserved)
    : launchMap_(&launchMap), reserved_(std::move(reserved))
{
}

UINT EntryIds::Take(const std::string& target, const std::string& parameters)
{
    if (displayOnly())
        return kDisplayOnlyId;
    UINT id = NextFree();
    if (id != 0)
        launchMap_->Put(static_cast<int>(id), target, parameters);
    return id;
}

UINT EntryIds::NextFree()
{
    while (looked_ < kLastId) {
        UINT id = next_;
        next_ = next_ == kLastId ? 1 : next_ + 1;
        ++looked_;
        if (std::find(reserved_.begin(), reserved_.end(), id) == reserved_.end())
            return id;
    }
    return 0;
}

}  // namespace resident
