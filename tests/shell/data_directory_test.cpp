// Where the program finds its pictures: beside it in a build tree, in the data
// folder of an install wherever that tree is, else where the build put it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/data_directory.h"

namespace orvan::shell {
namespace {

constexpr const char* kFromProgram = "../../share/orvan-status-monitor";
constexpr const char* kInstalled = "/usr/local/share/orvan-status-monitor";

std::string found(const std::string& programDirectory, std::set<std::string> files) {
    return DataDirectoryOf(
        programDirectory, [&files](const std::string& path) { return files.count(path) > 0; },
        kFromProgram, kInstalled);
}

TEST(DataDirectory, ABuildTreeHasThePicturesBesideTheProgram) {
    EXPECT_EQ(found("/src/build/bin",
                    {"/src/build/bin/LOGO.gif", "/usr/local/share/orvan-status-monitor/LOGO.gif"}),
              "/src/build/bin");
}

TEST(DataDirectory, AnInstallIsFoundFromTheProgramsFolderWhereverItIs) {
    EXPECT_EQ(found("/usr/local/lib/orvan-status-monitor",
                    {"/usr/local/share/orvan-status-monitor/LOGO.gif"}),
              kInstalled);
    // Staged or moved whole: its own data folder, not the one built for.
    EXPECT_EQ(found("/tmp/stage/opt/lib/orvan-status-monitor",
                    {"/tmp/stage/opt/share/orvan-status-monitor/LOGO.gif",
                     "/usr/local/share/orvan-status-monitor/LOGO.gif"}),
              "/tmp/stage/opt/share/orvan-status-monitor");
}

TEST(DataDirectory, WithThePicturesNowhereOrTheProgramUnknownTheBuiltForFolderIsTheAnswer) {
    EXPECT_EQ(found("/opt/elsewhere", {}), kInstalled);
    EXPECT_EQ(found("", {"LOGO.gif", "../../share/orvan-status-monitor/LOGO.gif"}), kInstalled);
}

}  // namespace
}  // namespace orvan::shell
