#include "editor/dialogs/file_filter.h"

#include "shiftjis/shift_jis.h"

namespace editor {

std::string FileDialogFilter(const std::string& text)
{
    std::string filter = text;
    for (size_t i = 0; i < filter.size(); i += shiftjis::CharSize(filter, i)) {
        if (filter[i] == '|')
            filter[i] = '\0';
    }
    filter.append(2, '\0');
    return filter;
}

}  // namespace editor
