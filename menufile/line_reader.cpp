#include "menufile/line_reader.h"

#include <cstring>

namespace menufile {

namespace {
// The resident reads a line as fgets into a 512-byte buffer does.
constexpr size_t kResidentPiece = 511;
constexpr size_t kFileChunk = 64 * 1024;
}  // namespace

bool IsBlank(char c, LineRules rules)
{
    if (rules == LineRules::Resident)
        return c == ' ';
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void Trim(std::string& text, LineRules rules)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1], rules))
        --end;
    size_t begin = 0;
    while (begin < end && IsBlank(text[begin], rules))
        ++begin;
    text.erase(end);
    text.erase(0, begin);
}

LineReader::LineReader(FILE* file, LineRules rules) : file_(file), rules_(rules), buffer_(kFileChunk) {}

LineReader::LineReader(const char* data, size_t size, LineRules rules)
    : rules_(rules), pos_(data), end_(data + size)
{
}

bool LineReader::Fill()
{
    if (!file_ || failed_)
        return false;
    size_t got = fread(buffer_.data(), 1, buffer_.size(), file_);
    if (got == 0 && ferror(file_))
        failed_ = true;
    pos_ = buffer_.data();
    end_ = pos_ + got;
    return got > 0;
}

// One piece as the C runtime's text mode and fgets give it: up to and
// including the LF, at most 511 bytes for the resident.
bool LineReader::ReadPiece(std::string& piece)
{
    piece.clear();
    size_t limit = rules_ == LineRules::Resident ? kResidentPiece : std::string::npos;
    while (piece.size() < limit) {
        if (pos_ == end_ && !Fill())
            return !piece.empty() && !failed_;
        size_t room = limit - piece.size();
        size_t available = static_cast<size_t>(end_ - pos_);
        size_t span = available < room ? available : room;
        const char* stop = static_cast<const char*>(memchr(pos_, '\n', span));
        const char* cr = static_cast<const char*>(memchr(pos_, '\r', stop ? stop - pos_ : span));
        if (cr) {
            piece.append(pos_, cr);
            pos_ = cr + 1;
            if (pos_ == end_)
                Fill();
            if (pos_ != end_ && *pos_ == '\n') {
                ++pos_;
                piece.push_back('\n');
                return true;
            }
            piece.push_back('\r');
            continue;
        }
        if (stop) {
            piece.append(pos_, stop + 1);
            pos_ = stop + 1;
            return true;
        }
        piece.append(pos_, span);
        pos_ += span;
    }
    return true;
}

bool LineReader::Next(std::string& line)
{
    if (!ReadPiece(line))
        return false;
    size_t nul = line.find('\0');
    if (nul != std::string::npos)
        line.erase(nul);
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    Trim(line, rules_);
    return true;
}

}  // namespace menufile
