// POSIX only: process helpers for the tests.
#include "child_process.h"

#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace xvo::test {

namespace {

pid_t spawn(const std::vector<std::string>& argv, const std::string& directory, int outFd, int errFd)
{
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (outFd >= 0)
        dup2(outFd, 1);
    if (errFd >= 0)
        dup2(errFd, 2);
    if (!directory.empty() && chdir(directory.c_str()) != 0)
        _exit(127);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
}

}  // namespace

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& workingDirectory)
{
    std::string dir = makeTempDirectory("capture");
    std::string outPath = dir + "/out", errPath = dir + "/err";
    int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int errFd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = spawn(argv, workingDirectory, outFd, errFd);
    close(outFd);
    close(errFd);
    ProcessResult result;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid)
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

bool Child::start(const std::vector<std::string>& argv)
{
    pid_t pid = spawn(argv, "", -1, -1);
    handle_ = pid;
    return pid > 0;
}

void Child::kill()
{
    if (handle_ <= 0)
        return;
    ::kill(pid_t(handle_), SIGKILL);
    waitpid(pid_t(handle_), nullptr, 0);
    handle_ = -1;
}

std::string selfPath()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return std::string(path, n > 0 ? size_t(n) : 0);
}

std::string makeTempDirectory(const std::string& tag)
{
    std::string pattern = "/tmp/xvo-test-" + tag + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back(0);
    return mkdtemp(buffer.data()) ? std::string(buffer.data()) : std::string();
}

bool waitForFile(const std::string& path)
{
    for (int i = 0; i < 1000; ++i) {
        struct stat info;
        if (stat(path.c_str(), &info) == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace xvo::test
