#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "platform/process.h"
#include "redirect/stream_redirector.h"

namespace xvo {
namespace {

#ifdef _WIN32
const char separator = '\\';
// The command a "|" target starts to copy its input into a file. Wine's "more" stalls
// on a long input, so the test executable does the copying.
std::string copyCommand(const std::string& path)
{
    return "|\"" + test::selfPath() + "\" --child copy-input \"" + path + "\"";
}
#else
const char separator = '/';
std::string copyCommand(const std::string& path)
{
    return "|cat > '" + path + "'";
}
#endif

std::string inDir(const std::string& dir, const std::string& leaf)
{
    std::string path = dir + separator + leaf;
    for (char& c : path)
        c = c == '/' ? separator : c;
    return path;
}

// Text-mode output on Windows ends its lines with CR LF; the tests compare lines.
std::string withoutCarriageReturns(std::string text)
{
    for (size_t at; (at = text.find('\r')) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

std::string contentOf(const std::string& path)
{
    return withoutCarriageReturns(test::readFile(path));
}

bool fileExists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file)
        std::fclose(file);
    return file != nullptr;
}

std::vector<std::string> sortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

test::ProcessResult runRedirectChild(const std::vector<std::string>& requests)
{
    std::vector<std::string> argv{test::selfPath(), "--child", "redirect"};
    argv.insert(argv.end(), requests.begin(), requests.end());
    test::ProcessResult run = test::runProcess(argv);
    run.out = withoutCarriageReturns(run.out);
    run.err = withoutCarriageReturns(run.err);
    return run;
}

const char* const outLines = "crt-out\nos-out\n";
const char* const errLines = "crt-err\nos-err\n";
const char* const allLines = "crt-out\ncrt-err\nos-out\nos-err\n";

struct FileCase {
    const char* title;
    std::vector<std::string> requests;  // "err=" or "out=" with a name relative to the test directory
    std::vector<std::pair<std::string, std::string>> files;  // name, expected content
    std::string out;  // what reaches the original standard output
    std::string err;
};

std::vector<FileCase> fileCases()
{
    return {
        {"standard error to a file", {"err=err.log"}, {{"err.log", errLines}}, outLines, ""},
        {"standard output to a file", {"out=out.log"}, {{"out.log", outLines}}, "", errLines},
        {"both to one file, opened once", {"err=both.log", "out=both.log"}, {{"both.log", allLines}}, "", ""},
#ifdef _WIN32
        // Two targets, one file: appends through either handle keep each other's lines.
        {"names differing in case", {"err=Case.log", "out=case.log"}, {{"Case.log", allLines}}, "", ""},
#else
        {"names differing in case", {"err=Case.log", "out=case.log"}, {{"Case.log", errLines}, {"case.log", outLines}}, "", ""},
#endif
        {"a second request does not move the stream",
         {"err=first.log", "err=second.log"},
         {{"first.log", errLines}, {"second.log", ""}},
         outLines,
         ""},
        {"a file that cannot be created leaves both streams as they were",
         {"err=missing/err.log", "out=missing/out.log"},
         {},
         outLines,
         errLines},
        {"a failed target does not stop a later one", {"err=missing/err.log", "err=late.log"}, {{"late.log", errLines}}, outLines, ""},
        {"an empty command leaves the stream as it was", {"err=|"}, {}, outLines, errLines},
    };
}

TEST(StreamRedirection, FileTargetsReceiveBothLevelsOfTheirStreams)
{
    for (const FileCase& c : fileCases()) {
        SCOPED_TRACE(c.title);
        std::string dir = test::makeTempDirectory("redirect");
        std::vector<std::string> requests;
        for (const std::string& request : c.requests) {
            std::string value = request.substr(4);
            bool command = !value.empty() && value[0] == '|';
            requests.push_back(request.substr(0, 4) + (command ? value : inDir(dir, value)));
        }
        test::ProcessResult run = runRedirectChild(requests);
        EXPECT_EQ(run.exitCode, 0);
        // A stream left alone keeps the runtime's buffering, so its order is not certain.
        EXPECT_EQ(sortedLines(run.out), sortedLines(c.out));
        EXPECT_EQ(sortedLines(run.err), sortedLines(c.err));
        for (const auto& [name, content] : c.files)
            EXPECT_EQ(contentOf(inDir(dir, name)), content) << name;
        EXPECT_FALSE(fileExists(inDir(dir, "missing")));
    }
}

TEST(StreamRedirection, FileTargetsAppendToWhatEarlierRunsWrote)
{
    std::string dir = test::makeTempDirectory("redirect-append");
    std::string log = inDir(dir, "err.log");
    test::writeFile(log, "earlier\n");
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(runRedirectChild({"err=" + log, "out=" + log}).exitCode, 0);
    EXPECT_EQ(contentOf(log), std::string("earlier\n") + allLines + allLines);
}

TEST(StreamRedirection, ProcessesSharingOneFileKeepEveryLine)
{
    std::string dir = test::makeTempDirectory("redirect-shared");
    std::string log = inDir(dir, "shared.log");
    const int lines = 400;
    test::Child holder;
    // A second process appends while the first still holds the file open.
    std::string ready = inDir(dir, "ready");
    ASSERT_TRUE(holder.start({test::selfPath(), "--child", "redirect", "err=" + log, "out=" + log,
                              "lines=" + std::to_string(lines), "hold=" + ready}));
    ASSERT_TRUE(test::waitForFile(ready));
    EXPECT_EQ(runRedirectChild({"err=" + log, "out=" + log, "lines=" + std::to_string(lines)}).exitCode, 0);
    holder.kill();
    std::string content = contentOf(log);
    for (int i = 0; i < lines; ++i) {
        std::string line = "err " + std::to_string(i) + "\n";
        size_t first = content.find(line);
        ASSERT_NE(first, std::string::npos) << line;
        EXPECT_NE(content.find(line, first + 1), std::string::npos) << line;
    }
}

TEST(StreamRedirection, OthersMayReadAndDeleteTheLogWhileItIsOpen)
{
    std::string dir = test::makeTempDirectory("redirect-share");
    std::string log = inDir(dir, "err.log");
    std::string ready = inDir(dir, "ready");
    test::Child child;
    ASSERT_TRUE(child.start({test::selfPath(), "--child", "redirect", "err=" + log, "out=" + log, "hold=" + ready}));
    ASSERT_TRUE(test::waitForFile(ready));
    EXPECT_EQ(contentOf(log), allLines);
    EXPECT_EQ(std::remove(log.c_str()), 0);
    child.kill();
    EXPECT_FALSE(fileExists(log));
}

// The command keeps running after the child has gone; its copy is complete once it
// holds the expected number of lines (waits at most half a minute).
std::string waitForLines(const std::string& path, size_t lines)
{
    std::string content;
    for (int i = 0; i < 600; ++i) {
        content = contentOf(path);
        if (size_t(std::count(content.begin(), content.end(), '\n')) >= lines)
            break;
        platform::sleepMilliseconds(50);
    }
    return content;
}

TEST(StreamRedirection, CommandTargetReceivesEverythingWrittenBeforeExit)
{
    const int lines = 3000;
    std::string dir = test::makeTempDirectory("redirect-command");
    std::string copy = inDir(dir, "copy.txt");
    test::ProcessResult run = runRedirectChild({"err=" + copyCommand(copy), "lines=" + std::to_string(lines)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    std::string expected = errLines;
    for (int i = 0; i < lines; ++i)
        expected += "err " + std::to_string(i) + "\n";
    // The runtime stream buffers for a command while direct writes go straight in, so
    // only the set of lines is certain; none may be missing.
    std::string content = waitForLines(copy, lines + 2);
    EXPECT_TRUE(sortedLines(content) == sortedLines(expected)) << content.size() << " bytes of " << expected.size();
}

TEST(StreamRedirection, BothStreamsToOneCommandStartItOnce)
{
    std::string dir = test::makeTempDirectory("redirect-command-both");
    std::string copy = inDir(dir, "copy.txt");
    std::string command = copyCommand(copy);
    test::ProcessResult run = runRedirectChild({"err=" + command, "out=" + command, "lines=1"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
    // Each runtime stream buffers on its own, so only the set of lines is certain.
    std::string content = waitForLines(copy, 6);
    EXPECT_EQ(sortedLines(content), sortedLines("crt-out\ncrt-err\nos-out\nos-err\nerr 0\nout 0\n"));
}

TEST(StreamRedirector, TargetsAreFoundByExactName)
{
    std::string dir = test::makeTempDirectory("redirect-targets");
    StreamRedirector redirector;
    RedirectTarget& first = redirector.findOrCreateTarget(inDir(dir, "a.log").c_str());
    EXPECT_TRUE(first.opened());
    EXPECT_EQ(&redirector.findOrCreateTarget(inDir(dir, "a.log").c_str()), &first);
    EXPECT_NE(&redirector.findOrCreateTarget(inDir(dir, "A.log").c_str()), &first);
    RedirectTarget& missing = redirector.findOrCreateTarget(inDir(dir, "missing/a.log").c_str());
    EXPECT_FALSE(missing.opened());
    EXPECT_EQ(&redirector.findOrCreateTarget(inDir(dir, "missing/a.log").c_str()), &missing);
    EXPECT_FALSE(redirector.findOrCreateTarget("|").opened());
    EXPECT_FALSE(redirector.findOrCreateTarget("").opened());
    EXPECT_EQ(redirector.targetCount(), 5);
    EXPECT_FALSE(redirector.isRedirected(platform::StdStream::error));
    EXPECT_FALSE(redirector.isRedirected(platform::StdStream::output));
}

}  // namespace
}  // namespace xvo
