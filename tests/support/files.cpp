// Whole-file reads and writes for the tests.
#include <fstream>
#include <sstream>

#include "child_process.h"

namespace xvo::test {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

}  // namespace xvo::test
