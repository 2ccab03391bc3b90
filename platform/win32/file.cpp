// Win32 only: read-only file views through file mappings, whole-file reads.
#include "platform/file.h"

#include <io.h>

#include "platform/win32/windows_api.h"

namespace xvo::platform {

namespace {

constexpr int64_t sizeLimit = int64_t(1) << 31;

HANDLE openForReading(const char* path)
{
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The size of an open file, or -1 when it is unknown or beyond the 32-bit offsets.
int64_t boundedSize(HANDLE file)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart >= sizeLimit)
        return -1;
    return int64_t(size.QuadPart);
}

}  // namespace

bool FileView::open(const char* path)
{
    close();
    HANDLE file = openForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    file_ = reinterpret_cast<intptr_t>(file);
    int64_t size = boundedSize(file);
    if (size < 0) {
        close();
        return false;
    }
    // A mapping of an empty file cannot be created; an empty view says the same.
    if (size == 0)
        return true;
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!mapping) {
        close();
        return false;
    }
    mapping_ = reinterpret_cast<intptr_t>(mapping);
    const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (!view) {
        close();
        return false;
    }
    data_ = static_cast<const unsigned char*>(view);
    size_ = size;
    return true;
}

void FileView::close()
{
    if (data_)
        UnmapViewOfFile(data_);
    if (mapping_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(mapping_));
    if (file_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(file_));
    data_ = nullptr;
    size_ = 0;
    mapping_ = -1;
    file_ = -1;
}

bool isReadable(const char* path)
{
    return _access(path, 4) == 0;
}

bool readWholeFile(const char* path, Text& bytes)
{
    bytes.setLength(0);
    HANDLE file = openForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    int64_t size = boundedSize(file);
    if (size < 0) {
        CloseHandle(file);
        return false;
    }
    bytes.setLength(int32_t(size));
    DWORD read = 0;
    if (size > 0 && !ReadFile(file, bytes.data(), DWORD(size), &read, nullptr))
        read = 0;
    CloseHandle(file);
    // Only what was really read counts.
    bytes.setLength(int32_t(read));
    return true;
}

}  // namespace xvo::platform
