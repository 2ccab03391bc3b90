#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "child_process.h"
#include "config/expand.h"
#include "config/settings.h"
#include "launcher/current.h"
#include "platform/registry.h"
#include "test_environment.h"

using namespace xvo;
using namespace xvo::test;

namespace {

const char* const registryText =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Expand]\r\n"
    "@=\"key default\"\r\n"
    "\"InstallDir\"=\"D:\\\\Installed\"\r\n"
    "\"AllBits\"=dword:ffffffff\r\n"
    "\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
    "\"Temp\"=hex(2):25,00,58,00,56,00,4f,00,54,00,5f,00,54,00,25,00,5c,00,78,00,00,00\r\n"
    "\"Loop\"=hex(2):24,00,7b,00,48,00,4b,00,4c,00,4d,00,5c,00,53,00,4f,00,46,00,54,00,57,00,41,00,\\\r\n"
    "  52,00,45,00,5c,00,58,00,76,00,6f,00,54,00,65,00,73,00,74,00,5c,00,45,00,78,00,70,00,61,00,\\\r\n"
    "  6e,00,64,00,5c,00,4c,00,6f,00,6f,00,70,00,7d,00,00,00\r\n";

class ExpandTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string dir = makeTempDirectory("expand");
        std::string path = dir + "/xvo_expand.reg";
#ifdef _WIN32
        // The system's importer reads version 5 files as UTF-16LE; an 8-bit file would have
        // its string data taken as 8-bit bytes.
        std::string wide = "\xFF\xFE";
        for (const char* p = registryText; *p; p++)
            wide += std::string(1, *p) + '\0';
        writeFile(path, wide);
        runProcess({"C:\\windows\\system32\\reg.exe", "import", path});
#else
        writeFile(path, registryText);
        setEnvironment("XVO_REGISTRY", path.c_str());
#endif
    }

    void SetUp() override
    {
        settings.appHome = "/opt/app/";
        settings.currentDir = "/work/here/";
        settings.appPath = "/opt/app/launcher";
        publishCurrent(&settings, nullptr, nullptr);
        setEnvironment("XVOT_T", "C:\\T");
        setEnvironment("XVOT_X", nullptr);
        setEnvironment("Inner", nullptr);
    }
    void TearDown() override { publishCurrent(nullptr, nullptr, nullptr); }

    Settings settings{false};
};

struct Case {
    const char* value;
    const char* expected;
};

void expectAll(const Case* cases, size_t count, ExpandForm form)
{
    for (size_t i = 0; i < count; i++)
        EXPECT_STREQ(expandValue(Text(cases[i].value), form).cstr(), cases[i].expected) << cases[i].value;
}

TEST_F(ExpandTest, ReferenceForms)
{
    const Case cases[] = {
        {"%XVOT_T%\\app", "C:\\T\\app"},
        {"$XVOT_T\\app", "C:\\T\\app"},
        {"${XVOT_T}\\app", "C:\\T\\app"},
        {"%{XVOT_T}%", "C:\\T"},
        {"%{XVOT_T}", "%{XVOT_T}"},
        {"%XVOT_T", "%XVOT_T"},
        {"100%%", "100%"},
        {"$$", "$"},
        {"end $", "end $"},
        {"$XVOT_X", "$XVOT_X"},
        {"a.Outer$Inner", "a.Outer$Inner"},
        {"%XVOT_X%XVOT_T%", "%XVOT_X%XVOT_T%"},
        {"${XVOT_T|D:\\x}", "D:\\x"},
        {"${XVOT_T", "C:\\T"},
        {"plain", "plain"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0], ExpandForm::plain);
    expectAll(cases, sizeof cases / sizeof cases[0], ExpandForm::utf8);
}

TEST_F(ExpandTest, SpecialVariables)
{
    setEnvironment("PWD", nullptr);
    const Case cases[] = {
        {"$APPLICATION_HOME", "/opt/app/"},
        {"%application_home%lib", "/opt/app/lib"},
        {"${PWD}", "/work/here/"},
        {"$XVO_APP_PATH", "/opt/app/launcher"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0], ExpandForm::plain);
    setEnvironment("PWD", "/from/env");
    EXPECT_STREQ(expandValue(Text("$PWD"), ExpandForm::plain).cstr(), "/from/env");
}

