#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "launcher/messages.h"
#include "service/installer.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace xvo {
namespace {

std::string listBytes(const Text& list)
{
    return std::string(list.data(), size_t(list.length()));
}

TEST(DependencyList, EachNameEndsInANulAndTheListInAnother)
{
    using namespace std::string_literals;
    struct Case {
        const char* text;
        std::string list;
    } cases[] = {
        {"", ""},
        {"/", ""},
        {"Tcpip/", "Tcpip\0"s},
        {"Tcpip/Dnscache/", "Tcpip\0Dnscache\0"s},
        {"Tcpip", "Tcpip\0"s},            // the closing "/" missing
        {"a//b/", "a\0b\0"s},             // an empty name does not end the list early
        {"/a/", "a\0"s},
        {"two words/x/", "two words\0x\0"s},
    };
    for (const Case& c : cases) {
        Text list = dependencyList(c.text);
        EXPECT_EQ(listBytes(list), c.list) << c.text;
        EXPECT_EQ(list.data()[list.length()], '\0') << c.text;
    }
    EXPECT_EQ(dependencyList(nullptr).length(), 0);
}

TEST(InstallerReasons, SystemErrorsBecomeMessages)
{
    struct Case {
        int32_t error;
        int32_t install;
        int32_t uninstall;
    } cases[] = {
        {0, 0, 0},
        {5, msgAccessDenied, msgAccessDenied},
        {52, msgNameExists, msgErrorOccurs},
        {1072, msgMarkedForDelete, msgMarkedForDelete},
        {1073, msgServiceExists, msgErrorOccurs},
        {1150, msgNtOnly, msgErrorOccurs},
        {1060, msgErrorOccurs, msgServiceMissing},
        {1078, msgErrorOccurs, msgErrorOccurs},  // duplicate display name
        {123, msgErrorOccurs, msgErrorOccurs},
        {2, msgErrorOccurs, msgErrorOccurs},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(installFailureReason(c.error), c.install) << c.error;
        EXPECT_EQ(uninstallFailureReason(c.error), c.uninstall) << c.error;
    }
}

struct Installation {
    std::string commandLine = "\"C:\\Program Files\\app\\xvo.exe\" -run \"two words\"";
    std::string displayName = "Test Service";
    std::string description = "Runs the test application.";
    std::string dependencies = "/";
    bool autoStart = false;
    bool interactive = false;
};

int install(const std::string& name, const Installation& i)
{
    return installService(i.commandLine.c_str(), name.c_str(), i.displayName.c_str(), i.description.c_str(),
                          i.dependencies.c_str(), i.autoStart, i.interactive);
}

#ifdef _WIN32

std::string uniqueServiceName(const char* tag)
{
    unsigned long pid = GetCurrentProcessId();
    return "xvotest-" + std::to_string(pid) + "-" + tag;
}

// The service manager refuses a display name that another service already shows, and
// parallel tests and cases install at the same time.
std::string uniqueDisplayName(const std::string& name)
{
    return "Test Service " + name;
}

// The service manager's record of a service, read back from the registry.
class ServiceKey {
public:
    explicit ServiceKey(const std::string& name)
    {
        std::string path = "System\\CurrentControlSet\\Services\\" + name;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~ServiceKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    bool exists() const { return key_ != nullptr; }

    DWORD number(const char* value) const
    {
        DWORD data = 0xFFFFFFFF, size = sizeof data, type = 0;
        if (RegQueryValueExA(key_, value, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            return 0xFFFFFFFF;
        return data;
    }
    // The raw bytes of a string value, every terminator kept; "<none>" when it is absent.
    std::string bytes(const char* value) const
    {
        DWORD size = 0, type = 0;
        if (RegQueryValueExA(key_, value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return "<none>";
        std::string data(size, '\0');
        RegQueryValueExA(key_, value, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        data.resize(size);
        return data;
    }
    std::string text(const char* value) const
    {
        std::string data = bytes(value);
        size_t end = data.find('\0');
        return end == std::string::npos ? data : data.substr(0, end);
    }
    // A multi-string as its names.
    std::vector<std::string> names(const char* value) const
    {
        std::vector<std::string> result;
        std::string data = bytes(value);
        if (data == "<none>")
            return result;
        for (size_t start = 0; start < data.size();) {
            size_t end = data.find('\0', start);
            if (end == std::string::npos)
                end = data.size();
            if (end > start)
                result.push_back(data.substr(start, end - start));
            start = end + 1;
        }
        return result;
    }

private:
    HKEY key_ = nullptr;
};

// Removes what a failed test left behind, so a rerun starts clean.
struct ServiceCleanup {
    std::string name;
    ~ServiceCleanup() { uninstallService(name.c_str()); }
};

TEST(InstallService, RegistersWithTheServiceManager)
{
    struct Case {
        const char* tag;
        bool autoStart;
        bool interactive;
        const char* dependencies;
        const char* description;
        DWORD start;
        DWORD type;
        std::vector<std::string> dependsOn;
    } cases[] = {
        {"demand", false, false, "/", "Runs the test application.", 3, 0x10, {}},
        {"auto", true, false, "/", "Starts at boot.", 2, 0x10, {}},
        {"inter", false, true, "/", "", 3, 0x110, {}},
        {"deps", true, true, "RpcSs/EventLog/", "Waits for two services.", 2, 0x110, {"RpcSs", "EventLog"}},
        {"one", false, false, "RpcSs/", "Waits for one service.", 3, 0x10, {"RpcSs"}},
    };
    for (const Case& c : cases) {
        std::string name = uniqueServiceName(c.tag);
        ServiceCleanup cleanup{name};
        Installation installation;
        installation.displayName = uniqueDisplayName(name);
        installation.autoStart = c.autoStart;
        installation.interactive = c.interactive;
        installation.dependencies = c.dependencies;
        installation.description = c.description;
        ASSERT_EQ(install(name, installation), 0) << c.tag;
        ServiceKey key(name);
        ASSERT_TRUE(key.exists()) << c.tag;
        EXPECT_EQ(key.number("Start"), c.start) << c.tag;
        EXPECT_EQ(key.number("Type"), c.type) << c.tag;
        EXPECT_EQ(key.number("ErrorControl"), 0u) << c.tag;
        EXPECT_EQ(key.text("ImagePath"), installation.commandLine) << c.tag;
        EXPECT_EQ(key.text("DisplayName"), installation.displayName) << c.tag;
        EXPECT_EQ(key.names("DependOnService"), c.dependsOn) << c.tag;
        // An empty description is no description: the manager keeps no value for it.
        EXPECT_EQ(key.text("Description"), *c.description ? c.description : "<none>") << c.tag;
        EXPECT_EQ(uninstallService(name.c_str()), 0) << c.tag;
    }
}

TEST(InstallService, ASecondInstallFindsTheFirst)
{
    std::string name = uniqueServiceName("twice");
    ServiceCleanup cleanup{name};
    Installation installation;
    installation.displayName = uniqueDisplayName(name);
    ASSERT_EQ(install(name, installation), 0);
    installation.autoStart = true;
    EXPECT_EQ(install(name, installation), msgServiceExists);
    EXPECT_EQ(ServiceKey(name).number("Start"), 3u);  // the first registration stands
}

TEST(UninstallService, RemovesTheRegistrationOnce)
{
    std::string name = uniqueServiceName("remove");
    ServiceCleanup cleanup{name};
    Installation installation;
    installation.displayName = uniqueDisplayName(name);
    ASSERT_EQ(install(name, installation), 0);
    EXPECT_EQ(uninstallService(name.c_str()), 0);
    EXPECT_FALSE(ServiceKey(name).exists());
    EXPECT_EQ(uninstallService(name.c_str()), msgServiceMissing);
    EXPECT_EQ(uninstallService(uniqueServiceName("never").c_str()), msgServiceMissing);
}

#else

// A unit folder of the test's own, named to the installer through the environment.
class UnitFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = test::makeTempDirectory("units");
        ASSERT_FALSE(root_.empty());
        dir_ = root_ + "/system";
        ASSERT_EQ(mkdir(dir_.c_str(), 0755), 0);
        setenv("XVO_SYSTEMD_DIR", dir_.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XVO_SYSTEMD_DIR");
        chmod(dir_.c_str(), 0755);
        std::string command = "rm -rf '" + root_ + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    std::string unitPath(const std::string& name) const { return dir_ + "/" + name + ".service"; }
    std::string wantsLink(const std::string& name) const
    {
        return dir_ + "/multi-user.target.wants/" + name + ".service";
    }
    static bool exists(const std::string& path)
    {
        struct stat info;
        return lstat(path.c_str(), &info) == 0;
    }
    std::string entries() const
    {
        return test::runProcess({"/bin/sh", "-c", "ls -A '" + dir_ + "'"}).out;
    }

    std::string root_;
    std::string dir_;
};

TEST_F(UnitFolder, WritesANotifyUnitForTheCommandLine)
{
    Installation installation;
    installation.commandLine = "\"/opt/my app/xvo\" -run \"two words\"";
    installation.description = "Runs the test application.";
    installation.dependencies = "network-online.target/db/";
    ASSERT_EQ(install("app", installation), 0);
    EXPECT_EQ(test::readFile(unitPath("app")),
              "[Unit]\n"
              "Description=Runs the test application.\n"
              "After=network-online.target db.service\n"
              "Requires=network-online.target db.service\n"
              "\n"
              "[Service]\n"
              "Type=notify\n"
              "ExecStart=\"/opt/my app/xvo\" \"-run\" \"two words\"\n"
              "\n"
              "[Install]\n"
              "WantedBy=multi-user.target\n");
    EXPECT_FALSE(exists(wantsLink("app")));  // started on demand only
    EXPECT_EQ(entries(), "app.service\n");   // no temporary file left beside it
}

std::string execStartOf(const std::string& unit)
{
    size_t start = unit.find("ExecStart=");
    if (start == std::string::npos)
        return "<none>";
    start += 10;
    return unit.substr(start, unit.find('\n', start) - start);
}

TEST_F(UnitFolder, ExecStartCarriesTheVeryArguments)
{
    struct Case {
        const char* commandLine;
        const char* execStart;
    } cases[] = {
        {"\"/opt/xvo\" ", "\"/opt/xvo\""},
        {"\"/opt/xvo\" a \"b c\" \"\"", "\"/opt/xvo\" \"a\" \"b c\" \"\""},
        {"\"/opt/xvo\" 100% $HOME ${X}", "\"/opt/xvo\" \"100%%\" \"$$HOME\" \"$${X}\""},
        {"\"/opt/xvo\" \"say \\\"hi\\\"\" a\\b", "\"/opt/xvo\" \"say \\\"hi\\\"\" \"a\\\\b\""},
        {"\"/opt/xvo\" ; x;y", "\"/opt/xvo\" \\; \"x;y\""},
        {"\"/opt/xvo\" \"a\tb\"", "\"/opt/xvo\" \"a\\x09b\""},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string name = "exec" + std::to_string(n++);
        Installation installation;
        installation.commandLine = c.commandLine;
        ASSERT_EQ(install(name, installation), 0) << c.commandLine;
        EXPECT_EQ(execStartOf(test::readFile(unitPath(name))), c.execStart) << c.commandLine;
    }
}

TEST_F(UnitFolder, DescriptionStaysOnItsLine)
{
    struct Case {
        const char* description;
        const char* line;
    } cases[] = {
        {"", "Description="},
        {"50% done", "Description=50%% done"},
        {"two\nlines", "Description=two lines"},
        {"ends in \\", "Description=ends in "},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string name = "described" + std::to_string(n++);
        Installation installation;
        installation.description = c.description;
        ASSERT_EQ(install(name, installation), 0) << c.description;
        std::string unit = test::readFile(unitPath(name));
        EXPECT_EQ(unit.substr(0, unit.find("\n", 7)), std::string("[Unit]\n") + c.line) << c.description;
    }
}

TEST_F(UnitFolder, AutomaticStartLinksTheUnitForBoot)
{
    Installation installation;
    installation.autoStart = true;
    ASSERT_EQ(install("boot", installation), 0);
    char target[256] = {};
    ASSERT_GT(readlink(wantsLink("boot").c_str(), target, sizeof target - 1), 0);
    EXPECT_STREQ(target, "../boot.service");
    EXPECT_EQ(test::readFile(wantsLink("boot")), test::readFile(unitPath("boot")));
    EXPECT_EQ(uninstallService("boot"), 0);
    EXPECT_FALSE(exists(wantsLink("boot")));
}

TEST_F(UnitFolder, InstallTwiceThenUninstallTwice)
{
    Installation first;
    ASSERT_EQ(install("svc", first), 0);
    Installation second;
    second.description = "second";
    second.autoStart = true;
    EXPECT_EQ(install("svc", second), msgServiceExists);
    EXPECT_NE(test::readFile(unitPath("svc")).find("Description=Runs the test application.\n"), std::string::npos);
    EXPECT_FALSE(exists(wantsLink("svc")));
    EXPECT_EQ(uninstallService("svc"), 0);
    EXPECT_FALSE(exists(unitPath("svc")));
    EXPECT_EQ(uninstallService("svc"), msgServiceMissing);
}

TEST_F(UnitFolder, NamesSystemdCannotLoadAreRefused)
{
    struct Case {
        const char* name;
        const char* dependencies;
    } cases[] = {
        {"", "/"},
        {"a/b", "/"},
        {"two words", "/"},
        {"good", "bad name/"},
        {"good", "db;rm/"},
    };
    std::string tooLong(248, 'n');
    for (const Case& c : cases) {
        Installation installation;
        installation.dependencies = c.dependencies;
        EXPECT_EQ(install(c.name, installation), msgErrorOccurs) << c.name << " " << c.dependencies;
    }
    EXPECT_EQ(install(tooLong, Installation()), msgErrorOccurs);
    EXPECT_EQ(install(tooLong.substr(1), Installation()), 0);  // 255 bytes with ".service"
    EXPECT_EQ(uninstallService("a/b"), msgErrorOccurs);
    EXPECT_EQ(entries(), tooLong.substr(1) + ".service\n");
}

// Runs the call in a child process without the rights of root, so a folder's mode bits
// hold for it as they do for an ordinary user.
int withoutPrivileges(int (*call)())
{
    pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(call());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Exit codes carry 8 bits: the child reports the reason less 256.
int installUnprivileged()
{
    return install("locked", Installation()) - 256;
}

int uninstallUnprivileged()
{
    return uninstallService("kept") - 256;
}

TEST_F(UnitFolder, AFolderWithoutWriteAccessIsAccessDenied)
{
    ASSERT_EQ(install("kept", Installation()), 0);
    ASSERT_EQ(chmod(root_.c_str(), 0755), 0);
    ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
    EXPECT_EQ(withoutPrivileges(installUnprivileged), msgAccessDenied - 256);
    EXPECT_EQ(withoutPrivileges(uninstallUnprivileged), msgAccessDenied - 256);
    EXPECT_EQ(entries(), "kept.service\n");
}

TEST_F(UnitFolder, AMissingFolderIsAFailure)
{
    setenv("XVO_SYSTEMD_DIR", (root_ + "/absent").c_str(), 1);
    EXPECT_EQ(install("x", Installation()), msgErrorOccurs);
    EXPECT_EQ(uninstallService("x"), msgServiceMissing);
}

#endif

}  // namespace
}  // namespace xvo
