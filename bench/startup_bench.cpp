// Start-up cost of the launcher, measured as whole processes run alternately side by side
// so that both sides of each pair see the same machine:
//   1. the packaged example against "java -cp" on the same archive and main class;
//   2. a start that ends in "Java Runtime Environment not found." (everything the launcher
//      does before the VM) against a trivial process.
// Prints medians and ratios; it passes or fails nothing.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Command = std::vector<std::string>;

// Wall time of one run in milliseconds, its output discarded; negative when it could not run.
double timeRun(const Command& command)
{
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    bool ran = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 && waitpid(pid, &status, 0) == pid;
    auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return ran ? std::chrono::duration<double, std::milli>(end - start).count() : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Pairs {
    std::vector<double> first, second, ratios;
};

Pairs runPairs(const Command& first, const Command& second, int count)
{
    timeRun(first);  // warm the caches for both sides
    timeRun(second);
    Pairs pairs;
    for (int i = 0; i < count; ++i) {
        double a = timeRun(first);
        double b = timeRun(second);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a run could not start: %s or %s\n", first[0].c_str(), second[0].c_str());
            std::exit(2);
        }
        pairs.first.push_back(a);
        pairs.second.push_back(b);
        pairs.ratios.push_back(a / b);
    }
    return pairs;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s PACKAGED-EXAMPLE JAVA JAR MAIN-CLASS NO-RUNTIME-LAUNCHER TRIVIAL [PAIRS]\n", argv[0]);
        return 2;
    }
    int count = argc > 7 ? std::max(10, std::atoi(argv[7])) : 20;
    Pairs java = runPairs({argv[1], "-test"}, {argv[2], "-cp", argv[3], argv[4]}, count);
    std::printf("packaged example     median %8.2f ms\n", median(java.first));
    std::printf("java -cp             median %8.2f ms\n", median(java.second));
    std::printf("ratio (median of %d pairs): %.3f (target <= 1.02)\n\n", count, median(java.ratios));

    Pairs preVm = runPairs({argv[5], "-test"}, {argv[6]}, count);
    double launcher = median(preVm.first), trivial = median(preVm.second);
    std::printf("start ending in message 1  median %6.2f ms\n", launcher);
    std::printf("trivial process            median %6.2f ms\n", trivial);
    std::printf("launcher work before the VM: %.2f ms (target <= 2 ms)\n", launcher - trivial);
    return 0;
}
