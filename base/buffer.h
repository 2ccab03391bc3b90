// The growable containers every subsystem keeps its text, paths and tables in.
//
// One template over the element type: a root that holds data and length (the view
// stops there), and an owning buffer that adds capacity and the virtual setLength.
// Terminated kinds (Text, WideText) override setLength to keep a terminator after
// the last element, so their data can always be handed to a system interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace xvo {

/// Ends the process with an out-of-memory message. Never returns.
[[noreturn]] void outOfMemory();

/// The family's one growth rule: the capacity a block of `capacity` elements grows to
/// so that it holds `need` elements (minimum 8, one doubling, then a multiple of 8
/// with at least 4 elements of slack). Returns `capacity` when it already suffices.
int32_t grownCapacity(int32_t capacity, int64_t need);

/// realloc that never returns null: a failed allocation ends the process.
void* reallocBlock(void* block, int32_t elements, size_t elementSize);

/// Holds data and length; its only virtual operation is the destructor.
template <typename T>
class BufferRoot {
public:
    virtual ~BufferRoot() = default;

    T* data() { return data_; }
    const T* data() const { return data_; }
    int32_t length() const { return length_; }

protected:
    T* data_ = nullptr;
    int32_t length_ = 0;
};

/// A buffer that owns its block (plain length policy: nothing is written on resize).
template <typename T>
class Buffer : public BufferRoot<T> {
public:
    Buffer() = default;
    Buffer(const Buffer& other) { copyFrom(other); }
    Buffer& operator=(const Buffer& other)
    {
        if (this != &other) {
            setLength(0);
            append(other.data_, other.length_);
        }
        return *this;
    }
    ~Buffer() override
    {
        std::free(this->data_);
        this->data_ = nullptr;
        this->length_ = 0;
        capacity_ = 0;
    }

    /// Makes room for n elements and sets the length to n. A negative n counts as 0.
    virtual void setLength(int32_t n)
    {
        n = n < 0 ? 0 : n;
        reserve(n);
        this->length_ = n;
    }

    int32_t capacity() const { return capacity_; }

    /// Appends count elements; a null pointer or a count of 0 or less appends nothing.
    void append(const T* items, int32_t count)
    {
        if (!items || count < 0)
            count = 0;
        // Appending a part of this very buffer must survive the block moving.
        ptrdiff_t selfOffset = -1;
        if (items && this->data_ && items >= this->data_ && items < this->data_ + capacity_)
            selfOffset = items - this->data_;
        int32_t old = this->length_;
        setLength(old + count);
        if (count > 0) {
            const T* source = selfOffset >= 0 ? this->data_ + selfOffset : items;
            std::memmove(this->data_ + old, source, sizeof(T) * count);
        }
    }

    void clear() { setLength(0); }

    /// Empties the buffer and gives its block back.
    void release()
    {
        std::free(this->data_);
        this->data_ = nullptr;
        this->length_ = 0;
        capacity_ = 0;
    }

    void push(T value)
    {
        setLength(this->length_ + 1);
        this->data_[this->length_ - 1] = value;
    }

    T& operator[](int32_t i) { return this->data_[i]; }
    const T& operator[](int32_t i) const { return this->data_[i]; }

protected:
    /// Applies the growth rule so that `need` elements fit.
    void reserve(int64_t need)
    {
        int32_t grown = grownCapacity(capacity_, need);
        if (grown == capacity_)
            return;
        this->data_ = static_cast<T*>(reallocBlock(this->data_, grown, sizeof(T)));
        capacity_ = grown;
    }

    /// The terminated policy: room for n + 1, a terminator at n, length n.
    void setTerminatedLength(int32_t n)
    {
        n = n < 0 ? 0 : n;
        reserve(int64_t(n) + 1);
        this->data_[n] = T(0);
        this->length_ = n;
    }

    void copyFrom(const Buffer& other) { append(other.data_, other.length_); }

    int32_t capacity_ = 0;
};

using ByteBuffer = Buffer<char>;
using IntList = Buffer<int32_t>;
using PtrList = Buffer<char*>;

/// A non-owning view of narrow text (a literal or a NUL-terminated string).
class TextView : public BufferRoot<char> {
public:
    explicit TextView(const char* text)
    {
        data_ = const_cast<char*>(text);
        length_ = text ? int32_t(std::strlen(text)) : 0;
    }
    TextView(const char* text, int32_t count)
    {
        data_ = const_cast<char*>(text);
        length_ = text && count > 0 ? count : 0;
    }
};

}  // namespace xvo
