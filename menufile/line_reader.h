#pragma once
// The lines of a menu file, as the two readers see them.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace menufile {

// The two readers differ only in how they take a line: the resident reads
// pieces of at most 511 bytes and trims spaces, the editor reads whole lines
// and trims every white-space byte.
enum class LineRules { Resident, Editor };

// Lines from an open file or from bytes in memory. The file is read in
// binary with the C runtime's text-mode rule that a CR LF pair is one LF,
// but without its end-of-file byte 0x1A, so that Windows and the host read
// the same lines.
class LineReader {
public:
    LineReader(FILE* file, LineRules rules);
    LineReader(const char* data, size_t size, LineRules rules);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, without its line end, cut at a NUL byte (the programs
    // keep texts as C strings) and trimmed; valid until the next call. False
    // at the end of the input or after a read error.
    bool Next(std::string_view& line);
    bool failed() const { return failed_; }

private:
    bool Fill();
    bool ReadPiece();
    bool CopyPiece(size_t limit);

    FILE* file_ = nullptr;
    LineRules rules_;
    std::vector<char> buffer_;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    std::string piece_;
    std::string_view view_;  // the piece: in the buffer or in piece_
    size_t nul_ = std::string::npos;  // the first NUL byte of the piece
    bool failed_ = false;
};

// The blanks that a reader trims: the resident's space only, or every
// white-space byte for the editor.
bool IsBlank(char c, LineRules rules);
std::string_view Trimmed(std::string_view text, LineRules rules);
void Trim(std::string& text, LineRules rules);

}  // namespace menufile
