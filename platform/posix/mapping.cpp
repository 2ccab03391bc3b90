// POSIX only: shared-memory objects standing in for named mappings and for the
// executable's shared section.
#include "platform/mapping.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/text.h"

namespace xvo::platform {

namespace {

// shm names are one component: the leading "/" and no other.
Text shmName(const char* name)
{
    Text result("/");
    result.append(name);
    for (int32_t i = 1; i < result.length(); ++i)
        if (result[i] == '/')
            result[i] = '.';
    return result;
}

void* mapShared(const char* name, int32_t size, int* descriptor)
{
    int fd = shm_open(shmName(name).cstr(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    struct stat info;
    // Only the creator sizes it: growing an existing object keeps its content either way,
    // but never shrink one that another launcher made larger.
    if (fstat(fd, &info) != 0 || (info.st_size < size && ftruncate(fd, size) != 0)) {
        ::close(fd);
        return nullptr;
    }
    void* view = mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    *descriptor = fd;
    return view;
}

}  // namespace

bool NamedMapping::open(const char* name, int32_t size)
{
    close();
    int fd = -1;
    void* view = mapShared(name, size, &fd);
    if (!view)
        return false;
    view_ = view;
    handle_ = fd;
    size_ = size;
    return true;
}

void NamedMapping::close()
{
    if (view_)
        munmap(view_, size_t(size_));
    if (handle_ != -1)
        ::close(int(handle_));
    view_ = nullptr;
    handle_ = -1;
    size_ = 0;
}

void* executableSharedSection()
{
    // Mapped once and kept for the life of the process, like a section of the image.
    static void* section = [] {
        struct stat info;
        if (stat("/proc/self/exe", &info) != 0)
            return static_cast<void*>(nullptr);
        char name[64];
        std::snprintf(name, sizeof name, "xvo.shmmess.%llx.%llx", (unsigned long long)info.st_dev,
                      (unsigned long long)info.st_ino);
        int fd = -1;
        void* view = mapShared(name, 4096, &fd);
        if (view)
            ::close(fd);
        return view;
    }();
    return section;
}

}  // namespace xvo::platform
