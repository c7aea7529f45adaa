#include "support/TestPaths.h"

#include <fstream>
#include <random>
#include <sstream>

namespace qmrtest {

TempDir::TempDir()
{
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto p = base / ("qmrtest-" + std::to_string(rd()));
        if (std::filesystem::create_directory(p)) {
            path_ = p;
            break;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::write(const std::string &name, const std::string &bytes) const
{
    auto p = path_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << bytes;
    return p.string();
}

std::string TempDir::read(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

} // namespace qmrtest
