#pragma once
// A web browser control in a child window, made by the system's control
// container (the "AtlAxWin" class of atl.dll) from the address it is given
// as its text. COM (OLE) must be initialised on the calling thread.
#include <windows.h>
#include <string>

namespace win32 {

// Whether the system has an engine that renders HTML: without one (Wine
// without its Gecko package) a browser control opens but stays blank.
bool HtmlEngineAvailable();

// A visible child window of parent showing url; null when the container
// or the control cannot be made.
HWND CreateHtmlView(HWND parent, const std::string& url);

// The address of a resource of type 23 (HTML) with a number for its name
// in the module: "res://<module file>/#23/#<id>".
std::string HtmlResourceUrl(HMODULE module, int id);
// The same for a module file's path, its "#" and "%" percent-encoded.
std::string HtmlResourceUrl(const std::string& modulePath, int id);

}  // namespace win32
