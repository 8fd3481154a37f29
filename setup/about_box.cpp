#include "setup/about_box.h"

#include "setup/about_dialog.h"
#include "setup/setup_paths.h"

namespace setup {

INT_PTR ShowAboutBox(HINSTANCE instance)
{
    AboutDialog dialog(instance, PathsOfThisProgram().helpPath);
    return dialog.DoModal();
}

}  // namespace setup
