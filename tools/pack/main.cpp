// xvopack: builds a packaged executable from a launcher image, a configuration text and a
// Java archive, or prints the configuration of one.
#include <cstdio>
#include <cstring>
#include <string>

#include "pack_files.h"
#include "pack_format.h"

namespace {

using namespace xvo::pack;

const char kHelp[] =
    "Usage:\n"
    "  xvopack --launcher IMAGE --config TEXTFILE --jar JAR --output OUT\n"
    "  xvopack --print-config EXE\n"
    "  xvopack --help\n"
    "\n"
    "Options:\n"
    "  --launcher IMAGE     the built launcher (Windows or Linux image) that receives the payload;\n"
    "                       it must hold the archive-length slot exactly once\n"
    "  --config TEXTFILE    the configuration text, UTF-8 (a byte-order mark is dropped), LF or\n"
    "                       CR LF line ends; it is embedded with CR LF line ends and must not hold\n"
    "                       a NUL byte\n"
    "  --jar JAR            the application's Java archive, stored unchanged; it must end with a\n"
    "                       ZIP end-of-central-directory record\n"
    "  --output OUT         the packaged executable to write (replaced atomically; smaller than 2 GiB)\n"
    "  --print-config EXE   writes the configuration embedded in EXE to standard output\n"
    "  --help               shows this text\n";

struct Options {
    std::string launcher, config, jar, output, printConfig;
    bool help = false;
};

bool parseOptions(int argc, char** argv, Options* options, std::string* error)
{
    struct Named {
        const char* name;
        std::string* value;
    } named[] = {{"--launcher", &options->launcher},
                 {"--config", &options->config},
                 {"--jar", &options->jar},
                 {"--output", &options->output},
                 {"--print-config", &options->printConfig}};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            options->help = true;
            continue;
        }
        bool known = false;
        for (Named& option : named) {
            if (std::strcmp(argv[i], option.name) != 0)
                continue;
            if (i + 1 >= argc) {
                *error = std::string(option.name) + " needs a value";
                return false;
            }
            *option.value = argv[++i];
            known = true;
        }
        if (!known) {
            *error = std::string("unknown argument \"") + argv[i] + "\"";
            return false;
        }
    }
    return true;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "xvopack: %s\n", message.c_str());
    return 1;
}

int printConfig(const std::string& path)
{
    Bytes packaged, text;
    Outcome outcome = readWholeFile(path, "packaged executable", &packaged);
    if (outcome.ok())
        outcome = readConfig(packaged, &text);
    if (!outcome.ok())
        return fail(outcome.error);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : fail("cannot write to standard output");
}

int build(const Options& options)
{
    if (options.launcher.empty() || options.config.empty() || options.jar.empty() || options.output.empty())
        return fail("--launcher, --config, --jar and --output are all needed to build (see --help)");
    // Sizes first: an input that can only give an oversized output is refused unread.
    uint64_t imageSize = 0, configSize = 0, archiveSize = 0;
    Outcome outcome = fileSize(options.launcher, "launcher image", &imageSize);
    if (outcome.ok())
        outcome = fileSize(options.config, "configuration file", &configSize);
    if (outcome.ok())
        outcome = fileSize(options.jar, "archive", &archiveSize);
    if (outcome.ok())
        outcome = checkOutputSize(smallestOutputSize(imageSize, archiveSize));
    if (!outcome.ok())
        return fail(outcome.error);

    Bytes image, config, archive, output;
    outcome = readWholeFile(options.launcher, "launcher image", &image);
    if (outcome.ok())
        outcome = readWholeFile(options.config, "configuration file", &config);
    if (outcome.ok())
        outcome = readWholeFile(options.jar, "archive", &archive);
    if (outcome.ok())
        outcome = buildPackage(image, config, archive, &output);
    if (outcome.ok())
        outcome = writeExecutableAtomically(options.output, output);
    return outcome.ok() ? 0 : fail(outcome.error);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, &options, &error))
        return fail(error + " (see --help)");
    if (options.help || argc == 1) {
        std::fputs(kHelp, options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    if (!options.printConfig.empty())
        return printConfig(options.printConfig);
    return build(options);
}
