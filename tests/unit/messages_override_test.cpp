#include <gtest/gtest.h>

#include <string>

#include "config/settings.h"
#include "launcher/current.h"
#include "launcher/messages.h"
#include "launcher/string_table.h"
#include "child_process.h"

namespace xvo {
namespace {

// The replacement table is built once per process, so the table is checked in a child
// run of this executable, where nothing has asked for a message before.
TEST(MessageOverridesInChild, DISABLED_ConfiguredTextsReplaceTheStringTable)
{
    static Settings settings(false);
    Text block("\xEF\xBB\xBF"
               "message 13=Another copy is running.\r\n"
               "message 7=\r\n"
               "message 0=x\r\n"
               "message -5=x\r\n"
               "message x=y\r\n"
               "message =x\r\n"
               "message no equals sign\r\n"
               "message 12 = too new\r\n"
               "message 6=first\r\n"
               "message 6=second\r\n"
               "message 5=first\\nsecond\r\n"
               "message 4=a\\\\b\r\n"
               "message 3=C:\\data\r\n"
               "message 2=C:\\temp\r\n"
               "message 8=end\\\r\n"
               "message 14=a=b\r\n");
    settings.combine(nullptr, block);
    publishCurrent(&settings, nullptr, nullptr);
    struct Case {
        int32_t id;
        std::string text;
    } cases[] = {
        {13, "Another copy is running."},
        {1, stringTableText(1).cstr()},
        {7, ""},
        {12, " too new"},
        {6, "first"},
        {5, "first\nsecond"},
        {4, "a\\b"},
        {3, "C:data"},
        {2, "C:\temp"},
        {8, "end"},
        {14, "a=b"},
        {9999, ""},
        {0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(messageText(c.id).cstr()), c.text) << c.id;
    publishCurrent(nullptr, nullptr, nullptr);
}

TEST(MessageOverrides, ConfiguredTextsReplaceTheStringTable)
{
    test::ProcessResult result = test::runProcess(
        {test::selfPath(), "--gtest_also_run_disabled_tests",
         "--gtest_filter=MessageOverridesInChild.DISABLED_ConfiguredTextsReplaceTheStringTable"});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("[  PASSED  ] 1 test"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace xvo
