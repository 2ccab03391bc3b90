// Narrow and UTF-16 text: the terminated members of the buffer family.
#pragma once

#include "base/buffer.h"

namespace xvo {

/// Narrow text in the current locale's code page (or UTF-8 where a caller says so).
/// Always owns a block and always keeps a NUL after its last byte.
class Text : public ByteBuffer {
public:
    Text() { setLength(0); }
    Text(const char* text) { setLength(0); append(text); }
    Text(const char* text, int32_t count) { setLength(0); ByteBuffer::append(text, count); }
    Text(const Text& other) : ByteBuffer() { setLength(0); append(other); }
    Text& operator=(const Text& other)
    {
        if (this != &other)
            assign(other);
        return *this;
    }

    void setLength(int32_t n) override { setTerminatedLength(n); }

    /// Rewrites the terminator at the current length and returns the text.
    char* cstr()
    {
        setLength(length_);
        return data_;
    }
    const char* cstr() const { return data_; }

    using ByteBuffer::append;
    /// Appends up to the NUL; a null pointer appends nothing.
    void append(const char* text) { ByteBuffer::append(text, text ? int32_t(std::strlen(text)) : 0); }
    void append(const Text& text) { ByteBuffer::append(text.data_, text.length_); }
    void append(const TextView& view) { ByteBuffer::append(view.data(), view.length()); }

    void assign(const char* text);
    void assign(const Text& text);

    /// For reserve-and-fill: after an outside function wrote a NUL-terminated string
    /// into data, take the length from the content.
    void lengthFromContent();

    /// Byte comparison with a NUL-terminated string (null counts as empty); the result
    /// is the difference of the first differing bytes as signed 8-bit values.
    int compare(const char* other) const;
    bool differs(const char* other) const { return compare(other) != 0; }
    /// As compare, but positions whose bytes map to the same upper case also match.
    int compareNoCase(const char* other) const;

    /// Replaces every occurrence of pattern, left to right, without overlap; the
    /// inserted replacement is never searched. An empty pattern changes nothing.
    void replaceAll(const char* pattern, const char* replacement);

    /// printf-style formatting into the text, replacing its content. Reserves at least
    /// 1024 bytes and grows further when the output needs it; never writes past the block.
    void format(const char* pattern, ...) __attribute__((format(printf, 2, 3)));

    Text left(int32_t n) const;
    Text right(int32_t n) const;
    Text mid(int32_t pos) const;
    Text mid(int32_t pos, int32_t count) const;
};

Text operator+(const char* a, const Text& b);
Text operator+(const Text& a, const char* b);
Text operator+(const Text& a, const Text& b);

/// UTF-16 text, as the Java VM and the configuration decoder use it.
class WideText : public Buffer<char16_t> {
public:
    WideText() { setLength(0); }
    /// Copies exactly count units; count -1 copies up to the 0 unit.
    WideText(const char16_t* units, int32_t count);
    WideText(const WideText& other) : Buffer<char16_t>() { setLength(0); append(other.data_, other.length_); }
    WideText& operator=(const WideText& other)
    {
        if (this != &other) {
            setLength(0);
            append(other.data_, other.length_);
        }
        return *this;
    }

    /// Takes units until a 0 unit or count units (count < 0: unbounded); for strings the
    /// Java VM returns, which carry no terminator.
    static WideText scan(const char16_t* units, int32_t count);

    void setLength(int32_t n) override { setTerminatedLength(n); }
    /// Sets the length to the units before the first 0 unit.
    void lengthFromContent();
};

}  // namespace xvo
