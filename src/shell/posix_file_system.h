#pragma once
// The file browsers' view of a POSIX system: the mounted volumes a person
// keeps files on, and the folders and files of a folder.
#include "ui/file_system.h"

namespace orvan::shell {

class PosixFileSystem : public ui::FileSystem {
  public:
    // mountTable: the kernel's list of mounts (another file in tests).
    explicit PosixFileSystem(std::string mountTable = "/proc/self/mounts");
    // "/" first, then the volumes mounted below it, by mount point.
    std::vector<ui::Volume> volumes() override;
    std::optional<std::vector<std::string>> folders(const std::string& path) override;
    std::optional<std::vector<std::string>> files(const std::string& path) override;
    // A regular file this user may open for reading (a folder is no file).
    bool canRead(const std::string& path) override;

  private:
    std::string mountTable_;
};

}  // namespace orvan::shell
