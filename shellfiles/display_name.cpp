#include "shellfiles/display_name.h"

namespace shellfiles {

int SpecialFolderNumber(const std::string& path)
{
    if (path.size() < 3 || path.size() > 5 || path.compare(0, 2, "&#") != 0)
        return -1;
    int number = 0;
    for (size_t i = 2; i < path.size(); ++i) {
        if (path[i] < '0' || path[i] > '9')
            return -1;
        number = number * 10 + (path[i] - '0');
    }
    return number;
}

}  // namespace shellfiles
