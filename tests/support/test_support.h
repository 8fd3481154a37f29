#pragma once
// Helpers for the tests that run under Wine.
#include <windows.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "win32/shortcut_reader.h"

namespace testing_support {

// The folder of the running test executable, ending in a backslash; the
// programs and the recorder are built into the same folder.
std::string BinaryFolder();
// A file of the system folder (system32), by its name.
std::string SystemFile(const std::string& name);
// For the drivers of the screen tests: prints "FAIL: what" at once, gives 1.
int Fail(const char* what);

// A new empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
public:
    explicit TempFolder(const std::string& nameHint = "ombrix");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder, ending in a backslash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
// A menu file's bytes after its header's time of saving, which changes with
// the clock.
std::string ReadMenuBody(const std::string& path);
bool FileExists(const std::string& path);
bool CopyFileTo(const std::string& from, const std::string& to);
void RemoveTree(const std::string& folder);
// Names of the files and folders a pattern ("folder\\~*") finds, without . and ..
std::vector<std::string> FileNames(const std::string& pattern);

// Lines of a recorder log (see recorder.cpp): command line and working folder.
struct RecordedStart {
    std::string commandLine;
    std::string folder;
};
std::vector<RecordedStart> ReadRecorderLog(const std::string& logPath);

// How long a test waits for what must come (a window, a started program's
// line, a process's end): a Wine start takes seconds on a busy machine. The
// waits end as soon as their condition holds; only a failure waits it out.
constexpr DWORD kPatienceMs = 60000;

// A recorder log's lines once it holds count of them (the recorder creates
// the file before it writes its line), or what it holds after timeoutMs.
std::vector<RecordedStart> WaitForRecorderLog(const std::string& logPath, size_t count = 1,
                                              DWORD timeoutMs = kPatienceMs);

// Waits up to timeoutMs for the condition, pumping this thread's messages.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = kPatienceMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
    return true;
}

// Runs action from the thread's message loop (an open menu's or a modal
// dialog's loop included): once, ms from now, or every ms until cancelled.
UINT_PTR After(UINT ms, std::function<void()> action);
UINT_PTR Every(UINT ms, std::function<void()> action);
void Cancel(UINT_PTR timer);

// A key for an open menu, posted to the thread's queue where the menu's
// loop reads it: a virtual key, or a character (WM_CHAR) when asCharacter.
// Posted rather than sent through SendInput: the input would go to
// whichever window holds the focus.
void PressKey(HWND owner, WORD key, bool asCharacter = false);

// A process started for a test: waited for (and killed if still running)
// when the object goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const std::string& commandLine, const std::string& folder);
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    // Exit code, or STILL_ACTIVE when it has not ended within timeoutMs.
    DWORD Wait(DWORD timeoutMs);
    void Kill();
    DWORD id() const { return id_; }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Saves a shortcut file with the fields of data through the shell link object.
void WriteShortcut(const std::string& linkPath, const win32::ShortcutData& data);

// A key under HKEY_CLASSES_ROOT with its default value set (left unset when
// value is empty; the key deleted when value is null) while the object
// lives. Afterwards the old value is back, or the outermost key that had to
// be made is removed with everything below it.
class ClassesKey {
public:
    ClassesKey(std::string key, const char* value, DWORD type = REG_SZ);
    ~ClassesKey();
    ClassesKey(const ClassesKey&) = delete;
    ClassesKey& operator=(const ClassesKey&) = delete;
    bool set() const { return set_; }

private:
    std::string key_, made_, saved_;
    bool hadValue_ = false, set_ = false;
};

// Top-level windows of a process, optionally only those of one class.
std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className = nullptr);
std::string WindowText(HWND window);

// A top-level window of the process with that class (and caption, unless
// null; only a visible one when visible is set), waited for up to
// timeoutMs; null when none came.
HWND WaitForWindow(DWORD processId, const char* className, const char* caption = nullptr, bool visible = false,
                   DWORD timeoutMs = kPatienceMs);

// The message of a message box: the text of its static control.
std::string MessageBoxText(HWND box);

// The icon drawn at size x size over magenta, as 32-bit pixels: equal
// pictures, equal vectors; empty for no icon.
std::vector<uint32_t> IconPixels(HICON icon, int size = 16);
// The width of a real icon's picture; 0 for anything that is not an icon.
int IconWidth(HICON icon);

}  // namespace testing_support
