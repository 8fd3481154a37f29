// Typical CStr work of the resident, timed with the block pool and with the
// process heap: reading menu lines into fields, building display texts and
// launch strings, keeping a few thousand texts alive and freeing them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/text/switched_storage.h"
#include "resident/text/cstr.h"

using resident::CStr;

namespace {

const char* const kLines[] = {
    "POPUP \"アプリケーション\"",
    "MENUITEM \"C:\\Program Files\\Tools\\editor.exe\",\"エディタ\",\"/n\",\"\",0",
    "MENUITEM \"&#17\",\"マイ コンピュータ\",\"\",\"shell32.dll\",15,SHOWFOLDER,2",
    "STATIC \"タイトル\",\"\",\"/1/24/1/1\"",
    "SEPARATOR",
    "MENUITEM \"D:\\Documents\\report.doc\",\"報告書\"",
    "END",
};

// Splits and reassembles one line as the reader and the popup builder do.
size_t OneLine(const char* source, std::vector<CStr>& kept)
{
    CStr line(source);
    line.Trim();
    int space = line.Find(' ');
    CStr keyword = space < 0 ? line : line.Left(space);
    CStr rest = space < 0 ? CStr() : line.Mid(space + 1);
    size_t bytes = keyword.Length();
    for (int start = 0; start < rest.Length();) {
        int comma = rest.Find(',', start);
        int end = comma < 0 ? rest.Length() : comma;
        CStr field = rest.Mid(start, end - start);
        field.TrimLeft("\"");
        field.TrimRight("\"");
        CStr copy(field);
        copy += '|';
        bytes += copy.Length();
        kept.push_back(field);
        start = end + 1;
    }
    CStr shown;
    shown.Format("%s\t%d", keyword.c_str(), static_cast<int>(bytes));
    kept.push_back(shown + rest.Right(3));
    return bytes;
}

size_t Workload()
{
    size_t total = 0;
    for (int file = 0; file < 200; ++file) {
        std::vector<CStr> kept;
        kept.reserve(4000);
        for (int line = 0; line < 400; ++line)
            total += OneLine(kLines[line % 7], kept);
        std::vector<CStr> copies(kept);  // shared, then changed one by one
        for (size_t i = 0; i < copies.size(); i += 3)
            copies[i] += " (copy)";
        total += copies.size();
    }
    return total;
}

double Milliseconds(Storage storage, size_t& check)
{
    UseStorage(storage);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    check += Workload();
    QueryPerformanceCounter(&end);
    return 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

}  // namespace

int main()
{
    // Alternated and the best of five kept, so that neither side pays for
    // the other's warm-up.
    double pool = 1e30, heap = 1e30;
    size_t check = 0;
    for (int round = 0; round < 5; ++round) {
        pool = std::min(pool, Milliseconds(Storage::Pool, check));
        heap = std::min(heap, Milliseconds(Storage::Heap, check));
    }
    std::printf("CStr workload (200 files x 400 lines), best of 5:\n");
    std::printf("  block pool:   %8.2f ms\n", pool);
    std::printf("  process heap: %8.2f ms\n", heap);
    std::printf("  heap / pool:  %8.2f\n", heap / pool);
    std::printf("  (check %lu)\n", static_cast<unsigned long>(check));
    return 0;
}
