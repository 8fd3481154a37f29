// Reads a generated menu file of 20,000 lines (every statement, nesting 4
// deep, quoted and unquoted fields) with the resident's reader, and the
// same file with a loop that only reads and trims its lines into a 512-byte
// buffer. Prints both times and their ratio; the target is at most 3.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "resident/resident_menu_file.h"

namespace {

constexpr int kLines = 20000;
constexpr int kRounds = 100;

class Generator {
public:
    std::string Make()
    {
        Line("; generated menu file");
        Line("POPUP bench.txt");
        Line("BEGIN");
        while (lines_ < kLines - 1)
            Block(1);
        Line("END");
        return text_;
    }

private:
    void Line(const std::string& line)
    {
        text_ += line + "\r\n";
        ++lines_;
    }

    void Block(int depth)
    {
        std::string indent(depth * 4, ' ');
        std::string n = std::to_string(lines_);
        Line(indent + "STATIC \"Title " + n + "\", , /1/255/0/16777215, , 0");
        Line(indent + "MENUITEM C:\\Windows\\notepad.exe, Notepad" + n + ", , , 0");
        Line(indent + "MENUITEM \"C:\\Program Files\\App " + n + "\\app.exe\", \"App, " + n +
             "\", \"/open \"\"x\"\"\", shell32.dll, 12, MENUBREAK");
        Line(indent + "MENUITEM &#17, \x83\x52\x83\x93\x83\x73\x83\x85\x81\x5b\x83\x5e, , , 0, SHOWFOLDER, 5");
        Line(indent + "SEPARATOR");
        if (depth < 4 && lines_ < kLines - 40) {
            Line(indent + "POPUP \"Sub " + n + "\", shell32.dll, 3");
            Line(indent + "BEGIN");
            Block(depth + 1);
            Line(indent + "END");
        }
        Line(indent + "SEPARATOR ,,,,, MENUBREAK");
    }

    std::string text_;
    int lines_ = 0;
};

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The baseline: lines into a 512-byte buffer, line end removed, spaces trimmed.
size_t BareLoop(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "r");
    if (!file)
        return 0;
    char line[512];
    size_t kept = 0;
    while (fgets(line, sizeof line, file)) {
        size_t length = strlen(line);
        if (length && line[length - 1] == '\n')
            line[--length] = '\0';
        if (length && line[length - 1] == '\r')
            line[--length] = '\0';
        while (length && line[length - 1] == ' ')
            line[--length] = '\0';
        char* start = line;
        while (*start == ' ')
            ++start;
        kept += strlen(start);
    }
    fclose(file);
    return kept;
}

// The read alone: the tree is destroyed after the clock has stopped.
size_t ReaderLoad(const std::string& path, double& elapsed)
{
    resident::ResidentMenuFile file(path, 0, 0);
    double start = Now();
    bool ok = file.Load();
    elapsed = Now() - start;
    return ok && file.root() ? file.root()->entries.size() : 0;
}

// The best round: the machine is shared, and other work only adds time.
double Best(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

}  // namespace

int main()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "ombrix_bench_menu.txt";
    std::string text = Generator().Make();
    FILE* out = fopen(path.c_str(), "wb");
    if (!out || fwrite(text.data(), 1, text.size(), out) != text.size())
        return 1;
    fclose(out);

    std::vector<double> reader, bare;
    size_t check = 0;
    for (int round = 0; round < kRounds; ++round) {
        double elapsed = 0;
        check += ReaderLoad(path, elapsed);
        reader.push_back(elapsed);
        double start = Now();
        check += BareLoop(path);
        bare.push_back(Now() - start);
    }
    DeleteFileA(path.c_str());
    if (check == 0)
        return 1;
    double readerMs = Best(reader), bareMs = Best(bare);
    printf("menu file: %d lines, %u bytes\n", kLines, static_cast<unsigned>(text.size()));
    printf("resident reader: %.3f ms (best of %d)\n", readerMs, kRounds);
    printf("bare line loop:  %.3f ms (best of %d)\n", bareMs, kRounds);
    printf("ratio: %.2f (target: at most 3)\n", readerMs / bareMs);
    return 0;
}
