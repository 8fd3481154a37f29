// The formatter: copies the format and expands each "%" conversion. A
// conversion may carry any of the characters "-+0 #*.123456789hlL" in any
// order; "*" takes an int argument. Conversions:
//   s        a text; ".N" limits it to N bytes, width and flags are ignored
//   !        a const CStr*: its text
//   eEfgG    a double, as snprintf
//   cCdiouxX an int ("l" a long, "ll" a long long), as snprintf
//   p        a pointer, as snprintf
//   n, S     programming errors
//   other    the byte itself, so "%%" gives "%"
// A "%" at the very end of the format gives nothing.
#include "resident/text/cstr.h"

#include <cstdio>
#include <cstring>

#include "resident/text/cstr_fatal.h"

namespace resident {

namespace {

struct Directive {
    char flags[6] = "";
    int width = -1;
    int precision = -1;
    int longs = 0;
    bool half = false;
};

// Widths beyond the length limit only lead to the length error; capping
// them keeps the arithmetic in range.
constexpr int kNumberCap = CStr::kMaxLength + 1;

void AddFlag(Directive& directive, char flag)
{
    size_t count = std::strlen(directive.flags);
    if (!std::strchr(directive.flags, flag) && count + 1 < sizeof directive.flags)
        directive.flags[count] = flag;
}

// A run of digits that starts anew replaces what an earlier run or star
// gave, so that a stray order like "%5-3d" cannot pile up a huge number.
void AddDigit(int& number, int digit, bool continues)
{
    long long value = (continues ? number : 0LL) * 10LL + digit;
    number = value > kNumberCap ? kNumberCap : static_cast<int>(value);
}

void TakeStar(Directive& directive, bool precision, va_list* args)
{
    long long value = va_arg(*args, int);
    if (precision) {
        directive.precision = value < 0 ? -1 : static_cast<int>(value > kNumberCap ? kNumberCap : value);
        return;
    }
    if (value < 0) {
        AddFlag(directive, '-');
        value = -value;
    }
    directive.width = static_cast<int>(value > kNumberCap ? kNumberCap : value);
}

const char* ParseDirective(const char* p, Directive& directive, va_list* args)
{
    static const char kDirectiveChars[] = "-+0 #*.123456789hlL";
    bool dot = false;
    bool digits = false;
    for (; *p != '\0' && std::strchr(kDirectiveChars, *p); ++p) {
        char c = *p;
        bool continues = digits;
        digits = c >= '0' && c <= '9';
        if (c == '0' && !dot && !continues) {
            AddFlag(directive, '0');
            digits = false;
        } else if (digits)
            AddDigit(dot ? directive.precision : directive.width, c - '0', continues);
        else if (c == '*')
            TakeStar(directive, dot, args);
        else if (c == '.') {
            dot = true;
            directive.precision = 0;
        } else if (c == 'h')
            directive.half = true;
        else if (c == 'l')
            ++directive.longs;
        else if (c != 'L')  // a double is a double: "L" is accepted and ignored
            AddFlag(directive, c);
    }
    return p;
}

// The snprintf directive for one conversion; length is "", "h", "l"
// or "ll".
void BuildDirective(char* out, size_t size, const Directive& directive, const char* length, char conversion)
{
    int used = std::snprintf(out, size, "%%%s", directive.flags);
    if (directive.width >= 0)
        used += std::snprintf(out + used, size - used, "%d", directive.width);
    if (directive.precision >= 0)
        used += std::snprintf(out + used, size - used, ".%d", directive.precision);
    std::snprintf(out + used, size - used, "%s%c", length, conversion);
}

class Formatter {
public:
    Formatter(CStr& out, va_list* args) : out_(out), args_(args) {}
    void Run(const char* format);

private:
    void Convert(char conversion, const Directive& directive);
    void Text(const Directive& directive);
    void Integer(char conversion, const Directive& directive);
    void Real(char conversion, const Directive& directive);
    template <typename Value>
    void Print(const char* directiveText, Value value);

