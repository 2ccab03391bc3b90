// Real processes for tests: run a program to its end, or keep one running and kill it.
#pragma once

#include <string>
#include <vector>

namespace xvo::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs argv[0] with the arguments that follow, in workingDirectory when it is not
/// empty, and captures its standard output and standard error.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& workingDirectory = "");

/// A process that runs until it is killed.
class Child {
public:
    Child() = default;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { kill(); }

    bool start(const std::vector<std::string>& argv);
    /// Ends the process abruptly (as a crash would) and waits for it.
    void kill();

private:
    long long handle_ = -1;
};

/// The path of the running test executable.
std::string selfPath();

/// A fresh directory for one test, unique across parallel runs.
std::string makeTempDirectory(const std::string& tag);

/// Waits up to ten seconds for a file to appear.
bool waitForFile(const std::string& path);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

}  // namespace xvo::test
