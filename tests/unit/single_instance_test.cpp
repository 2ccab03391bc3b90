#include <chrono>
#include <gtest/gtest.h>

#include "child_process.h"
#include "instances/single_instance.h"
#include "platform/process.h"
#include "platform/sync.h"

namespace xvo {
namespace {

TEST(SingleInstance, MutexNameFollowsAppidOrTheExecutablePath)
{
    EXPECT_STREQ(singleInstanceMutexName(Text("C:\\x"), Text("C:\\app\\run.exe")).cstr(), "C..x.xvo.mutex");
    EXPECT_STREQ(singleInstanceMutexName(Text(""), Text("C:\\app\\run.exe")).cstr(), "C..app.run.exe.xvo.mutex");
    EXPECT_STREQ(singleInstanceMutexName(Text("org.example"), Text("/x")).cstr(), "org.example.xvo.mutex");
}

Text uniqueMutexName(const char* tag)
{
    Text name;
    name.format("xvo-test-%s-%d", tag, int(platform::currentProcessId()));
    return name;
}

// A second process waits 100 ms for a mutex that a live process holds, and gets it once
// the holder has been killed.
TEST(SingleInstance, NamedMutexIsHeldByALiveProcessAndFreedByItsDeath)
{
    Text name = uniqueMutexName("held");
    std::string ready = test::makeTempDirectory("mutex") + "/ready";
    test::Child holder;
    ASSERT_TRUE(holder.start({test::selfPath(), "--child", "hold-mutex", name.cstr(), ready}));
    ASSERT_TRUE(test::waitForFile(ready));

    platform::NamedMutex mutex;
    int32_t error = 0;
    ASSERT_TRUE(mutex.create(name.cstr(), &error)) << error;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(mutex.wait(100), platform::WaitResult::timedOut);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(waited).count(), 90);

    holder.kill();
    platform::WaitResult after = mutex.wait(100);
    EXPECT_TRUE(after == platform::WaitResult::acquired || after == platform::WaitResult::abandoned);
}

TEST(SingleInstance, AFreeMutexIsAcquiredAtOnce)
{
    platform::NamedMutex mutex;
    int32_t error = 0;
    ASSERT_TRUE(mutex.create(uniqueMutexName("free").cstr(), &error));
    EXPECT_EQ(mutex.wait(100), platform::WaitResult::acquired);
}

}  // namespace
}  // namespace xvo
