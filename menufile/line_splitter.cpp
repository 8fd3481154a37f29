#include "menufile/line_splitter.h"

#include <cstring>

namespace menufile {

namespace {

// The quoted text from p (just after the opening quote) into field, with
// doubled quotes made single; returns the position after the closing
// quote, or null when the line ends inside the quotes.
const char* TakeQuoted(const char* p, const char* end, std::string& field)
{
    for (;;) {
        const char* quote = static_cast<const char*>(memchr(p, '"', static_cast<size_t>(end - p)));
        if (!quote) {
            field.append(p, end);
            return nullptr;
        }
        field.append(p, quote);
        if (quote + 1 < end && quote[1] == '"') {
            field.push_back('"');
            p = quote + 2;
            continue;
        }
        return quote + 1;
    }
}

}  // namespace

void LineSplitter::SplitFields(const char* p, const char* end, std::vector<std::string>& fields)
{
    field_.clear();
    bool justClosed = false;
    while (p < end) {
        char c = *p;
        if (c == '"') {
            field_.clear();
            p = TakeQuoted(p + 1, end, field_);
            if (!p)
                break;
            fields.push_back(field_);
            field_.clear();
            justClosed = true;
        } else if (c == ',') {
            if (!justClosed)
                fields.push_back(field_);
            field_.clear();
            justClosed = false;
            ++p;
        } else if (c == ' ') {
            ++p;
        } else {
            const char* run = p;
            while (p < end && *p != '"' && *p != ',' && *p != ' ')
                ++p;
            field_.append(run, p);
        }
    }
    // What follows a closing quote at the end of the line, or an
    // unterminated quote, is one more field.
    Trim(field_, rules_);
    if (!field_.empty())
        fields.push_back(field_);
}

void LineSplitter::Split(std::string_view line, std::string_view& keyword, std::vector<std::string>& fields)
{
    fields.clear();
    size_t space = line.find(' ');
    keyword = line.substr(0, space);
    if (space == std::string_view::npos)
        return;
    SplitFields(line.data() + space + 1, line.data() + line.size(), fields);
}

void SplitLine(std::string_view line, LineRules rules, std::string& keyword, std::vector<std::string>& fields)
{
    std::string_view view;
    LineSplitter(rules).Split(line, view, fields);
    keyword = std::string(view);
}

}  // namespace menufile
