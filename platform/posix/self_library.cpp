// POSIX only: the Java support classes bind their natives with System.load of the
// launcher's own path. A request for that path is answered with the running program,
// so the natives resolve in this image and share its state; every other request goes
// to the system's dlopen. The executable exports this symbol, which makes it the one
// the VM's libraries call.
#include <dlfcn.h>
#include <sys/stat.h>


namespace {

using DlopenFunction = void* (*)(const char*, int);

bool namesThisExecutable(const char* file)
{
    struct stat requested;
    struct stat own;
    return stat(file, &requested) == 0 && stat("/proc/self/exe", &own) == 0 &&
           requested.st_dev == own.st_dev && requested.st_ino == own.st_ino;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void* dlopen(const char* file, int mode)
{
    static const DlopenFunction next = reinterpret_cast<DlopenFunction>(dlsym(RTLD_NEXT, "dlopen"));
    if (!next)
        return nullptr;
    if (file && namesThisExecutable(file))
        return next(nullptr, mode);
    return next(file, mode);
}
