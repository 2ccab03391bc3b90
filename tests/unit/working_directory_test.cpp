#include <gtest/gtest.h>
#include <string>

#include "launcher/working_directory.h"

namespace xvo {
namespace {

std::string resolve(const char* base, const char* p)
{
    char out[260];
    int32_t n = resolveAgainstHome(Text(base), p, out, sizeof out);
    return n > 0 && n < 260 ? std::string(out) : std::string("<") + std::to_string(n) + ">";
}

#ifdef _WIN32
TEST(WorkingDirectory, AnchorsAtTheApplicationHome)
{
    EXPECT_EQ(resolve("C:\\app\\", "."), "C:\\app");
    EXPECT_EQ(resolve("C:\\app\\", "D:\\data"), "D:\\data");
    EXPECT_EQ(resolve("C:\\app\\", "\\logs"), "C:\\logs");
    EXPECT_EQ(resolve("C:\\app\\", "work"), "C:\\app\\work");
    EXPECT_EQ(resolve("C:\\app", "work\\..\\run"), "C:\\app\\run");
}
#else
TEST(WorkingDirectory, AnchorsAtTheApplicationHome)
{
    EXPECT_EQ(resolve("/opt/app/", "."), "/opt/app");
    EXPECT_EQ(resolve("/opt/app/", "/data"), "/data");
    EXPECT_EQ(resolve("/opt/app/", "work"), "/opt/app/work");
    EXPECT_EQ(resolve("/opt/app", "work/../run/./x/"), "/opt/app/run/x/");
    EXPECT_EQ(resolve("/opt/app/", "../../../.."), "/");
}
#endif

TEST(WorkingDirectory, ReportsTheRoomNeededForALongPath)
{
    std::string deep = "/" + std::string(300, 'd');
    EXPECT_EQ(resolve("/opt/app/", deep.c_str()).front(), '<');
}

}  // namespace
}  // namespace xvo
