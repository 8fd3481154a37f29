// Start-up of Ombrixm.exe to an idle frame (the process started until its
// frame is shown with the bars, the settings, the 20 menus and the tree, and
// its message loop answers) in a folder with 10 sections and 20 menu files of 500 entries, and
// no resident running, so that nothing asks. The baseline is this program
// bench_editor_start_baseline.exe started in the same folder: it reads the
// same 20 files with the menu-file reader and creates one bare top-level
// window, then runs its message loop. Both include the system's process start.
// Prints the best and the median of 15 rounds and their ratios; the target
// is at most 1.5.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "win32/module_path.h"
#include "win32/process_start.h"

namespace {

constexpr int kSections = 10;
constexpr int kEntries = 500;
constexpr int kRounds = 15;

void WriteText(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string MenuPath(const std::string& folder, int section, const char* side)
{
    return folder + "work\\s" + std::to_string(section) + side + ".txt";
}

void Prepare(const std::string& folder, const std::string& editor)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "work").c_str(), nullptr);
    CopyFileA(editor.c_str(), (folder + "Ombrixm.exe").c_str(), FALSE);
    settings::IniFile ini(folder + "Ombrix.ini");
    ini.WriteInt(settings::kMainSection, settings::kIniVersion, settings::kCurrentIniVersion);
    ini.WriteInt(settings::kMainSection, settings::kTrayNo, kSections);
    for (int n = 1; n <= kSections; ++n) {
        std::string section = settings::SectionName(n), name = "s" + std::to_string(n);
        ini.WriteText(section.c_str(), settings::kDesc, name);
        for (const char* side : {"_L", "_R"}) {
            ini.WriteText(section.c_str(), (std::string("MenuPath") + side).c_str(), name + side + ".txt");
            std::string text = "POPUP m\r\nBEGIN\r\n";
            for (int i = 0; i < kEntries; ++i)
                text += "    MENUITEM C:\\Programs\\" + name + "\\p" + std::to_string(i) + ".exe, Program " +
                        std::to_string(i) + ", /x, shell32.dll, 3\r\n";
            WriteText(MenuPath(folder, n, side), text + "END\r\n");
        }
    }
}

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The shown top-level window of that class in the process, or null.
HWND ShownWindow(DWORD processId, const char* className)
{
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// From the process start until its window is shown and its message loop
// answers; then it is ended. The system's own idle signal comes too early
// under Wine (at the first look into the queue, during start-up).
double TimeToIdle(const std::string& commandLine, const std::string& folder, const char* className)
{
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    LARGE_INTEGER start, idle;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
        return -1;
    bool answered = false;
    for (DWORD begun = GetTickCount(); !answered && GetTickCount() - begun < 60000;) {
        HWND window = ShownWindow(info.dwProcessId, className);
        DWORD_PTR result;
        answered = window && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
        if (!answered)
            Sleep(1);
    }
    QueryPerformanceCounter(&idle);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return answered ? Milliseconds(start, idle) : -1;
}

double Best(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

double Median(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    std::string self = win32::ThisProgramPath();
    std::string bin = self.substr(0, self.find_last_of('\\') + 1);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "ombrix editor start\\";
    Prepare(folder, bin + "Ombrixm.exe");
    // The resident must not run here: the editor would ask to close it.
    if (FindWindowA("Q-Fendix", nullptr)) {
        std::printf("a resident is running: close it first\n");
        return 1;
    }
    std::string editor = win32::ProgramCommandLine(folder + "Ombrixm.exe", "");
    std::string baseline = win32::ProgramCommandLine(bin + "bench_editor_start_baseline.exe", "");
    std::vector<double> editorTimes, baselineTimes;
    for (int round = 0; round < kRounds; ++round) {
        double b = TimeToIdle(baseline, folder, "OmbrixBareWindow");
        double e = TimeToIdle(editor, folder, "OmbrixmFrame");
        if (b < 0 || e < 0) {
            std::printf("round %d: a program did not become idle\n", round);
            return 1;
        }
        baselineTimes.push_back(b);
        editorTimes.push_back(e);
    }
    // On a shared machine single rounds vary widely: the best and the median.
    double editorBest = Best(editorTimes), baselineBest = Best(baselineTimes);
    double editorMedian = Median(editorTimes), baselineMedian = Median(baselineTimes);
    std::printf("editor start to an idle frame, %d sections, %d menu files of %d entries: best %.1f ms, median %.1f ms\n",
                kSections, 2 * kSections, kEntries, editorBest, editorMedian);
    std::printf("baseline (the reader over the same files and one bare window): best %.1f ms, median %.1f ms\n",
                baselineBest, baselineMedian);
    std::printf("ratio: best %.2f, median %.2f (target at most 1.5)\n", editorBest / baselineBest,
                editorMedian / baselineMedian);
    return 0;
}