    CStr& out_;
    va_list* args_;
};

void Formatter::Run(const char* format)
{
    const char* p = format;
    while (*p != '\0') {
        const char* percent = std::strchr(p, '%');
        if (!percent) {
            out_ += p;
            return;
        }
        out_.Append(p, static_cast<int>(percent - p));
        Directive directive;
        p = ParseDirective(percent + 1, directive, args_);
        if (*p == '\0')
            return;
        Convert(*p++, directive);
    }
}

void Formatter::Convert(char conversion, const Directive& directive)
{
    switch (conversion) {
    case 's':
        Text(directive);
        break;
    case '!': {
        const CStr* text = va_arg(*args_, const CStr*);
        if (text)
            out_ += *text;
        break;
    }
    case 'e': case 'E': case 'f': case 'g': case 'G':
        Real(conversion, directive);
        break;
    case 'c': case 'C': case 'd': case 'i': case 'o': case 'u': case 'x': case 'X': case 'p':
        Integer(conversion, directive);
        break;
    case 'n':
        CStrFatal(kFatalConversionN);
    case 'S':
        CStrFatal(kFatalConversionS);
    default:
        out_ += conversion;
    }
}

void Formatter::Text(const Directive& directive)
{
    const char* text = va_arg(*args_, const char*);
    if (!text)
        text = "(null)";
    size_t length = std::strlen(text);
    if (directive.precision >= 0 && static_cast<size_t>(directive.precision) < length)
        length = directive.precision;
    if (length > CStr::kMaxLength)
        CStrFatal(kFatalLength);
    out_.Append(text, static_cast<int>(length));
}

void Formatter::Integer(char conversion, const Directive& directive)
{
    char directiveText[48];
    if (conversion == 'p') {
        BuildDirective(directiveText, sizeof directiveText, directive, "", 'p');
        Print(directiveText, va_arg(*args_, void*));
        return;
    }
    if (conversion == 'C')
        conversion = 'c';
    if (conversion != 'c' && directive.longs >= 2) {
        BuildDirective(directiveText, sizeof directiveText, directive, "ll", conversion);
        Print(directiveText, va_arg(*args_, long long));
    } else if (conversion != 'c' && directive.longs == 1) {
        BuildDirective(directiveText, sizeof directiveText, directive, "l", conversion);
        Print(directiveText, va_arg(*args_, long));
    } else {
        const char* length = directive.half && conversion != 'c' ? "h" : "";
        BuildDirective(directiveText, sizeof directiveText, directive, length, conversion);
        Print(directiveText, va_arg(*args_, int));
    }
}

void Formatter::Real(char conversion, const Directive& directive)
{
    char directiveText[48];
    BuildDirective(directiveText, sizeof directiveText, directive, "", conversion);
    Print(directiveText, va_arg(*args_, double));
}

template <typename Value>
void Formatter::Print(const char* directiveText, Value value)
{
    int size = std::snprintf(nullptr, 0, directiveText, value);
    if (size <= 0)
        return;
    int old = out_.Length();
    if (static_cast<long long>(old) + size > CStr::kMaxLength)
        CStrFatal(kFatalLength);
    char* buffer = out_.GetBuffer(old + size);
    std::snprintf(buffer + old, size + 1, directiveText, value);
    // A "%c" of 0 leaves its zero byte (and the rest of its field) out.
    out_.ReleaseBuffer();
}

}  // namespace

CStr& CStr::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
    return *this;
}

CStr& CStr::FormatV(const char* format, va_list args)
{
    // Built apart: an argument may be this very value's text.
    CStr result;
    va_list copy;
    va_copy(copy, args);
    Formatter(result, &copy).Run(format ? format : "");
    va_end(copy);
    *this = std::move(result);
    return *this;
}

}  // namespace resident
