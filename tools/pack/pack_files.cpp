#include "pack_files.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace xvo::pack {

namespace fs = std::filesystem;

Outcome fileSize(const std::string& path, const char* what, uint64_t* size)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return {std::string("the ") + what + " \"" + path + "\" does not exist or is not a file"};
    *size = fs::file_size(path, error);
    if (error)
        return {std::string("cannot read the size of the ") + what + " \"" + path + "\""};
    return {};
}

Outcome readWholeFile(const std::string& path, const char* what, Bytes* content)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return {std::string("the ") + what + " \"" + path + "\" does not exist or is not a file"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {std::string("cannot open the ") + what + " \"" + path + "\""};
    content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return {std::string("cannot read the ") + what + " \"" + path + "\""};
    return {};
}

namespace {

std::string temporaryNameBeside(const fs::path& target)
{
    std::random_device random;
    return target.string() + ".xvopack-" + std::to_string(random()) + ".tmp";
}

bool writeFile(const std::string& path, const Bytes& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), std::streamsize(content.size()));
    out.close();
    return !out.fail();
}

}  // namespace

Outcome writeExecutableAtomically(const std::string& path, const Bytes& content)
{
    fs::path target(path);
    std::string temporary = temporaryNameBeside(target);
    std::error_code error;
    if (!writeFile(temporary, content)) {
        fs::remove(temporary, error);
        return {"cannot write \"" + temporary + "\" beside the output"};
    }
    fs::permissions(temporary,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                        fs::perms::others_exec,
                    error);
    if (error) {
        fs::remove(temporary, error);
        return {"cannot make \"" + temporary + "\" executable"};
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::string reason = error.message();
        fs::remove(temporary, error);
        return {"cannot rename the finished output to \"" + path + "\": " + reason};
    }
    return {};
}

}  // namespace xvo::pack
