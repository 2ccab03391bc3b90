// POSIX only: read-only file views through mmap, whole-file reads.
#include "platform/file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xvo::platform {

namespace {

constexpr int64_t sizeLimit = int64_t(1) << 31;

// Opens path for reading when it is a regular file below the size limit.
int openRegular(const char* path, int64_t* size)
{
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size >= sizeLimit) {
        ::close(fd);
        return -1;
    }
    *size = int64_t(info.st_size);
    return fd;
}

}  // namespace

bool FileView::open(const char* path)
{
    close();
    int64_t size = 0;
    int fd = openRegular(path, &size);
    if (fd < 0)
        return false;
    file_ = fd;
    if (size == 0)
        return true;
    void* view = mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (view == MAP_FAILED) {
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
        munmap(const_cast<unsigned char*>(data_), size_t(size_));
    if (file_ != -1)
        ::close(int(file_));
    data_ = nullptr;
    size_ = 0;
    file_ = -1;
}

bool isReadable(const char* path)
{
    return access(path, R_OK) == 0;
}

bool readWholeFile(const char* path, Text& bytes)
{
    bytes.setLength(0);
    int64_t size = 0;
    int fd = openRegular(path, &size);
    if (fd < 0)
        return false;
    bytes.setLength(int32_t(size));
    int32_t done = 0;
    while (done < int32_t(size)) {
        ssize_t n = ::read(fd, bytes.data() + done, size_t(size - done));
        if (n <= 0)
            break;
        done += int32_t(n);
    }
    ::close(fd);
    // Only what was really read counts, should the file have shrunk meanwhile.
    bytes.setLength(done);
    return true;
}

}  // namespace xvo::platform
