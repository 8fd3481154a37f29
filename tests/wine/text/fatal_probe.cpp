// Commits one of CStr's programming errors, named by the argument, so that
// the tests can look at the box it shows.
#include <cstring>

#include "resident/text/cstr.h"

int main(int argc, char** argv)
{
    using resident::CStr;
    const char* error = argc > 1 ? argv[1] : "";
    if (std::strcmp(error, "wide") == 0)
        return CStr().Format("%S", L"wide").IsEmpty();
    return 0;
}
