#include <gtest/gtest.h>

#include "launcher/messages.h"
#include "vmhost/version_limits.h"

namespace xvo {
namespace {

TEST(JavaVersion, ReadsUpToFourFieldsAndStopsAtTheFirstMisfit)
{
    struct Case {
        const char* text;
        int32_t count;
        int32_t fields[4];
    } cases[] = {
        {"1.8.0_151", 4, {1, 8, 0, 151}},
        {"11.0.2", 3, {11, 0, 2, 0}},
        {"17", 1, {17, 0, 0, 0}},
        {"1.8.0-ea", 3, {1, 8, 0, 0}},
        {"17.0.9+9", 3, {17, 0, 9, 0}},
        {"", -1, {0, 0, 0, 0}},
        {"  ", -1, {0, 0, 0, 0}},
        {"abc", 0, {0, 0, 0, 0}},
        {"1.x", 1, {1, 0, 0, 0}},
        {"1_8", 1, {1, 0, 0, 0}},
        // A number too large for 32 bits saturates instead of overflowing.
        {"99999999999.1", 2, {INT32_MAX, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        JavaVersion v = parseJavaVersion(c.text);
        EXPECT_EQ(v.count, c.count) << c.text;
        for (int32_t i = 0; i < (c.count > 0 ? c.count : 0); ++i)
            EXPECT_EQ(v.fields[i], c.fields[i]) << c.text << " field " << i;
    }
}

TEST(VersionLimits, OnlyTheFieldsBothTextsHaveAreCompared)
{
    struct Case {
        const char* running;
        const char* minimum;
        const char* maximum;
        int result;
    } cases[] = {
        {"1.8.0_151", "1.8", "", versionAccepted},
        {"1.8.0_151", "1.8.0_161", "", versionTooLow},
        {"9.0.4", "", "1.8", versionTooHigh},
        {"1.8.0_202", "", "1.8", versionAccepted},
        {"11.0.2", "1.8", "", versionAccepted},
        {"17", "1.8", "", versionAccepted},
        {"1.8.0-ea", "1.8.0_20", "", versionAccepted},
        {"17.0.9", "abc", "", versionAccepted},
        {"17.0.9", "17.0.10", "", versionTooLow},
        {"17.0.9", "11", "17", versionAccepted},
        {"", "1.8", "1.9", versionAccepted},
    };
    for (const Case& c : cases)
        EXPECT_EQ(compareWithLimits(VersionLimits{c.running, c.minimum, c.maximum}), c.result)
            << c.running << " [" << c.minimum << ", " << c.maximum << "]";
}

TEST(VersionLimits, MessagesNameTheRunningVersionAndTheLimits)
{
    EXPECT_STREQ(versionMessage(versionTooLow, VersionLimits{"1.8.0_151", "1.8.0_161", ""}).cstr(),
                 "Java virtual machine version 1.8.0_151 is too low, require 1.8.0_161 or higher.");
    EXPECT_STREQ(versionMessage(versionTooHigh, VersionLimits{"9.0.4", "", "1.8"}).cstr(),
                 "Java virtual machine version 9.0.4 is too high, version between  and 1.8 is required.");
}

}  // namespace
}  // namespace xvo
