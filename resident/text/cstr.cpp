#include "resident/text/cstr.h"

#include <algorithm>
#include <functional>
#include <cstring>
#include <new>

#include "resident/text/block_storage.h"
#include "resident/text/cstr_fatal.h"

namespace resident {

namespace {

// Capacities are of the form 4k + 3, so that a buffer with its terminator
// fills whole 4-byte steps of the block pool.
size_t RoundCapacity(size_t length)
{
    return length | 3;
}

// Where source lies inside text, its offset; otherwise -1. Lets an
// operation take its argument from its own contents.
ptrdiff_t OffsetIn(const char* text, size_t length, const char* source)
{
    std::less_equal<const char*> before;
    if (before(text, source) && before(source, text + length))
        return source - text;
    return -1;
}

}  // namespace

CStr::Data* CStr::EmptyData()
{
    static char terminator[1] = {'\0'};
    static Data empty{{1}, 0, 0, terminator};
    return &empty;
}

CStr::Data* CStr::NewData(size_t capacity)
{
    capacity = RoundCapacity(capacity);
    Data* data = new (AllocateBlock(BlockSize(capacity))) Data{{1}, 0, static_cast<uint16_t>(capacity), nullptr};
    data->text = reinterpret_cast<char*>(data + 1);
    data->text[0] = '\0';
    return data;
}

void CStr::Release(Data* data)
{
    if (data == EmptyData() || data->references.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    size_t size = BlockSize(data->capacity);
    data->~Data();
    FreeBlock(data, size);
}

bool CStr::IsShared() const
{
    return data_ == EmptyData() || data_->references.load(std::memory_order_acquire) > 1;
}

// Makes the contents private with room for length bytes, keeping the text
// (cut to length) when keep is set. A text that grows gets half its length
// again as reserve, so that appending byte by byte stays linear.
void CStr::Grow(size_t length, bool keep)
{
    if (length > kMaxLength)
        CStrFatal(kFatalLength);
    if (!IsShared() && data_->capacity >= length)
        return;
    size_t capacity = length;
    if (keep && length > data_->length)
        capacity = std::max(length, std::min<size_t>(data_->length + data_->length / 2, kMaxLength));
    Data* fresh = NewData(capacity);
    if (keep) {
        size_t kept = std::min<size_t>(data_->length, length);
        std::memcpy(fresh->text, data_->text, kept);
        fresh->text[kept] = '\0';
        fresh->length = static_cast<uint16_t>(kept);
    }
    Release(data_);
    data_ = fresh;
}

void CStr::SetLength(size_t length)
{
    data_->length = static_cast<uint16_t>(length);
    data_->text[length] = '\0';
}

void CStr::CheckStart(int start) const
{
    if (start < 0 || start > Length())
        CStrFatal(kFatalPosition);
}

CStr::CStr() noexcept : data_(EmptyData()) {}

CStr::CStr(const char* text) : data_(EmptyData())
{
    *this = text;
}

CStr::CStr(const char* text, int length) : data_(EmptyData())
{
    Assign(text, length);
}

CStr::CStr(const CStr& other) noexcept : data_(other.data_)
{
    if (data_ != EmptyData())
        data_->references.fetch_add(1, std::memory_order_relaxed);
}

CStr::CStr(CStr&& other) noexcept : data_(other.data_)
{
    other.data_ = EmptyData();
}

CStr::~CStr()
{
    Release(data_);
}

CStr& CStr::operator=(const CStr& other) noexcept
{
    if (data_ != other.data_) {
        if (other.data_ != EmptyData())
            other.data_->references.fetch_add(1, std::memory_order_relaxed);
        Release(data_);
        data_ = other.data_;
    }
    return *this;
}

CStr& CStr::operator=(CStr&& other) noexcept
{
    if (this != &other) {
        Release(data_);
        data_ = other.data_;
        other.data_ = EmptyData();
    }
    return *this;
}

CStr& CStr::operator=(const char* text)
{
    size_t length = text ? std::strlen(text) : 0;
    if (length > kMaxLength)
        CStrFatal(kFatalLength);
    return Assign(text, static_cast<int>(length));
}

CStr& CStr::Assign(const char* text, int length)
{
    if (length < 0)
        CStrFatal(kFatalPosition);
    if (length == 0 || !text) {
        Empty();
        return *this;
    }
    ptrdiff_t offset = OffsetIn(data_->text, data_->length, text);
    if (offset >= 0) {
        Grow(offset + length, true);
        std::memmove(data_->text, data_->text + offset, length);
    } else {
        Grow(length, false);
        std::memcpy(data_->text, text, length);
    }
    SetLength(length);
    return *this;
}

CStr& CStr::operator+=(const CStr& other)
{
    return Append(other.c_str(), other.Length());
}

CStr& CStr::operator+=(const char* text)
{
    size_t length = text ? std::strlen(text) : 0;
    if (length > kMaxLength)
        CStrFatal(kFatalLength);
    return Append(text, static_cast<int>(length));
}

CStr& CStr::operator+=(char byte)
{
    return Append(&byte, 1);
}

CStr& CStr::Append(const char* text, int length)
{
    if (length < 0)
        CStrFatal(kFatalPosition);
    if (length == 0 || !text)
        return *this;
    // Summed in size_t: two lengths near the limit overflow 16 bits.
    size_t old = data_->length;
    size_t total = old + static_cast<size_t>(length);
    ptrdiff_t offset = OffsetIn(data_->text, old, text);
    Grow(total, true);
    const char* source = offset >= 0 ? data_->text + offset : text;
    std::memmove(data_->text + old, source, length);
    SetLength(total);
    return *this;
}

void CStr::Empty()
{
    Release(data_);
    data_ = EmptyData();
}

char* CStr::GetBuffer(int minLength)
{
    if (minLength < 0)
        CStrFatal(kFatalPosition);
    Grow(std::max<size_t>(minLength, data_->length), true);
    return data_->text;
}

void CStr::ReleaseBuffer()
{
    if (data_ == EmptyData())
        return;
    // The capacity bounds the search: a caller that wrote no terminator
    // gets a full buffer, not a read beyond it.
    const void* end = std::memchr(data_->text, '\0', data_->capacity);
    SetLength(end ? static_cast<const char*>(end) - data_->text : data_->capacity);
}

CStr operator+(const CStr& left, const CStr& right)
{
    CStr result(left);
    result += right;
    return result;
}

CStr operator+(const CStr& left, const char* right)
{
    CStr result(left);
    result += right;
    return result;
}

CStr operator+(const char* left, const CStr& right)
{
    CStr result(left);
    result += right;
    return result;
}

CStr operator+(const CStr& left, char right)
{
    CStr result(left);
    result += right;
    return result;
}

bool operator==(const CStr& left, const CStr& right)
{
    return left.Length() == right.Length() && std::memcmp(left.c_str(), right.c_str(), left.Length()) == 0;
}

bool operator==(const CStr& left, const char* right)
{
    return std::strcmp(left.c_str(), right ? right : "") == 0;
}

bool operator==(const char* left, const CStr& right)
{
    return right == left;
}

}  // namespace resident
