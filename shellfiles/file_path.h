#pragma once
// A file or folder path whose %NAME% environment references are expanded
// whenever it is made or assigned, with the file operations the assistant
// and the editor share. With report set, a failure shows the error box.
#include <string>

namespace shellfiles {

// Replaces each %NAME% by the value of the environment variable NAME. A
// reference to an unknown or empty name ("%%" included) stays as it is; a
// reference still open at the end is dropped. Double-byte characters never
// open or close a reference.
std::string ExpandReferences(const std::string& text);

class FilePath {
public:
    FilePath() = default;
    explicit FilePath(const std::string& text) : path_(ExpandReferences(text)) {}
    FilePath& operator=(const std::string& text)
    {
        path_ = ExpandReferences(text);
        return *this;
    }

    const std::string& str() const { return path_; }
    const char* c_str() const { return path_.c_str(); }
    bool empty() const { return path_.empty(); }

    // A drive root such as "D:" or "D:\" counts as a folder without a test.
    bool IsFolder(bool report) const;
    // An existing folder is no failure; parent folders are not made.
    bool CreateFolder(bool report) const;
    // The error box for GetLastError() and this path; the program goes on.
    void ReportFileError() const;

private:
    std::string path_;
};

}  // namespace shellfiles
