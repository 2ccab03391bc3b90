// The launcher packaged by xvopack with a configuration and an archive: what the
// configuration changes when the packaged executable runs.
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "child_process.h"
#include "host_paths.h"
#include "platform/process.h"
#include "packaging.h"
#include "tools/pack/pack_files.h"
#include "tools/pack/pack_format.h"

namespace xvo {
namespace {

using test::inDirectory;
using test::launcherImage;

void put16(std::string& out, uint32_t value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

uint32_t crc32(const std::string& data)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

using Entries = std::vector<std::pair<std::string, std::string>>;

// A ZIP archive of stored (uncompressed) entries, offsets counted from its own start.
std::string makeJar(const Entries& entries, const std::string& comment = "")
{
    std::string local, central;
    for (const auto& [name, data] : entries) {
        uint32_t offset = uint32_t(local.size()), crc = crc32(data), size = uint32_t(data.size());
        std::string common;
        put16(common, 20), put16(common, 0), put16(common, 0), put16(common, 0), put16(common, 0x21);
        put32(common, crc), put32(common, size), put32(common, size);
        put16(common, uint32_t(name.size())), put16(common, 0);
        local += "PK\x03\x04" + common + name + data;
        central += "PK\x01\x02";
        put16(central, 20);
        central += common;
        put16(central, 0), put16(central, 0), put16(central, 0), put32(central, 0), put32(central, offset);
        central += name;
    }
    std::string end = "PK\x05\x06";
    put16(end, 0), put16(end, 0), put16(end, uint32_t(entries.size())), put16(end, uint32_t(entries.size()));
    put32(end, uint32_t(central.size())), put32(end, uint32_t(local.size())), put16(end, uint32_t(comment.size()));
    return local + central + end + comment;
}

const Entries kEntries = {{"META-INF/MANIFEST.MF", "Manifest-Version: 1.0\r\n\r\n"},
                          {"org/example/Hello.txt", "hello from the archive\n"}};

// The reading side of the payload arrives with the archive-length slot in the image. Only
// an image without any marker skips: a marker that is not unique fails the packing.
bool launcherHasSlot()
{
    return launcherImage().find(pack::kSlotMarker) != std::string::npos;
}

#define REQUIRE_LAUNCHER_SLOT()                                                                      \
    if (!launcherHasSlot())                                                                          \
    GTEST_SKIP() << "the launcher image has no archive-length slot yet"

// Packs the built launcher with config and archive into dir; returns the executable's path.
std::string packageInto(const std::string& dir, const std::string& config, const std::string& archive = makeJar(kEntries))
{
    return test::packageLauncher(dir, "app", config, archive);
}

std::string uniqueAppid(const char* tag)
{
    return std::string("xvo-e2e-") + tag + "-" + std::to_string(platform::currentProcessId());
}

TEST(PackagedConfig, MessageLinesChangeTheHelpTextAndAnExternalFileOverridesThem)
{
    REQUIRE_LAUNCHER_SLOT();
    struct Case {
        const char* name;
        std::string embedded;
        const char* externalName;  // beside the executable, or none
        std::string external;
        std::string expected;
    } cases[] = {
        {"embedded", "message=1024=Custom help\n", nullptr, "", "Custom help\n"},
        {"escapes", "message = 1024=Line one\\nLine two\r\n", nullptr, "", "Line one\nLine two\n"},
        {"external", "message=1024=Custom help\n", ".cfg", "message=1024=External help\n", "External help\n"},
        {"stem", "message=1024=Custom help\n", "stem.config", "message=1024=Stem help\n", "Stem help\n"},
        {"disabled", "disableexternal true\nmessage=1024=Custom help\n", ".cfg", "message=1024=External help\n",
         "Custom help\n"},
        {"disabled-upper", "disableexternal=TRUE\nmessage=1024=Custom help\n", ".config", "message=1024=External help\n",
         "Custom help\n"},
        {"not-disabled", "disableexternal=false\nmessage=1024=Custom help\n", ".cfg", "message=1024=External help\n",
         "External help\n"},
    };
    for (const Case& c : cases) {
        std::string dir = test::makeTempDirectory(std::string("packmsg-") + c.name);
        std::string exe = packageInto(dir, c.embedded);
        if (c.externalName) {
            std::string name = c.externalName;
            std::string stem = exe.substr(0, exe.rfind('.') == std::string::npos || exe.rfind('.') < exe.rfind(test::pathSeparator[0])
                                                 ? exe.size()
                                                 : exe.rfind('.'));
            std::string path = name.rfind("stem", 0) == 0 ? stem + name.substr(4) : exe + name;
            test::writeFile(path, c.external);
        }
        test::ProcessResult run = test::runProcess({exe}, dir);
        EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.err;
        EXPECT_EQ(test::withoutCarriageReturns(run.out), c.expected) << c.name;
    }
}

TEST(PackagedConfig, SingleInstanceRefusesASecondStartWhileTheMutexIsHeld)
{
    REQUIRE_LAUNCHER_SLOT();
    std::string appid = uniqueAppid("single");
    std::string dir = test::makeTempDirectory("packsingle");
    std::string exe = packageInto(dir, "singleinstance=TRUE\nappid=" + appid + "\n");

    test::Child holder;
    std::string ready = inDirectory(dir, "ready");
    ASSERT_TRUE(holder.start({test::selfPath(), "--child", "hold-mutex", appid + ".xvo.mutex", ready}));
    ASSERT_TRUE(test::waitForFile(ready));
    test::ProcessResult refused = test::runProcess({exe}, dir);
    EXPECT_EQ(refused.exitCode, 11);
    EXPECT_NE((refused.out + refused.err).find("There is already an instance of this program running."), std::string::npos)
        << refused.out << refused.err;

    holder.kill();
    test::ProcessResult alone = test::runProcess({exe}, dir);
    EXPECT_EQ(alone.exitCode, 0) << alone.out << alone.err;
}

TEST(PackagedConfig, ConfigurationReadsBackAsPacked)
{
    REQUIRE_LAUNCHER_SLOT();
    struct Case {
        std::string packed;
        std::string readBack;
    } cases[] = {
        {"mainclass=org.example.Hello\noption=-Xmx64m\n", "mainclass=org.example.Hello\r\noption=-Xmx64m\r\n"},
        {"\xEF\xBB\xBF" "a=1\r\nb = Gr\xC3\xBC\xC3\x9F" "e\r\n", "a=1\r\nb = Gr\xC3\xBC\xC3\x9F" "e\r\n"},
        {"no line end at all", "no line end at all"},
        {"", ""},
        {"  spaced = value with trailing blanks  \t\n\n# comment\n", "  spaced = value with trailing blanks  \t\r\n\r\n# comment\r\n"},
    };
    std::string dir = test::makeTempDirectory("packread");
    for (const Case& c : cases) {
        std::string exe = packageInto(dir, c.packed, makeJar(kEntries, "a comment"));
#ifdef _WIN32
        std::string packaged, text;
        ASSERT_TRUE(pack::readWholeFile(exe, "packaged executable", &packaged).ok());
        ASSERT_TRUE(pack::readConfig(packaged, &text).ok());
#else
        test::ProcessResult run = test::runProcess({XVO_PACKER, "--print-config", exe});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::string text = run.out;
#endif
        EXPECT_EQ(text, c.readBack);
    }
}

#ifndef _WIN32
std::string javaTool(const char* name)
{
    for (const char* dir : {"/usr/bin/", "/usr/local/bin/"}) {
        std::string path = std::string(dir) + name;
        if (test::runProcess({"/bin/sh", "-c", "test -x " + path}).exitCode == 0)
            return path;
    }
    return "";
}

TEST(PackagedConfig, TheJdkListsTheArchiveInsideThePackagedExecutable)
{
    REQUIRE_LAUNCHER_SLOT();
    std::string jar = javaTool("jar");
    if (jar.empty())
        GTEST_SKIP() << "no jar tool";
    std::string dir = test::makeTempDirectory("packjar");
    std::string exe = packageInto(dir, "message=1024=x\n");
    test::ProcessResult run = test::runProcess({jar, "tf", exe});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "META-INF/MANIFEST.MF\norg/example/Hello.txt\n");
}

TEST(PackagedConfig, PackerRefusesBadInputAndLeavesNoOutput)
{
    std::string dir = test::makeTempDirectory("packbad");
    std::string image = inDirectory(dir, "image"), noSlot = inDirectory(dir, "noslot"), twice = inDirectory(dir, "twice");
    std::string conf = inDirectory(dir, "good.conf"), nul = inDirectory(dir, "nul.conf");
    std::string jar = inDirectory(dir, "good.jar"), notJar = inDirectory(dir, "bad.jar");
    test::writeFile(image, std::string("IMG") + "\1\2\3\4" + pack::kSlotMarker + "END");
    test::writeFile(noSlot, "an image without a slot");
    test::writeFile(twice, std::string("\1\2\3\4") + pack::kSlotMarker + "\1\2\3\4" + pack::kSlotMarker);
    test::writeFile(conf, "a=1\n");
    test::writeFile(nul, std::string("a=1\0b", 5));
    test::writeFile(jar, makeJar(kEntries));
    test::writeFile(notJar, "no end record");
    // Sparse: refused by its size before anything is read.
    std::string hugeJar = inDirectory(dir, "huge.jar");
    ASSERT_EQ(test::runProcess({"/usr/bin/truncate", "-s", "2G", hugeJar}).exitCode, 0);
    struct Case {
        std::string launcher, config, archive, expected;
    } cases[] = {
        {noSlot, conf, jar, "marker"},
        {twice, conf, jar, "more than once"},
        {image, nul, jar, "NUL"},
        {image, conf, notJar, "end-of-central-directory"},
        {inDirectory(dir, "missing"), conf, jar, "does not exist"},
        {image, inDirectory(dir, "missing.conf"), jar, "does not exist"},
        {image, conf, hugeJar, "2 GiB"},
    };
    std::string output = inDirectory(dir, "out");
    for (const Case& c : cases) {
        test::ProcessResult run =
            test::runProcess({XVO_PACKER, "--launcher", c.launcher, "--config", c.config, "--jar", c.archive, "--output", output});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
    }
    test::runProcess({"/bin/rm", hugeJar});
    test::ProcessResult listing = test::runProcess({"/bin/ls", "-A", dir});
    EXPECT_EQ(listing.out, "bad.jar\ngood.conf\ngood.jar\nimage\nnoslot\nnul.conf\ntwice\n");

    test::ProcessResult good =
        test::runProcess({XVO_PACKER, "--launcher", image, "--config", conf, "--jar", jar, "--output", output});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(test::runProcess({"/bin/sh", "-c", "test -x " + output}).exitCode, 0);
    EXPECT_EQ(test::runProcess({XVO_PACKER, "--help"}).exitCode, 0);
}
#endif

}  // namespace
}  // namespace xvo
