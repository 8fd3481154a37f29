#include "menufile/line_reader.h"

#include <cstring>

namespace menufile {

namespace {
// The resident reads a line as fgets into a 512-byte buffer does.
constexpr size_t kResidentPiece = 511;
constexpr size_t kFileChunk = 64 * 1024;

// The bytes that end a run of plain line bytes.
bool IsSpecial(char c) { return c == '\n' || c == '\r' || c == '\0'; }

// Whether a word holds a zero byte (the classic bit trick).
inline bool HasZeroByte(size_t word)
{
    constexpr size_t kOnes = ~size_t{0} / 0xFF;
    return ((word - kOnes) & ~word & (kOnes * 0x80)) != 0;
}

// The first LF, CR or NUL in [p, stop), or stop; a word at a time, as the
// lines are long and these bytes rare.
const char* FindSpecial(const char* p, const char* stop)
{
    constexpr size_t kOnes = ~size_t{0} / 0xFF;
    while (static_cast<size_t>(stop - p) >= sizeof(size_t)) {
        size_t word;
        memcpy(&word, p, sizeof word);
        if (HasZeroByte(word) || HasZeroByte(word ^ (kOnes * '\n')) || HasZeroByte(word ^ (kOnes * '\r')))
            break;
        p += sizeof word;
    }
    while (p < stop && !IsSpecial(*p))
        ++p;
    return p;
}
}  // namespace

bool IsBlank(char c, LineRules rules)
{
    if (rules == LineRules::Resident)
        return c == ' ';
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trimmed(std::string_view text, LineRules rules)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1], rules))
        --end;
    size_t begin = 0;
    while (begin < end && IsBlank(text[begin], rules))
        ++begin;
    return text.substr(begin, end - begin);
}

void Trim(std::string& text, LineRules rules)
{
    std::string_view kept = Trimmed(text, rules);
    if (kept.size() != text.size())
        text = std::string(kept);
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
bool LineReader::ReadPiece()
{
    piece_.clear();
    nul_ = std::string::npos;
    if (pos_ == end_ && !Fill())
        return false;
    // Most lines lie whole in the buffer and end in LF or CR LF: they are
    // used where they lie, without their line end.
    const size_t limit = rules_ == LineRules::Resident ? kResidentPiece : std::string::npos;
    size_t available = static_cast<size_t>(end_ - pos_);
    const char* stop = pos_ + (available < limit ? available : limit);
    const char* run = FindSpecial(pos_, stop);
    if (run < stop && (*run == '\n' || (*run == '\r' && run + 1 < end_ && run[1] == '\n'))) {
        view_ = std::string_view(pos_, static_cast<size_t>(run - pos_));
        pos_ = run + (*run == '\n' ? 1 : 2);
        return true;
    }
    if (!CopyPiece(limit))
        return false;
    view_ = piece_;
    return true;
}

// The piece gathered byte-wise, across buffer refills, with lone CRs and
// NUL bytes kept.
bool LineReader::CopyPiece(size_t limit)
{
    while (piece_.size() < limit) {
        if (pos_ == end_ && !Fill())
            return !piece_.empty() && !failed_;
        size_t room = limit - piece_.size();
        size_t available = static_cast<size_t>(end_ - pos_);
        const char* stop = pos_ + (available < room ? available : room);
        const char* run = FindSpecial(pos_, stop);
        piece_.append(pos_, run);
        pos_ = run;
        if (run == stop)
            continue;
        char c = *pos_++;
        if (c == '\0') {
            if (nul_ == std::string::npos)
                nul_ = piece_.size();
            piece_.push_back(c);
            continue;
        }
        if (c == '\r') {
            if (pos_ == end_)
                Fill();
            if (pos_ == end_ || *pos_ != '\n') {
                piece_.push_back('\r');
                continue;
            }
            ++pos_;
        }
        piece_.push_back('\n');
        return true;
    }
    return true;
}

bool LineReader::Next(std::string_view& line)
{
    if (!ReadPiece())
        return false;
    line = view_;
    if (nul_ != std::string::npos)
        line = line.substr(0, nul_);
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    line = Trimmed(line, rules_);
    return true;
}

}  // namespace menufile
