// Ombrixm.exe: the menu editor. It takes no command line.
#include <windows.h>
#include "editor/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    editor::Application application(instance);
    return application.Run(showCommand);
}
