#pragma once
// Splits one trimmed statement line into its keyword and operand fields.
#include <string>
#include <string_view>
#include <vector>
#include "menufile/line_reader.h"

namespace menufile {

// The keyword is the text before the first space (the whole line when there
// is none). The fields follow the file's quoting rules: unquoted spaces
// vanish, a double quote discards what came before it in the field, two
// double quotes inside quotes are one, bytes after a closing quote are
// dropped up to the next comma except at the end of the line, and an empty
// last field is not a field. Byte-wise, which is safe for Shift-JIS: no
// trail byte is below 0x40.
class LineSplitter {
public:
    explicit LineSplitter(LineRules rules) : rules_(rules) {}
    void Split(std::string_view line, std::string_view& keyword, std::vector<std::string>& fields);

private:
    void SplitFields(const char* p, const char* end, std::vector<std::string>& fields);

    LineRules rules_;
    std::string field_;  // kept from line to line for its capacity
};

void SplitLine(std::string_view line, LineRules rules, std::string& keyword, std::vector<std::string>& fields);

}  // namespace menufile
