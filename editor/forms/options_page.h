#pragma once
// The page "t.htm" above the options form: in the system's HTML view where
// an engine can render it, else its text, read only, rather than a blank
// pane.
#include <windows.h>

namespace editor {

enum class PageView { Html, Text };

// Html where the system has an HTML engine.
PageView SystemPageView();

// The page as a child of parent; the text when the HTML view cannot be made.
HWND CreateOptionsPage(HINSTANCE instance, HWND parent, PageView view);

}  // namespace editor
