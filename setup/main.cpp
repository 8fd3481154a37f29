// Ombrixa.exe: the setup assistant ("/pt") and the version box.
#include <windows.h>
#include <commctrl.h>
#include "setup/about_box.h"
#include "setup/command_line.h"
#include "setup/setup_dialog.h"
#include "setup/setup_steps.h"
#include "win32/com_ptr.h"

namespace {

int RunSetup(HINSTANCE instance)
{
    setup::SetupSteps steps(setup::PathsOfThisProgram());
    setup::SetupDialog dialog(instance, steps);
    dialog.Run();
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Shortcuts and the shell folders of the sample menus need COM.
    win32::ComScope com;
    if (setup::IsSetupMode(__argc, __argv))
        return RunSetup(instance);
    setup::ShowAboutBox(instance);
    return 0;
}
