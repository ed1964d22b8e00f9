// The system's volumes, folders and files as the file browsers see them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "shell/posix_file_system.h"

namespace orvan::shell {
namespace {

namespace fs = std::filesystem;

struct ScratchFolder {
    fs::path root = fs::temp_directory_path() / ("orvan-fs-" + std::to_string(::getpid()));
    ScratchFolder() { fs::create_directories(root); }
    ~ScratchFolder() { fs::remove_all(root); }
    void file(const std::string& name, const std::string& text = "x") {
        std::ofstream(root / name) << text;
    }
};

TEST(PosixFileSystem, VolumesAreTheRootAndWhatPeopleMountButNotTheKernelsOwn) {
    ScratchFolder scratch;
    scratch.file("mounts",
                 "/dev/sda1 / ext4 rw 0 0\n"
                 "proc /proc proc rw 0 0\n"
                 "/dev/sdb1 /media/ann/STICK vfat rw 0 0\n"
                 "tmpfs /run tmpfs rw 0 0\n"
                 "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
                 "sysfs /media/odd sysfs rw 0 0\n");
    PosixFileSystem system((scratch.root / "mounts").string());
    const auto volumes = system.volumes();
    ASSERT_EQ(volumes.size(), 3u);
    EXPECT_EQ(volumes[0].root, "/");
    EXPECT_EQ(volumes[1].root, "/media/ann/STICK");
    EXPECT_EQ(volumes[2].root, "/mnt/backup");

    EXPECT_EQ(PosixFileSystem("/nonexistent/mounts").volumes().size(), 1u);
}

TEST(PosixFileSystem, FoldersAndFilesAreListedApartAndSorted) {
    ScratchFolder scratch;
    fs::create_directories(scratch.root / "b-folder");
    fs::create_directories(scratch.root / "a-folder");
    scratch.file("z.PRF");
    scratch.file("m.cfg");
    PosixFileSystem system;
    EXPECT_EQ(*system.folders(scratch.root.string()),
              (std::vector<std::string>{"a-folder", "b-folder"}));
    EXPECT_EQ(*system.files(scratch.root.string()), (std::vector<std::string>{"m.cfg", "z.PRF"}));
    EXPECT_FALSE(system.folders((scratch.root / "missing").string()).has_value());
    EXPECT_FALSE(system.files((scratch.root / "z.PRF").string()).has_value());
}

}  // namespace
}  // namespace orvan::shell
