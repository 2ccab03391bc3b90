// Packaged executables for the end-to-end scenarios: the built launcher, a configuration
// text and an archive, packed into a directory of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "child_process.h"
#include "host_paths.h"
#include "tools/pack/pack_files.h"
#include "tools/pack/pack_format.h"

namespace xvo::test {

#ifdef _WIN32
inline const char* const pathSeparator = "\\";
inline const char* const executableSuffix = ".exe";
#else
inline const char* const pathSeparator = "/";
inline const char* const executableSuffix = "";
#endif

inline std::string inDirectory(const std::string& dir, const std::string& name)
{
    return dir + pathSeparator + name;
}

inline std::string fileBytes(const std::string& path)
{
    std::string bytes;
    pack::readWholeFile(path, "file", &bytes);
    return bytes;
}

inline std::string launcherImage()
{
    return fileBytes(hostPath(XVO_LAUNCHER));
}

/// A ZIP archive without entries: its end record alone.
inline std::string emptyArchive()
{
    return std::string("PK\x05\x06") + std::string(18, '\0');
}

/// Packs the built launcher with config and archive into dir as name (".exe" added on
/// Windows); returns the executable's path.
inline std::string packageLauncher(const std::string& dir, const std::string& name, const std::string& config,
                                   const std::string& archive)
{
    std::string output = inDirectory(dir, name + executableSuffix);
#ifdef _WIN32
    // Wine starts a Linux program but does not hand it its arguments, so the Windows side
    // runs the packer's own code in-process; the Linux tests run the packer program.
    std::string packaged;
    pack::Outcome outcome = pack::buildPackage(launcherImage(), config, archive, &packaged);
    if (outcome.ok())
        outcome = pack::writeExecutableAtomically(output, packaged);
    EXPECT_TRUE(outcome.ok()) << outcome.error;
#else
    writeFile(inDirectory(dir, name + ".conf"), config);
    writeFile(inDirectory(dir, name + ".jar"), archive);
    ProcessResult run = runProcess({XVO_PACKER, "--launcher", XVO_LAUNCHER, "--config", inDirectory(dir, name + ".conf"),
                                    "--jar", inDirectory(dir, name + ".jar"), "--output", output});
    EXPECT_EQ(run.exitCode, 0) << run.err;
#endif
    return output;
}

}  // namespace xvo::test
