#pragma once
// CStr: the resident's byte string (Shift-JIS text is stored and measured in
// bytes). Copies share one reference-counted contents; a change to shared
// contents first makes a private copy. All empty values share one static
// contents. Positions and lengths are byte counts; reading outside the text
// or growing beyond kMaxLength is a programming error (see cstr_fatal.h).
#include <atomic>
#include <cstdarg>
#include <cstddef>
#include <cstdint>

namespace resident {

class CStr {
public:
    static constexpr int kMaxLength = 65530;

    CStr() noexcept;
    CStr(const char* text);  // NOLINT: a text literal is a CStr wherever one is asked for
    CStr(const char* text, int length);
    CStr(const CStr& other) noexcept;
    CStr(CStr&& other) noexcept;
    ~CStr();

    CStr& operator=(const CStr& other) noexcept;
    CStr& operator=(CStr&& other) noexcept;
    CStr& operator=(const char* text);
    CStr& Assign(const char* text, int length);

    CStr& operator+=(const CStr& other);
    CStr& operator+=(const char* text);
    CStr& operator+=(char byte);
    CStr& Append(const char* text, int length);

    const char* c_str() const { return data_->text; }
    int Length() const { return data_->length; }
    bool IsEmpty() const { return data_->length == 0; }
    // Usable bytes of the contents, always of the form 4k + 3.
    int Capacity() const { return data_->capacity; }

    char operator[](int index) const;
    // The terminator (0) of an empty text.
    char First() const { return data_->text[0]; }
    // A programming error on an empty text.
    char Last() const;

    // Counts beyond the text are cut to it; a start beyond it is an error.
    CStr Left(int count) const;
    CStr Right(int count) const;
    CStr Mid(int start) const;
    CStr Mid(int start, int count) const;

    // Byte positions, or -1. A start beyond the end is an error.
    int Find(char byte, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    // First character (not byte) that is one of set, both read as Shift-JIS.
    int FindOneOf(const char* set, int start = 0) const;
    // -1, 0 or 1, with ASCII letters compared as lower case.
    int CompareNoCase(const char* other) const;

    // Without a set only spaces (0x20) go, never tabs. A set is read as
    // Shift-JIS: a double-byte character goes only when the set holds it.
    CStr& TrimLeft();
    CStr& TrimRight();
    CStr& Trim();
    CStr& TrimLeft(const char* set);
    CStr& TrimRight(const char* set);
    // Removes count bytes from the end.
    CStr& CutEnd(int count);
    void Empty();

    // A private buffer of at least minLength bytes plus a terminator, holding
    // the current text; ReleaseBuffer then takes the length from the first
    // zero byte.
    char* GetBuffer(int minLength);
    void ReleaseBuffer();

    // Replaces the contents with the format expanded (see cstr_format.cpp);
    // "%!" takes a const CStr*.
    CStr& Format(const char* format, ...);
    CStr& FormatV(const char* format, va_list args);

private:
    struct Data {
        std::atomic<int> references;
        uint16_t length;
        uint16_t capacity;
        char* text;
    };
    static Data* EmptyData();
    static Data* NewData(size_t capacity);
    static void Release(Data* data);
    static size_t BlockSize(size_t capacity) { return sizeof(Data) + capacity + 1; }
    bool IsShared() const;
    void Grow(size_t length, bool keep);
    void SetLength(size_t length);
    void CheckStart(int start) const;

    Data* data_;
};

CStr operator+(const CStr& left, const CStr& right);
CStr operator+(const CStr& left, const char* right);
CStr operator+(const char* left, const CStr& right);
CStr operator+(const CStr& left, char right);

bool operator==(const CStr& left, const CStr& right);
bool operator==(const CStr& left, const char* right);
bool operator==(const char* left, const CStr& right);
inline bool operator!=(const CStr& left, const CStr& right) { return !(left == right); }
inline bool operator!=(const CStr& left, const char* right) { return !(left == right); }
inline bool operator!=(const char* left, const CStr& right) { return !(left == right); }

}  // namespace resident
