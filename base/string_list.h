// An ordered list of strings kept in one pool, with an offset table.
#pragma once

#include "base/buffer.h"

namespace xvo {

/// The offsets (this IntList) point into one pool where each string is followed by a
/// NUL. Appending may move the pool, so a pointer from item() is valid only until the
/// next append.
class StringList : public IntList {
public:
    /// Appends a copy of text (a null pointer appends an empty string).
    void append(const char* text);
    int32_t count() const { return length(); }
    const char* item(int32_t i) const { return pool_.data() + (*this)[i]; }
    char* item(int32_t i) { return pool_.data() + (*this)[i]; }
    /// Empties both the offsets and the pool; their blocks are kept.
    void clear();
    /// Empties both and gives their blocks back.
    void release()
    {
        IntList::release();
        pool_.release();
    }

private:
    ByteBuffer pool_;
};

}  // namespace xvo
