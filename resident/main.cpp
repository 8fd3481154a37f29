// Ombrix.exe: the tray resident. It takes no command line.
#include <windows.h>
#include "resident/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return resident::RunResident(instance);
}
