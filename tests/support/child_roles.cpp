#include "child_roles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "child_process.h"
#include "platform/process.h"
#include "platform/sync.h"
#include "redirect/stream_redirector.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace xvo::test {

namespace {

// hold-mutex NAME READYFILE: takes the named mutex, announces it, and keeps it until
// killed.
int holdMutex(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    platform::NamedMutex mutex;
    int32_t error = 0;
    if (!mutex.create(argv[0], &error) || mutex.wait(5000) == platform::WaitResult::timedOut)
        return 3;
    writeFile(argv[1], "held");
    for (;;)
        platform::sleepMilliseconds(1000);
}

// Writes straight to the standard handle, as the Java VM or a child process would.
void writeToStandardHandle(bool error, const char* text)
{
#ifdef _WIN32
    DWORD written = 0;
    WriteFile(GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text, DWORD(std::strlen(text)), &written,
              nullptr);
#else
    ssize_t written = write(error ? 2 : 1, text, std::strlen(text));
    (void)written;
#endif
}

// redirect [err=NAME] [out=NAME] ... [lines=N] [hold=READYFILE]: requests the
// redirections in order, then writes one line at each level of each stream, then N
// numbered lines through the runtime's standard error and output just before it ends
// (or, with hold, announces itself and waits to be killed).
int redirectAndWrite(int argc, char** argv)
{
    int lines = 0;
    const char* ready = nullptr;
    for (int i = 0; i < argc; ++i) {
        const char* value = std::strchr(argv[i], '=');
        if (!value)
            return 2;
        std::string key(argv[i], value - argv[i]);
        ++value;
        if (key == "err")
            redirectStderr(value);
        else if (key == "out")
            redirectStdout(value);
        else if (key == "lines")
            lines = std::atoi(value);
        else if (key == "hold")
            ready = value;
    }
    // No flushes: a file target is unbuffered, so the lines keep their order in it.
    std::printf("crt-out\n");
    std::fprintf(stderr, "crt-err\n");
    writeToStandardHandle(false, "os-out\n");
    writeToStandardHandle(true, "os-err\n");
    for (int i = 0; i < lines; ++i) {
        std::fprintf(stderr, "err %d\n", i);
        std::printf("out %d\n", i);
    }
    if (ready) {
        writeFile(ready, "ready");
        for (;;)
            platform::sleepMilliseconds(1000);
    }
    return 0;
}

// copy-input FILE: copies its standard input into FILE until the input ends, as the
// command of a "|" target.
int copyInput(int argc, char** argv)
{
    if (argc < 1)
        return 2;
    std::FILE* out = std::fopen(argv[0], "wb");
    if (!out)
        return 3;
#ifdef _WIN32
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(in, buffer, sizeof buffer, &n, nullptr) && n > 0)
        std::fwrite(buffer, 1, n, out);
#else
    char buffer[4096];
    for (ssize_t n; (n = read(0, buffer, sizeof buffer)) > 0;)
        std::fwrite(buffer, 1, size_t(n), out);
#endif
    std::fclose(out);
    return 0;
}

}  // namespace

int runChildRole(const char* role, int argc, char** argv)
{
    if (std::strcmp(role, "hold-mutex") == 0)
        return holdMutex(argc, argv);
    if (std::strcmp(role, "copy-input") == 0)
        return copyInput(argc, argv);
    if (std::strcmp(role, "redirect") == 0)
        return redirectAndWrite(argc, argv);
    return 2;
}

}  // namespace xvo::test
