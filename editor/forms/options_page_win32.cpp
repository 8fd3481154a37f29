#include "editor/forms/options_page.h"

#include <string>
#include "editor/forms/page_text.h"
#include "resources/editor/resource_ids.h"
#include "win32/html_view.h"

namespace editor {

namespace {

// The page is kept in UTF-8, as a browser reads it; the edit shows ANSI.
std::string AnsiFromUtf8(const std::string& text)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &ansi[0], bytes, nullptr, nullptr);
    return ansi;
}

std::string PageResource(HINSTANCE instance)
{
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_OPTIONS_PAGE), MAKEINTRESOURCEA(23));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(instance, found)) : std::string();
}

HWND CreatePageText(HINSTANCE instance, HWND parent)
{
    HWND page = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", PageText(AnsiFromUtf8(PageResource(instance))).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0, parent,
                                nullptr, instance, nullptr);
    SendMessageA(page, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return page;
}

}  // namespace

PageView SystemPageView()
{
    return win32::HtmlEngineAvailable() ? PageView::Html : PageView::Text;
}

HWND CreateOptionsPage(HINSTANCE instance, HWND parent, PageView view)
{
    HWND page = nullptr;
    if (view == PageView::Html)
        page = win32::CreateHtmlView(parent, win32::HtmlResourceUrl(instance, IDR_OPTIONS_PAGE));
    return page ? page : CreatePageText(instance, parent);
}

}  // namespace editor
