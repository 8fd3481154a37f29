#include "tests/support/test_support.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <iterator>
#include <utility>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace testing_support {

std::string BinaryFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string SystemFile(const std::string& name)
{
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\" + name;
}

int Fail(const char* what)
{
    fprintf(stdout, "FAIL: %s\n", what);
    fflush(stdout);
    return 1;
}

TempFolder::TempFolder(const std::string& nameHint)
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (unsigned attempt = 0;; ++attempt) {
        char name[MAX_PATH];
        snprintf(name, sizeof name, "%s%s_%lu_%u\\", base, nameHint.c_str(), GetCurrentProcessId(),
                 static_cast<unsigned>(GetTickCount() + attempt));
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::vector<std::string> FileNames(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (strcmp(data.cFileName, ".") != 0 && strcmp(data.cFileName, "..") != 0)
            names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

void RemoveTree(const std::string& folder)
{
    // Without the last backslash, ended by two NULs.
    std::string from = folder.substr(0, folder.find_last_not_of('\\') + 1) + '\0';
    SHFILEOPSTRUCTA operation = {nullptr, FO_DELETE, from.c_str(), nullptr,
                                 FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT};
    SHFileOperationA(&operation);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    return file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && file.flush();
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ReadMenuBody(const std::string& path)
{
    std::string bytes = ReadFileBytes(path);
    size_t stamp = bytes.find("; modified -- ");
    size_t end = stamp == std::string::npos ? 0 : bytes.find('\n', stamp);
    return end == std::string::npos ? bytes : bytes.substr(end ? end + 1 : 0);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CopyFileTo(const std::string& from, const std::string& to)
{
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

std::vector<RecordedStart> ReadRecorderLog(const std::string& logPath)
{
    std::vector<RecordedStart> starts;
    std::istringstream lines(ReadFileBytes(logPath));
    for (std::string line; std::getline(lines, line);) {
        size_t tab = line.rfind('\t');
        if (tab != std::string::npos)
            starts.push_back({line.substr(0, tab), line.substr(tab + 1, line.find('\r', tab) - tab - 1)});
    }
    return starts;
}

std::vector<RecordedStart> WaitForRecorderLog(const std::string& logPath, size_t count, DWORD timeoutMs)
{
    std::vector<RecordedStart> starts;
    WaitFor([&] { return (starts = ReadRecorderLog(logPath)).size() >= count; }, timeoutMs);
    return starts;
}

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& folder)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

ChildProcess::~ChildProcess()
{
    if (process_) {
        if (Wait(5000) == STILL_ACTIVE)
            Kill();
        CloseHandle(process_);
    }
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(other.id_)
{
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other) {
        this->~ChildProcess();
        process_ = std::exchange(other.process_, nullptr);
        id_ = other.id_;
    }
    return *this;
}

DWORD ChildProcess::Wait(DWORD timeoutMs)
{
    if (!process_)
        return STILL_ACTIVE;
    WaitForSingleObject(process_, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

void ChildProcess::Kill()
{
    if (process_) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
}

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    if (search->className) {
        char name[256];
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search->className) != 0)
            return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className)
{
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window)
{
    char text[2048];
    int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

HWND WaitForWindow(DWORD processId, const char* className, const char* caption, bool visible, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : WindowsOfProcess(processId, className)) {
                if ((!caption || WindowText(window) == caption) && (!visible || IsWindowVisible(window)))
                    found = window;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

namespace {
BOOL CALLBACK FindStaticText(HWND child, LPARAM context)
{
    char name[64];
    GetClassNameA(child, name, sizeof name);
    std::string text = WindowText(child);
    if (lstrcmpiA(name, "Static") != 0 || text.empty())
        return TRUE;
    *reinterpret_cast<std::string*>(context) = text;
    return FALSE;
}
}  // namespace

std::string MessageBoxText(HWND box)
{
    std::string text;
    EnumChildWindows(box, FindStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::vector<uint32_t> IconPixels(HICON icon, int size)
{
    if (!icon)
        return {};
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32};
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    win32::SelectObjectGuard select(dc.get(), bitmap.get());
    win32::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    RECT all = {0, 0, size, size};
    FillRect(dc.get(), &all, magenta.get());
    DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    return std::vector<uint32_t>(pixels, pixels + size * size);
}

int IconWidth(HICON icon)
{
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

namespace {
bool ClassesKeyExists(const std::string& key)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}
}  // namespace

ClassesKey::ClassesKey(std::string key, const char* value, DWORD type) : key_(std::move(key))
{
    for (size_t end = 0; made_.empty() && end != std::string::npos;) {
        end = key_.find('\\', end + 1);
        if (!ClassesKeyExists(key_.substr(0, end)))
            made_ = key_.substr(0, end);
    }
    char saved[1024] = "";
    LONG size = sizeof saved;
    hadValue_ = RegQueryValueA(HKEY_CLASSES_ROOT, key_.c_str(), saved, &size) == ERROR_SUCCESS;
    saved_ = saved;
    HKEY handle;
    if (!value) {
        set_ = RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str()) == ERROR_SUCCESS || !made_.empty();
    } else if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                               nullptr) == ERROR_SUCCESS) {
        set_ = !*value || RegSetValueExA(handle, nullptr, 0, type, reinterpret_cast<const BYTE*>(value),
                                         static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
        RegCloseKey(handle);
    }
}

ClassesKey::~ClassesKey()
{
    if (!made_.empty())
        SHDeleteKeyA(HKEY_CLASSES_ROOT, made_.c_str());
    else if (hadValue_)
        RegSetValueA(HKEY_CLASSES_ROOT, key_.c_str(), REG_SZ, saved_.c_str(), 0);
}

void WriteShortcut(const std::string& linkPath, const win32::ShortcutData& data)
{
    win32::ComPtr<IShellLinkA> link;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void()),
              S_OK);
    link->SetPath(data.targetPath.c_str());
    link->SetDescription(data.description.c_str());
    link->SetWorkingDirectory(data.workingDirectory.c_str());
    link->SetArguments(data.arguments.c_str());
    link->SetIconLocation(data.iconPath.c_str(), data.iconIndex);
    link->SetHotkey(data.hotkey);
    link->SetShowCmd(data.showCommand);
    win32::ComPtr<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Save(win32::WideFromAnsi(linkPath).c_str(), TRUE), S_OK);
}

void PressKey(HWND owner, WORD key, bool asCharacter)
{
    if (asCharacter) {
        PostMessageA(owner, WM_CHAR, key, 1);
        return;
    }
    PostMessageA(owner, WM_KEYDOWN, key, 1);
    PostMessageA(owner, WM_KEYUP, key, 0xC0000001);
}

namespace {

struct PendingAction {
    std::function<void()> action;
    bool repeat = false;
};

std::map<UINT_PTR, PendingAction>& Pending()
{
    static std::map<UINT_PTR, PendingAction> pending;
    return pending;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD)
{
    auto found = Pending().find(timer);
    if (found == Pending().end())
        return Cancel(timer);
    std::function<void()> action = found->second.action;
    if (!found->second.repeat)
        Cancel(timer);
    action();
}

UINT_PTR Schedule(UINT ms, std::function<void()> action, bool repeat)
{
    UINT_PTR timer = SetTimer(nullptr, 0, ms, &RunPending);
    Pending()[timer] = {std::move(action), repeat};
    return timer;
}

}  // namespace

UINT_PTR After(UINT ms, std::function<void()> action)
{
    return Schedule(ms, std::move(action), false);
}

UINT_PTR Every(UINT ms, std::function<void()> action)
{
    return Schedule(ms, std::move(action), true);
}

void Cancel(UINT_PTR timer)
{
    KillTimer(nullptr, timer);
    Pending().erase(timer);
}

}  // namespace testing_support
