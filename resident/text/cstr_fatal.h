#pragma once
// Programming errors of the text library: a CStr asked to grow beyond its
// limit, to read outside its text, or a format with a conversion it does not
// support. The process cannot go on sensibly, so it ends.

namespace resident {

enum CStrFatalCode {
    kFatalPosition = 2,  // a byte outside the text
    kFatalConversionN = 3,  // "%n" in a format
    kFatalConversionS = 4,  // "%S" in a format
    kFatalLength = 5,  // more than CStr::kMaxLength bytes
};

// Shows "CStr fatal <code>" and ends the process.
[[noreturn]] void CStrFatal(int code);

}  // namespace resident
