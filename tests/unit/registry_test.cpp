#include <gtest/gtest.h>

#include <string>

#include "config/registry_file.h"

using namespace xvo;
using platform::RegistryValue;

namespace {

const char* const version5 =
    "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types]\r\n"
    "@=\"default text\"\r\n"
    "\"Plain\"=\"C:\\\\App \\\"quoted\\\"\"\r\n"
    "\"Number\"=dword:0000001f\r\n"
    "\"Expand\"=hex(2):25,00,54,00,45,00,4d,00,50,00,25,00,5c,00,78,00,00,00\r\n"
    "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
    "\"Binary\"=hex:01,02,\\\r\n"
    "  03,ff\r\n"
    "this line means nothing\r\n"
    "\"Broken\"=dword:zz\r\n"
    "[HKLM\\SOFTWARE\\XvoTest\\Short]\r\n"
    "\"Value\"=\"short root\"\r\n";

const char* const regedit4 =
    "REGEDIT4\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Old]\n"
    "\"Expand\"=hex(2):25,54,45,4d,50,25,00\n"
    "\"Ends\"=\"C:\\\\\"\n";

struct Case {
    const char* text;
    const char* key;
    const char* name;
    bool found;
    uint32_t type;
    std::string data;
};

TEST(RegistryFile, FindsEveryTypeInBothFormats)
{
    const Case cases[] = {
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "", true, platform::regSz, std::string("default text\0", 13)},
        {version5, "hkey_local_machine\\software\\xvotest\\types", "plain", true, platform::regSz, std::string("C:\\App \"quoted\"\0", 16)},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "Number", true, platform::regDword,
         std::string("\x1f\0\0\0", 4)},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "Expand", true, platform::regExpandSz,
         std::string("%TEMP%\\x\0", 9)},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "Multi", true, platform::regMultiSz,
         std::string("a\0b\0\0", 5)},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "Binary", true, platform::regBinary,
         "\x01\x02\x03\xff"},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "Broken", false, 0, ""},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Types", "Missing", false, 0, ""},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest", "Plain", false, 0, ""},
        {version5, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Short", "Value", true, platform::regSz, std::string("short root\0", 11)},
        {regedit4, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Old", "Expand", true, platform::regExpandSz,
         std::string("%TEMP%\0", 7)},
        {regedit4, "HKEY_LOCAL_MACHINE\\SOFTWARE\\XvoTest\\Old", "Ends", true, platform::regSz, std::string("C:\\\0", 4)},
    };
    for (const Case& c : cases) {
        RegistryValue value;
        bool found = findRegistryFileValue(Text(c.text), c.key, c.name, value);
        EXPECT_EQ(found, c.found) << c.key << " " << c.name;
        if (!found || !c.found)
            continue;
        EXPECT_EQ(value.type, c.type) << c.name;
        EXPECT_EQ(std::string(value.data.cstr(), size_t(value.data.length())), c.data) << c.name;
        EXPECT_EQ(value.data.cstr()[value.data.length()], '\0');
    }
}

TEST(RegistryFile, EmptyTextHoldsNothing)
{
    RegistryValue value;
    EXPECT_FALSE(findRegistryFileValue(Text(""), "HKEY_LOCAL_MACHINE\\SOFTWARE", "", value));
}

}  // namespace
