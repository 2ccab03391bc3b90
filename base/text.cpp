#include "base/text.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>

namespace xvo {

void Text::assign(const char* text)
{
    if (text && data_ && text >= data_ && text < data_ + capacity_) {
        Text copy(text);
        assign(copy);
        return;
    }
    setLength(0);
    append(text);
}

void Text::assign(const Text& text)
{
    if (&text == this)
        return;
    setLength(0);
    append(text);
}

void Text::lengthFromContent()
{
    int32_t n = 0;
    while (n < capacity_ - 1 && data_[n] != 0)
        ++n;
    setLength(n);
}

namespace {

int32_t lengthOf(const char* s)
{
    return s ? int32_t(std::strlen(s)) : 0;
}

template <typename Same>
int compareBytes(const char* a, int32_t la, const char* b, int32_t lb, Same same)
{
    int32_t shorter = la < lb ? la : lb;
    int32_t k = 0;
    while (k < shorter && same(a[k], b[k]))
        ++k;
    signed char x = k < la ? static_cast<signed char>(a[k]) : 0;
    signed char y = k < lb ? static_cast<signed char>(b[k]) : 0;
    return x - y;
}

}  // namespace

int Text::compare(const char* other) const
{
    return compareBytes(data_, length_, other, lengthOf(other), [](char a, char b) { return a == b; });
}

int Text::compareNoCase(const char* other) const
{
    return compareBytes(data_, length_, other, lengthOf(other), [](char a, char b) {
        return a == b || std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    });
}

void Text::replaceAll(const char* pattern, const char* replacement)
{
    int32_t patternLength = lengthOf(pattern);
    if (patternLength == 0)
        return;
    Text result;
    const char* rest = data_;
    const char* end = data_ + length_;
    while (rest < end) {
        const char* hit = std::strstr(rest, pattern);
        if (!hit)
            break;
        result.ByteBuffer::append(rest, int32_t(hit - rest));
        result.append(replacement);
        rest = hit + patternLength;
    }
    result.ByteBuffer::append(rest, int32_t(end - rest));
    assign(result);
}

void Text::format(const char* pattern, ...)
{
    if (capacity_ < 1024)
        reserve(1024);
    for (;;) {
        va_list args;
        va_start(args, pattern);
        int produced = std::vsnprintf(data_, size_t(capacity_), pattern, args);
        va_end(args);
        if (produced < 0) {
            setLength(0);
            return;
        }
        if (produced < capacity_) {
            setLength(produced);
            return;
        }
        reserve(int64_t(produced) + 1);
    }
}

Text Text::left(int32_t n) const
{
    if (n == -1)
        return Text(data_);
    return Text(data_, n < 0 ? 0 : (n < length_ ? n : length_));
}

Text Text::right(int32_t n) const
{
    int32_t take = n < 0 ? 0 : (n < length_ ? n : length_);
    return Text(data_ + length_ - take, take);
}

Text Text::mid(int32_t pos) const
{
    if (pos < 0 || pos >= length_)
        return Text();
    return Text(data_ + pos, length_ - pos);
}

Text Text::mid(int32_t pos, int32_t count) const
{
    if (pos < 0 || pos >= length_)
        return Text();
    if (count == -1)
        return Text(data_ + pos);
    int32_t available = length_ - pos;
    return Text(data_ + pos, count < 0 ? 0 : (count < available ? count : available));
}

Text operator+(const char* a, const Text& b)
{
    Text result(a);
    result.append(b);
    return result;
}

Text operator+(const Text& a, const char* b)
{
    Text result(a);
    result.append(b);
    return result;
}

Text operator+(const Text& a, const Text& b)
{
    Text result(a);
    result.append(b);
    return result;
}

WideText::WideText(const char16_t* units, int32_t count)
{
    setLength(0);
    if (units && count == -1)
        for (count = 0; units[count] != 0;)
            ++count;
    append(units, count);
}

WideText WideText::scan(const char16_t* units, int32_t count)
{
    WideText result;
    for (int32_t i = 0; units && (count < 0 || i < count) && units[i] != 0; ++i)
        result.push(units[i]);
    return result;
}

void WideText::lengthFromContent()
{
    int32_t n = 0;
    while (n < capacity_ - 1 && data_[n] != 0)
        ++n;
    setLength(n);
}

}  // namespace xvo
