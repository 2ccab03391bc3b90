#include <gtest/gtest.h>

#include "launcher/messages.h"
#include "launcher/string_table.h"

namespace xvo {
namespace {

TEST(MessageText, ComesFromTheStringTable)
{
    struct Case {
        int32_t id;
        const char* text;
    } cases[] = {
        {msgJreNotFound, "Java Runtime Environment not found."},
        {msgVersionTooHigh, "Java virtual machine version %s is too high, version between %s and %s is required."},
        {msgAlreadyRunning, "There is already an instance of this program running."},
        {msgInstallFailed, "Service '%s' install failed, "},
        {msgServiceMissing, "service does not exist."},
        {msgHelp, "Service type application.\n\nUse /install to install service."},
        {msgServiceName, ""},
        {msgServiceDependencies, ""},
        {9, ""},
        {9999, ""},
        {-1, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(messageText(c.id).cstr(), c.text) << c.id;
}

TEST(MessageText, StringTableWalkStaysInsideItsBlock)
{
    for (int32_t id = 0; id < 1100; ++id)
        EXPECT_LE(stringTableText(id).length(), 100) << id;
}

TEST(FillTemplate, NeverReadsArgumentsThatWereNotPassed)
{
    const char* two[] = {"1.6", "1.8"};
    struct Case {
        const char* pattern;
        int32_t count;
        const char* result;
    } cases[] = {
        {"version %s is too low, require %s or higher.", 2, "version 1.6 is too low, require 1.8 or higher."},
        {"%s %s %s", 2, "1.6 1.8 "},
        {"%n%d%x %s", 2, "%n%d%x 1.6"},
        {"100%% %s", 1, "100% 1.6"},
        {"trailing %", 2, "trailing %"},
        {"none", 0, "none"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(fillTemplate(c.pattern, two, c.count).cstr(), c.result) << c.pattern;
}

}  // namespace
}  // namespace xvo
