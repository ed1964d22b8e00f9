#pragma once
// What the file browsers ask of the operating system: the volumes ("drives")
// and what a folder holds. The real service lives with the platform; tests
// use a fake, so the browsers' logic runs without a display or a disk.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::ui {

struct Volume {
    std::string name;  // as the drive list shows it
    std::string root;  // the folder a choice of the volume opens
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual std::vector<Volume> volumes() = 0;
    // Names of the sub-folders or files of a folder, sorted; nullopt when the
    // folder cannot be read.
    virtual std::optional<std::vector<std::string>> folders(const std::string& path) = 0;
    virtual std::optional<std::vector<std::string>> files(const std::string& path) = 0;
    // Whether path names a file that can be opened for reading. Here: one
    // its folder lists; a real file system opens it.
    virtual bool canRead(const std::string& path);
};

inline constexpr char kPathSeparator = '/';

// The folder, a separator unless the folder already ends with one, and the name.
std::string joinPath(std::string_view folder, std::string_view name);
// The folder above (the root stays the root).
std::string parentFolder(std::string_view path);
// Whether a file name fits a pattern such as "*.PRF;*.CFG": alternatives
// separated by ";", "*" for any run and "?" for one character, letter case
// ignored.
bool matchesPattern(std::string_view name, std::string_view pattern);

}  // namespace orvan::ui
