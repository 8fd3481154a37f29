#include "menufile/line_splitter.h"

namespace menufile {

namespace {

class FieldSplitter {
public:
    FieldSplitter(LineRules rules, std::vector<std::string>& fields) : rules_(rules), fields_(fields) {}

    void Take(char c)
    {
        if (inQuotes_)
            TakeQuoted(c);
        else
            TakeUnquoted(c);
    }

    void Finish()
    {
        if (pendingQuote_) {
            // A quote just before the end of the line closes the field.
            Close();
            return;
        }
        Trim(field_, rules_);
        if (!field_.empty())
            fields_.push_back(field_);
    }

private:
    void TakeUnquoted(char c)
    {
        if (c == ' ')
            return;
        if (c == '"') {
            field_.clear();
            inQuotes_ = true;
        } else if (c == ',') {
            if (!justClosed_)
                fields_.push_back(field_);
            field_.clear();
            justClosed_ = false;
        } else {
            field_.push_back(c);
        }
    }

    // A quote inside quotes is held back until the next byte shows whether
    // it is doubled.
    void TakeQuoted(char c)
    {
        if (pendingQuote_) {
            pendingQuote_ = false;
            if (c == '"') {
                field_.push_back('"');
                return;
            }
            Close();
            TakeUnquoted(c);
            return;
        }
        if (c == '"')
            pendingQuote_ = true;
        else
            field_.push_back(c);
    }

    void Close()
    {
        pendingQuote_ = false;
        inQuotes_ = false;
        fields_.push_back(field_);
        field_.clear();
        justClosed_ = true;
    }

    LineRules rules_;
    std::vector<std::string>& fields_;
    std::string field_;
    bool inQuotes_ = false;
    bool pendingQuote_ = false;
    bool justClosed_ = false;
};

}  // namespace

void SplitLine(const std::string& line, LineRules rules, std::string& keyword, std::vector<std::string>& fields)
{
    fields.clear();
    size_t space = line.find(' ');
    if (space == std::string::npos) {
        keyword = line;
        return;
    }
    keyword.assign(line, 0, space);
    FieldSplitter splitter(rules, fields);
    for (size_t i = space + 1; i < line.size(); ++i)
        splitter.Take(line[i]);
    splitter.Finish();
}

}  // namespace menufile
