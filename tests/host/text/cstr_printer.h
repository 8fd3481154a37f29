#pragma once
// Lets GoogleTest show a CStr as its text.
#include <ostream>

#include "resident/text/cstr.h"

namespace resident {

inline void PrintTo(const CStr& text, std::ostream* out)
{
    *out << '"' << text.c_str() << '"';
}

}  // namespace resident
