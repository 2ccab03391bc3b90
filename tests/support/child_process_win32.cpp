// Win32 only: process helpers for the tests.
#include "child_process.h"

#include <chrono>
#include <thread>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace xvo::test {

namespace {

// Quotes each argument so that the child's runtime splits it back unchanged.
std::string commandLine(const std::vector<std::string>& argv)
{
    std::string line;
    for (const std::string& arg : argv) {
        if (!line.empty())
            line += ' ';
        line += '"';
        size_t backslashes = 0;
        for (char c : arg) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, '\\');
        line += '"';
    }
    return line;
}

HANDLE inheritableFile(const std::string& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE spawn(const std::vector<std::string>& argv, const std::string& directory, HANDLE out, HANDLE err)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    bool redirect = out != INVALID_HANDLE_VALUE;
    if (redirect) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out;
        startup.hStdError = err;
    }
    PROCESS_INFORMATION info{};
    std::string line = commandLine(argv);
    if (!CreateProcessA(argv[0].c_str(), line.data(), nullptr, nullptr, redirect, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& workingDirectory)
{
    std::string dir = makeTempDirectory("capture");
    std::string outPath = dir + "\\out", errPath = dir + "\\err";
    HANDLE out = inheritableFile(outPath), err = inheritableFile(errPath);
    HANDLE process = spawn(argv, workingDirectory, out, err);
    CloseHandle(out);
    CloseHandle(err);
    ProcessResult result;
    if (process) {
        WaitForSingleObject(process, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        result.exitCode = int(code);
        CloseHandle(process);
    }
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

bool Child::start(const std::vector<std::string>& argv)
{
    HANDLE process = spawn(argv, "", INVALID_HANDLE_VALUE, INVALID_HANDLE_VALUE);
    handle_ = reinterpret_cast<long long>(process);
    return process != nullptr;
}

void Child::kill()
{
    if (handle_ <= 0)
        return;
    HANDLE process = reinterpret_cast<HANDLE>(handle_);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
    handle_ = -1;
}

std::string selfPath()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

std::string makeTempDirectory(const std::string& tag)
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        std::string dir = std::string(base) + "xvo-test-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                          std::to_string(++counter);
        if (CreateDirectoryA(dir.c_str(), nullptr))
            return dir;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return std::string();
    }
}

bool waitForFile(const std::string& path)
{
    for (int i = 0; i < 1000; ++i) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace xvo::test
