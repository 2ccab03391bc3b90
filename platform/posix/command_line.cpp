// POSIX only: the command line rebuilt from the argument vector.
#include "platform/command_line.h"

#include "cmdline/command_line.h"

namespace xvo::platform {

namespace {

int rememberedCount = 0;
char** rememberedArguments = nullptr;

}  // namespace

void rememberArguments(int argc, char** argv)
{
    rememberedCount = argc;
    rememberedArguments = argv;
}

Text processCommandLine()
{
    if (!rememberedArguments)
        return Text();
    return joinArguments(rememberedArguments, rememberedCount, 0);
}

}  // namespace xvo::platform
