// Reading whole files: a read-only view of a file, and a file read into a buffer.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo::platform {

/// A read-only view of a whole existing file, opened with read and write sharing. Closing
/// releases the view, the mapping and the file, in that order. An empty file opens with
/// no data and size 0.
class FileView {
public:
    FileView() = default;
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;
    ~FileView() { close(); }

    /// False when the file cannot be opened or mapped, is not a regular file, or is
    /// 2 GiB or larger (outside what 32-bit offsets can address).
    bool open(const char* path);
    void close();
    const unsigned char* data() const { return data_; }
    int64_t size() const { return size_; }

private:
    const unsigned char* data_ = nullptr;
    int64_t size_ = 0;
    intptr_t file_ = -1;
    intptr_t mapping_ = -1;
};

/// True when the file's permissions allow reading it.
bool isReadable(const char* path);

/// Reads an existing file (not a directory) whole into bytes, whose length becomes the
/// number of bytes actually read. False when it cannot be opened or is 2 GiB or larger.
bool readWholeFile(const char* path, Text& bytes);

}  // namespace xvo::platform
