#pragma once
#include <filesystem>
#include <string>

namespace qmrtest {

// A fresh empty folder under the system temp folder, removed when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return path_; }
    // Path of a file in the folder, as a string.
    std::string file(const std::string &name) const { return (path_ / name).string(); }
    // Writes raw bytes to a file in the folder and returns its path.
    std::string write(const std::string &name, const std::string &bytes) const;
    static std::string read(const std::string &path);

private:
    std::filesystem::path path_;
};

inline std::string fixtures() { return QMR_FIXTURES_DIR; }
inline std::string sourceDir() { return QMR_SOURCE_DIR; }
inline std::string programDir() { return QMR_PROGRAM_DIR; }

} // namespace qmrtest
