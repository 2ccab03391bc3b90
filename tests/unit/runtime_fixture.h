// Shared by the runtime discovery tests: real trees of runtime and library folders in a
// fresh directory and settings from configuration lines.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "child_process.h"
#include "test_environment.h"
#include "config/settings.h"
#include "launcher/current.h"
#include "platform/directory.h"
#include "platform/runtime_layout.h"

namespace xvo::test {

// The folders of this target's runtime layout, as the probes spell them.
#ifdef _WIN32
const std::string sep = "\\";
const std::string binPrefix = "bin\\";
const std::string kitPrefix = "jre\\bin\\";
const std::string besidePrefix = "..\\jre\\bin\\";
#else
const std::string sep = "/";
const std::string binPrefix = "lib/";
const std::string kitPrefix = "jre/lib/";
const std::string besidePrefix = "../jre/lib/";
#endif
const std::string libraryName = platform::vmLibraryName();
// The runtime's library folder, as the trees of the tests spell it.
#ifdef _WIN32
const std::string binFolder = "bin";
#else
const std::string binFolder = "lib";
#endif

// Creates files (with a little content) and folders (names ending in a separator) below root.
inline void makeTree(const std::string& root, const std::vector<std::string>& entries)
{
    namespace fs = std::filesystem;
    for (const std::string& entry : entries) {
        fs::path path = fs::path(root) / entry;
        bool folder = entry.back() == '/' || entry.back() == '\\';
        fs::create_directories(folder ? path : path.parent_path());
        if (!folder)
            writeFile(path.string(), "x");
    }
}

// Changes into a directory for the length of a test.
class InDirectory {
public:
    explicit InDirectory(const std::string& directory) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(directory);
    }
    ~InDirectory() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

// Settings from configuration lines, published for the expansion of values.
class ConfiguredSettings {
public:
    ConfiguredSettings(const std::string& lines, const std::string& appHome, const std::string& currentDir)
    {
        settings_.combine(nullptr, Text(("\xEF\xBB\xBF" + lines).c_str()));
        settings_.appHome = appHome.c_str();
        settings_.currentDir = currentDir.c_str();
        publishCurrent(&settings_, nullptr, nullptr);
    }
    ~ConfiguredSettings() { publishCurrent(nullptr, nullptr, nullptr); }
    ConfiguredSettings(const ConfiguredSettings&) = delete;
    ConfiguredSettings& operator=(const ConfiguredSettings&) = delete;

    Settings& operator*() { return settings_; }
    Settings* operator->() { return &settings_; }

private:
    Settings settings_{false};
};

// The folder of names that the system lists first in directory.
inline std::string firstListed(const std::string& directory, const std::vector<std::string>& names)
{
    StringList listed;
    IntList folders;
    platform::findMatches((directory + sep).c_str(), "*", listed, folders);
    for (int32_t i = 0; i < listed.count(); ++i) {
        if (std::find(names.begin(), names.end(), listed.item(i)) != names.end())
            return listed.item(i);
    }
    return std::string();
}

}  // namespace xvo::test