TEST_F(ExpandTest, RegistryData)
{
    const Case cases[] = {
        {"${HKLM\\SOFTWARE\\XvoTest\\Expand\\InstallDir|C:\\App}", "D:\\Installed"},
        {"${HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Expand\\InstallDir}", "D:\\Installed"},
        {"${HKLM\\SOFTWARE\\XvoTest\\Expand\\Missing|C:\\App}", "C:\\App"},
        {"${HKLM\\SOFTWARE\\XvoTest\\NoKey\\Missing|C:\\App}", "C:\\App"},
        {"${HKLM\\SOFTWARE\\XvoTest\\Expand\\}", "key default"},
        {"${HKLM\\SOFTWARE\\XvoTest\\Expand\\AllBits}", "-1"},
        {"[${HKLM\\SOFTWARE\\XvoTest\\Expand\\Multi}]", "[]"},
        {"${HKLM\\SOFTWARE\\XvoTest\\Expand\\Temp}", "C:\\T\\x"},
        {"${hklm\\SOFTWARE\\XvoTest\\Expand\\InstallDir}", "${hklm\\SOFTWARE\\XvoTest\\Expand\\InstallDir}"},
        {"${NoRoot|fallback}", "fallback"},
    };
    expectAll(cases, sizeof cases / sizeof cases[0], ExpandForm::plain);
}

TEST_F(ExpandTest, SelfReferringRegistryStringEndsUnresolved)
{
    Text out = expandValue(Text("${HKLM\\SOFTWARE\\XvoTest\\Expand\\Loop}"), ExpandForm::plain);
    EXPECT_STREQ(out.cstr(), "${HKLM\\SOFTWARE\\XvoTest\\Expand\\Loop}");
}

}  // namespace

namespace {

TEST_F(ExpandTest, HomeIsFilledOnceBothPartsAreSet)
{
    setEnvironment("HOME", nullptr);
    setEnvironment("HOMEDRIVE", nullptr);
    setEnvironment("HOMEPATH", "\\Users\\me");
    EXPECT_STREQ(expandValue(Text("[$HOME]"), ExpandForm::plain).cstr(), "[]");
    setEnvironment("HOMEDRIVE", "E:");
    EXPECT_STREQ(expandValue(Text("[$HOME]"), ExpandForm::plain).cstr(), "[E:\\Users\\me]");
    setEnvironment("HOME", "/from/env");
    EXPECT_STREQ(expandValue(Text("[$HOME]"), ExpandForm::plain).cstr(), "[/from/env]");
}

}  // namespace

namespace {

TEST_F(ExpandTest, RegistryTextFailsWhenTheDataExceedsTheRoom)
{
    // "D:\Installed" and its terminator take 13 bytes.
    const struct {
        int32_t room;
        bool ok;
    } cases[] = {{13, true}, {12, false}, {260, true}};
    for (const auto& c : cases) {
        Text out;
        EXPECT_EQ(platform::readRegistryText(platform::RegistryRoot::localMachine, "SOFTWARE\\XvoTest\\Expand",
                                             "InstallDir", c.room, out),
                  c.ok)
            << c.room;
        if (c.ok) {
            EXPECT_STREQ(out.cstr(), "D:\\Installed");
        }
    }
}

}  // namespace

#ifdef _WIN32
namespace {

// Code page 1252 holds e-acute as E9; the UTF-8 form inserts it as C3 A9.
TEST_F(ExpandTest, Utf8FormConvertsInsertedText)
{
    setEnvironment("XVOT_E", "caf\xE9");
    EXPECT_STREQ(expandValue(Text("$XVOT_E!"), ExpandForm::plain).cstr(), "caf\xE9!");
    EXPECT_STREQ(expandValue(Text("$XVOT_E!"), ExpandForm::utf8).cstr(), "caf\xC3\xA9!");
}

}  // namespace
#endif
