#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/string_list.h"
#include "config/external_file.h"
#include "config/settings.h"
#include "child_process.h"

namespace xvo {
namespace {

Text bytesOf(const std::string& s)
{
    return Text(s.data(), int32_t(s.size()));
}

const std::string bom = "\xEF\xBB\xBF";

// Settings as the load sequence leaves them, from an external file's bytes (none when
// external is null) and an embedded block.
void combineInto(Settings& settings, const char* external, const std::string& block)
{
    Text externalBytes = bytesOf(external ? external : "");
    settings.combine(external ? &externalBytes : nullptr, bytesOf(block));
}

std::vector<std::string> listOf(const Settings& settings, const char* key, bool embeddedOnly = false)
{
    StringList list;
    list.append("kept");
    settings.getValueList(key, list, embeddedOnly, true);
    std::vector<std::string> items;
    for (int32_t i = 0; i < list.count(); ++i)
        items.push_back(list.item(i));
    return items;
}

TEST(Settings, ExternalLinesComeBeforeTheEmbeddedOnes)
{
    Settings settings(false);
    combineInto(settings, "stdout ext.log\noption -Xa\r\noption -Xb\nmainclass ext.Main\nstderr\n",
                bom + "stdout emb.log\r\noption -Xc\r\nmainclass emb.Main\r\nstderr emb.err\r\n" + std::string(1, '\0'));
    EXPECT_STREQ(settings.getValue("stdout").cstr(), "ext.log");
    EXPECT_EQ(listOf(settings, "option"), (std::vector<std::string>{"kept", "-Xa", "-Xb", "-Xc"}));
    EXPECT_EQ(listOf(settings, "option", true), (std::vector<std::string>{"kept", "-Xc"}));
    EXPECT_STREQ(settings.getValue("mainclass", true).cstr(), "emb.Main");
    // The first line that carries the key decides, even when its value is empty.
    EXPECT_STREQ(settings.getValue("stderr").cstr(), "");
    EXPECT_STREQ(settings.getValue("absent").cstr(), "");
    EXPECT_STREQ(settings.getExpandedValue("stdout").cstr(), "ext.log");
}

TEST(Settings, TextLayoutOfTheCombinedParts)
{
    struct Case {
        const char* external;
        std::string block;
        std::string text;
        int32_t embeddedStart;
    } cases[] = {
        {"a 1", bom + "b 2\r\n", "a 1\r\nb 2\r\n", 5},
        {nullptr, bom + "b 2\r\n", "b 2\r\n", 0},
        {"", bom + "b 2\r\n", "b 2\r\n", 0},
        {"a 1", "", "a 1\r\n", 5},
        {"a 1", bom + "disableexternal TRUE\r\n", "disableexternal TRUE\r\n", 0},
        {"a 1", bom + "disableexternal = true", "disableexternal = true", 0},
        {"a 1", bom + "disableexternal false", "a 1\r\ndisableexternal false", 5},
        {"a 1", bom + "disableexternal", "a 1\r\ndisableexternal", 5},
        {"disableexternal true", bom + "b 2", "disableexternal true\r\nb 2", 22},
    };
    for (const Case& c : cases) {
        Settings settings(false);
        combineInto(settings, c.external, c.block);
        EXPECT_EQ(std::string(settings.data(), size_t(settings.length())), c.text) << c.text;
        EXPECT_EQ(settings.embeddedStart, c.embeddedStart) << c.text;
    }
}

TEST(Settings, DisabledExternalFileHasNoEffect)
{
    Settings settings(false);
    combineInto(settings, "stdout ext.log\noption -Xa\n", bom + "disableexternal TRUE\r\noption -Xc\r\n");
    EXPECT_STREQ(settings.getValue("stdout").cstr(), "");
    EXPECT_EQ(listOf(settings, "option"), (std::vector<std::string>{"kept", "-Xc"}));
}

TEST(Settings, ZeroByteInTheExternalPartHidesTheRestFromWholeScans)
{
    std::string external = bom + "stdout a\r\n" + std::string(1, '\0') + "stderr b\r\n";
    Settings whole(false);
    Text externalBytes = bytesOf(external);
    whole.combine(&externalBytes, bytesOf(bom + "mainclass m.M\r\nstderr c\r\ndisableexternal x\r\n"));
    EXPECT_STREQ(whole.getValue("stdout").cstr(), "a");
    EXPECT_STREQ(whole.getValue("stderr").cstr(), "");
    EXPECT_STREQ(whole.getValue("mainclass").cstr(), "");
    EXPECT_STREQ(whole.getValue("mainclass", true).cstr(), "m.M");
    EXPECT_STREQ(whole.getValue("disableexternal", true).cstr(), "x");
}

TEST(Settings, UnicodeExternalFileIsSearchedLikeUtf8)
{
    std::string utf16("\xFF\xFE", 2);
    for (char c : std::string("stdout u.log\r\n"))
        utf16 += std::string(1, c) + std::string(1, '\0');
    Settings settings(false);
    Text externalBytes = bytesOf(utf16);
    settings.combine(&externalBytes, bytesOf(bom + "stdout e.log\r\n"));
    EXPECT_STREQ(settings.getValue("stdout").cstr(), "u.log");
}

TEST(Settings, ListItemsAreWholeLines)
{
    Settings settings(false);
    combineInto(settings, nullptr, bom + "argv a b\r\nargv c\r\n");
    EXPECT_EQ(listOf(settings, "argv"), (std::vector<std::string>{"kept", "a b", "c"}));
}

#ifdef _WIN32
TEST(Settings, ToAnsiConvertsOnlyWhenAsked)
{
    Settings settings(false);
    combineInto(settings, nullptr, bom + "property p=\xC3\xA9\r\n");
    EXPECT_STREQ(settings.getValue("property", false, true).cstr(), "p=\xE9");
    EXPECT_STREQ(settings.getValue("property", false, false).cstr(), "p=\xC3\xA9");
}
#endif

TEST(ExternalFile, CandidateNames)
{
    struct Case {
        const char* appPath;
        const char* names[4];
    } cases[] = {
        {"C:\\app\\tool.exe", {"C:\\app\\tool.exe.cfg", "C:\\app\\tool.exe.config", "C:\\app\\tool.cfg", "C:\\app\\tool.config"}},
        {"C:\\my.apps\\tool", {"C:\\my.apps\\tool.cfg", "C:\\my.apps\\tool.config", "C:\\my.cfg", "C:\\my.config"}},
        {"/opt/my.apps/tool", {"/opt/my.apps/tool.cfg", "/opt/my.apps/tool.config", "/opt/my.apps/tool.cfg", "/opt/my.apps/tool.config"}},
        {"/opt/tool", {"/opt/tool.cfg", "/opt/tool.config", "/opt/tool.cfg", "/opt/tool.config"}},
        {"/opt/tool.bin", {"/opt/tool.bin.cfg", "/opt/tool.bin.config", "/opt/tool.cfg", "/opt/tool.config"}},
    };
    for (const Case& c : cases) {
        for (int32_t i = 0; i < externalCandidateCount; ++i)
            EXPECT_STREQ(externalCandidate(Text(c.appPath), i).cstr(), c.names[i]) << c.appPath << " " << i;
    }
}

void makeDirectory(const std::string& path)
{
    // A directory in a candidate's place: made by the test helper, then moved there.
    std::string made = test::makeTempDirectory("cfgdir");
    ASSERT_EQ(std::rename(made.c_str(), path.c_str()), 0) << path;
}

TEST(ExternalFile, FirstCandidateThatOpensIsRead)
{
    struct File {
        const char* suffix;
        const char* content;  // null: a directory
    };
    struct Case {
        std::vector<File> files;
        bool found;
        const char* bytes;
    } cases[] = {
        {{}, false, ""},
        {{{".config", "only config"}}, true, "only config"},
        {{{".exe.cfg", "first"}, {".cfg", "third"}}, true, "first"},
        {{{".exe.cfg", ""}, {".cfg", "third"}}, true, ""},
        {{{".exe.cfg", nullptr}, {".exe.config", "second"}}, true, "second"},
        {{{".exe.cfg", nullptr}, {".exe.config", nullptr}, {".cfg", nullptr}, {".config", nullptr}}, false, ""},
    };
    for (const Case& c : cases) {
        std::string dir = test::makeTempDirectory("cfgext");
        ASSERT_FALSE(dir.empty());
        for (const File& f : c.files) {
            std::string path = dir + "/tool" + f.suffix;
            if (f.content)
                test::writeFile(path, f.content);
            else
                makeDirectory(path);
        }
        Text bytes("stale");
        EXPECT_EQ(readExternalFile(Text((dir + "/tool.exe").c_str()), bytes), c.found);
        EXPECT_STREQ(bytes.cstr(), c.bytes);
    }
}

TEST(Settings, LoadedFromTheRunningExecutable)
{
    Settings settings(true);
    EXPECT_GT(settings.appPath.length(), 0);
    std::string path = settings.appPath.cstr();
    std::string home = settings.appHome.cstr();
    EXPECT_EQ(path.substr(0, home.size()), home);
    ASSERT_FALSE(home.empty());
    EXPECT_TRUE(home.back() == '/' || home.back() == '\\');
    char last = settings.currentDir.length() ? settings.currentDir[settings.currentDir.length() - 1] : 0;
    EXPECT_TRUE(last == '/' || last == '\\');
    // The test executable carries no payload.
    EXPECT_EQ(settings.lengthFieldEnd, -1);
}

}  // namespace
}  // namespace xvo
